// The preview: the saver draws into the display-settings dialog's preview window.
#pragma once

#include <windows.h>

#include "shell/command_line.h"

struct GLFWwindow;

// The preview's host window named on the command line. Handles carry 32 significant bits and
// are sign-extended on 64-bit Windows.
inline HWND hostWindowHandle(const ScreensaverCommandLine& line) {
  return reinterpret_cast<HWND>(static_cast<INT_PTR>(static_cast<std::int32_t>(line.hostWindow)));
}

// Opens the saver's window inside `host`. A host window of this process is adopted directly. The
// dialog's window belongs to another process, whose window procedure cannot be replaced and whose
// window takes no pixel format from us, so there the saver adopts a child window of its own that
// fills the host's client area. Null (after GLFW reported why) when that fails.
GLFWwindow* openPreviewWindow(HWND host);
