// The preview: the saver draws into the display-settings dialog's preview window.
#pragma once

#include <windows.h>

struct GLFWwindow;

// Opens the saver's window inside `host`. A host window of this process is adopted directly. The
// dialog's window belongs to another process, whose window procedure cannot be replaced and whose
// window takes no pixel format from us, so there the saver adopts a child window of its own that
// fills the host's client area. Null (after GLFW reported why) when that fails.
GLFWwindow* openPreviewWindow(HWND host);
