// The seam between the portable code and the operating system. Portable code reaches resources,
// message boxes and the debugger only through these functions; platform_win32.cpp implements
// them with Win32, platform_native.cpp with resources compiled into the program and stderr.
#pragma once

#include <string_view>

namespace platform {

// Bytes of the resource `id` (an integer resource name) of type `type` in the program's own
// module. Empty when there is no such resource. The bytes live until the process ends and are
// not zero-terminated.
std::string_view resourceBytes(unsigned id, const char* type);

enum class BoxIcon { Information, Exclamation };

// A modal message box with no owner window and an OK button; returns when it is dismissed.
void showMessageBox(const char* text, const char* caption, BoxIcon icon = BoxIcon::Information);

// One text for an attached debugger (OutputDebugStringA on Windows).
void debugOutput(const char* text);

}  // namespace platform
