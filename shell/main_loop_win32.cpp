#include "shell/main_loop.h"

#include <windows.h>

#include <GLFW/glfw3.h>

#include <cstdlib>

#include "render/scene_state.h"
#include "shell/application.h"
#include "shell/frame_seed.h"
#include "shell/preview_window.h"
#include "shell/scene.h"

std::int32_t firstFrameDone = 0;

void runMainLoop() {
  setUpScene();
  GLFWwindow* window = application->window;
  const ScreensaverCommandLine& line = *application->commandLine;
  bool keepRunning = true;
  do {
    updateFrame();
    glfwSwapBuffers(window);
    // A key or mouse-button event ends the process in here (the application's callbacks).
    glfwPollEvents();
    keepRunning = keepRunning && glfwGetKey(window, GLFW_KEY_ESCAPE) == GLFW_RELEASE;
    keepRunning = keepRunning && glfwWindowShouldClose(window) != GLFW_TRUE;
    // The dialog disables or destroys its preview window when the preview should stop;
    // IsWindowEnabled answers zero in both cases.
    if (line.mode == Preview && !IsWindowEnabled(hostWindowHandle(line))) break;
  } while (keepRunning);
  shutdownScene();
}

void updateFrame() {
  const float t = static_cast<float>(glfwGetTime());
  if (firstFrameDone == 0) {
    std::srand(firstFrameSeed(t));
    environment->setStartTime(t);
    environment->captureDate();
    firstFrameDone = 1;
  }
  environment->setCurrentTime(t);
  renderFrame();
}

void shutdownScene() {}
