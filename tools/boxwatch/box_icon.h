// Which standard icon a message box shows.
#pragma once

#include <windows.h>

// "information", "exclamation", "error" or "question"; null when it cannot tell. Icon handles of
// another process cannot be read, so the box's icon is compared on screen with our own copies.
const char* messageBoxIcon(HWND box);
