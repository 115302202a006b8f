#include "glfw_window_record.h"

#include <string.h>

#include "internal.h"

GlfwWindowRecord readGlfwWindowRecord(GLFWwindow* handle) {
  const _GLFWwindow* window = (const _GLFWwindow*) handle;
  static const GLFWvidmode zeroMode;
  GlfwWindowRecord record;
  record.resizable = window->resizable;
  record.decorated = window->decorated;
  record.floating = window->floating;
  record.autoIconify = window->autoIconify;
  record.cursorMode = window->cursorMode;
  record.minwidth = window->minwidth;
  record.minheight = window->minheight;
  record.maxwidth = window->maxwidth;
  record.maxheight = window->maxheight;
  record.numer = window->numer;
  record.denom = window->denom;
  record.hasMonitor = window->monitor != NULL;
  record.videoModeIsZero = memcmp(&window->videoMode, &zeroMode, sizeof zeroMode) == 0;
  record.handle = (uintptr_t) window->win32.handle;
  record.adopted = window->win32.adopted;
  record.oldWindowProc = (uintptr_t) window->win32.oldWindowProc;
  record.maximized = window->win32.maximized;
  record.iconified = window->win32.iconified;
  return record;
}

int countGlfwWindows(void) {
  int count = 0;
  const _GLFWwindow* window;
  for (window = _glfw.windowListHead; window; window = window->next) count++;
  return count;
}
