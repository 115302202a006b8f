#include "shell/single_instance.h"

#include <windows.h>

bool isFirstInstance() {
  HANDLE event = CreateEventW(nullptr, TRUE, FALSE, L"K_OPENGL_SCREENSAVER");
  if (GetLastError() == ERROR_ALREADY_EXISTS) {
    if (event) CloseHandle(event);
    return false;
  }
  // The handle stays open until the process ends: the event exists exactly as long as a guarded
  // run is alive. Failing to create it for another reason does not keep the saver from running.
  return true;
}
