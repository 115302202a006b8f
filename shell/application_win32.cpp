#include "shell/application.h"

#include <windows.h>

#include <GLFW/glfw3.h>
#define GLFW_EXPOSE_NATIVE_WIN32
#include <GLFW/glfw3native.h>

#include <cstdlib>

#include "platform/platform.h"
#include "render/gl.h"
#include "shell/preview_window.h"
#include "shell/window_icon.h"

std::int32_t windowWidth = 0;
std::int32_t windowHeight = 0;
float windowAspect = 0.0f;
GLFWApplication* application = nullptr;

// Off: the GL report is a developer's tool, not part of a user's run.
#ifndef TESSELUME_SHOW_GL_INFO
#define TESSELUME_SHOW_GL_INFO 0
#endif

void setWindowSize(std::int32_t width, std::int32_t height) {
  windowWidth = width;
  windowHeight = height;
  windowAspect = static_cast<float>(width) / static_cast<float>(height);
}

namespace {

void errorCallback(int /*code*/, const char* description) {
  platform::showMessageBox(description, "Error");
}

void windowSizeCallback(GLFWwindow*, int width, int height) { setWindowSize(width, height); }

// Any key or mouse button ends the saver at once.
void keyCallback(GLFWwindow*, int, int, int, int) { std::exit(0); }
void mouseButtonCallback(GLFWwindow*, int, int, int) { std::exit(0); }

// Moving the mouse or turning the wheel must not end the saver.
void cursorPosCallback(GLFWwindow*, double, double) {}
void scrollCallback(GLFWwindow*, double, double) {}

}  // namespace

GLFWApplication::GLFWApplication(ScreensaverCommandLine* line) : commandLine(line) {
  initGLFW();
  chooseWindowSize();
  openWindow();
  setFixedGLState();
}

void GLFWApplication::initGLFW() {
  // Installed first so that errors raised while GLFW initialises are shown too.
  glfwSetErrorCallback(errorCallback);
  if (!glfwInit()) platform::showMessageBox("Failed to initialize GLFW", "Debug");
}

void GLFWApplication::chooseWindowSize() {
  if (commandLine->mode == Preview) {
    RECT client{};
    GetClientRect(hostWindowHandle(*commandLine), &client);
    setWindowSize(client.right - client.left, client.bottom - client.top);
    return;
  }
  const DWORD version = GetVersion();
  const int windowsVersion = LOBYTE(LOWORD(version)) * 10 + HIBYTE(LOWORD(version));
  std::int32_t width = 800, height = 600;
  if (windowsVersion >= 60) {
    // Without GLFW there is no video mode; the window step then fails and ends the run.
    const GLFWvidmode* mode = glfwGetVideoMode(glfwGetPrimaryMonitor());
    if (mode) {
      width = mode->width;
      height = mode->height;
    }
  }
  setWindowSize(width, height);
}

void GLFWApplication::openWindow() {
  glfwWindowHint(GLFW_CONTEXT_VERSION_MAJOR, 2);
  glfwWindowHint(GLFW_CONTEXT_VERSION_MINOR, 0);
  glfwWindowHint(GLFW_CONTEXT_ROBUSTNESS, GLFW_LOSE_CONTEXT_ON_RESET);
  glfwWindowHint(GLFW_SAMPLES, 0);
  glfwWindowHint(GLFW_STEREO, GLFW_FALSE);

  if (commandLine->mode == Preview) {
    window = openPreviewWindow(hostWindowHandle(*commandLine));
  } else {
    window = glfwCreateWindow(windowWidth, windowHeight, "Tesselume Screensaver", glfwGetPrimaryMonitor(), nullptr);
  }
  if (!window) {
    platform::showMessageBox("Failed to open window", "Debug");
    glfwTerminate();
    std::exit(0);
  }

  glfwSetWindowSizeCallback(window, windowSizeCallback);
  glfwSetKeyCallback(window, keyCallback);
  glfwSetMouseButtonCallback(window, mouseButtonCallback);
  glfwSetCursorPosCallback(window, cursorPosCallback);
  glfwSetScrollCallback(window, scrollCallback);
  glfwMakeContextCurrent(window);
  setWindowIcon();
  loadGL();
  if (TESSELUME_SHOW_GL_INFO) showGLInfo();
}

void GLFWApplication::setWindowIcon() {
  static std::uint8_t rows[windowIconBytes];
  windowIconRowsFromColumns(windowIconColumns.data(), rows);
  const GLFWimage icon{windowIconSize, windowIconSize, rows};
  glfwSetWindowIcon(window, 1, &icon);
}

void GLFWApplication::setSwapInterval(bool on) { glfwSwapInterval(on ? 1 : 0); }

void GLFWApplication::setFixedGLState() {
  glCullFace(GL_BACK);
  glFrontFace(GL_CW);
  glDisable(GL_MULTISAMPLE);
  glDisable(GL_LINE_SMOOTH);
  glDisable(GL_POLYGON_SMOOTH);
  setSwapInterval(true);
  // Hidden over the window, but not captured: moving the mouse stays harmless.
  glfwSetInputMode(window, GLFW_CURSOR, GLFW_CURSOR_HIDDEN);
}
