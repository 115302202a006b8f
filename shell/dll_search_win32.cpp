#include "shell/dll_search.h"

#include <windows.h>

bool restrictDllSearchToSystemFolder() {
  // Looked up at run time: a load-time import of it would stop the program from starting at all
  // on systems without it.
  using SetDefaultDllDirectoriesFunction = BOOL(WINAPI*)(DWORD);
  HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
  if (!kernel) return false;
  auto setDefaultDllDirectories = reinterpret_cast<SetDefaultDllDirectoriesFunction>(
      reinterpret_cast<void (*)()>(GetProcAddress(kernel, "SetDefaultDllDirectories")));
  if (!setDefaultDllDirectories) return false;
  return setDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32) != FALSE;
}
