// Loads opengl32.dll by name, as GLFW does, and prints the path of the module it got; with
// "--restricted" it first restricts the search as the saver's entry point does.
//   load_by_name [--restricted]
#include <windows.h>

#include <cstdio>
#include <cstring>

#include "shell/dll_search.h"

int main(int argc, char** argv) {
  if (argc > 1 && std::strcmp(argv[1], "--restricted") == 0 && !restrictDllSearchToSystemFolder()) {
    std::printf("restriction refused\n");
    return 2;
  }
  HMODULE module = LoadLibraryA("opengl32.dll");
  if (!module) {
    std::printf("not loaded\n");
    return 1;
  }
  char path[MAX_PATH] = {};
  GetModuleFileNameA(module, path, sizeof path);
  std::printf("%s\n", path);
  return 0;
}
