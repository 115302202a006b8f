// GLFW's internal record of a window, as plain values for tests of the adoption.
#pragma once

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef struct GLFWwindow GLFWwindow;

typedef struct GlfwWindowRecord {
  int resizable, decorated, floating, autoIconify, cursorMode;
  int minwidth, minheight, maxwidth, maxheight, numer, denom;
  int hasMonitor;
  int videoModeIsZero;
  uintptr_t handle;
  int adopted;
  uintptr_t oldWindowProc;
  int maximized, iconified;
} GlfwWindowRecord;

GlfwWindowRecord readGlfwWindowRecord(GLFWwindow* window);

// Length of GLFW's list of windows: 0 before glfwInit and after glfwTerminate too.
int countGlfwWindows(void);

#ifdef __cplusplus
}
#endif
