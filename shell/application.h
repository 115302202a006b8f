// The saver's window and OpenGL context: GLFW set up, the window opened full screen or adopted
// from the preview host, the input callbacks that end the saver, the icon, the GL entry points
// and the fixed GL state. When the constructor returns all of that is in place and current.
#pragma once

#include <cstdint>

#include "shell/command_line.h"

struct GLFWwindow;

// The drawing area's size, written together by chooseWindowSize and the window-size callback.
extern std::int32_t windowWidth;
extern std::int32_t windowHeight;
extern float windowAspect;

class GLFWApplication {
 public:
  explicit GLFWApplication(ScreensaverCommandLine* commandLine);

  void setSwapInterval(bool on);

  // Developer diagnostics of the GL context.
  void showGLInfo();
  bool hasExtension(const char* name);

  GLFWwindow* window = nullptr;
  ScreensaverCommandLine* commandLine = nullptr;
  std::int32_t glMajorVersion = 0;
  std::int32_t glMinorVersion = 0;
  std::int32_t glProfileMask = 0;
  std::int32_t glContextFlags = 0;

 private:
  void initGLFW();
  void chooseWindowSize();
  void openWindow();
  void setWindowIcon();
  void setFixedGLState();
};

// The one application of the process, published by the entry point and read by the main loop.
extern GLFWApplication* application;

// Resolves every command of the GL command table. Returns -1 when the context is older than
// OpenGL 3 (or cannot say), 0 otherwise.
int loadGL();

// Sets the three size values together.
void setWindowSize(std::int32_t width, std::int32_t height);
