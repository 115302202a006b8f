#include "tests/gl_diagnostics/gl_application.h"

GLFWApplication& testApplication() {
  static GLFWApplication* application = new GLFWApplication(new ScreensaverCommandLine{Fullscreen, 0});
  return *application;
}
