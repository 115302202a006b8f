/* A stand-in for a DLL that an attacker leaves beside the program: loading it is all it takes to
   run its code, so all it does is leave a mark (a file named by TESSELUME_PLANTED_MARKER). */
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
  (void)instance;
  (void)reserved;
  if (reason == DLL_PROCESS_ATTACH) {
    char path[MAX_PATH];
    DWORD length = GetEnvironmentVariableA("TESSELUME_PLANTED_MARKER", path, sizeof path);
    if (length > 0 && length < sizeof path) {
      HANDLE file = CreateFileA(path, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
      if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
    }
  }
  return TRUE;
}
