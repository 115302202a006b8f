#include <windows.h>

#include <cstring>

#include "render/gl.h"
#include "shell/application.h"

int loadGL() {
  HMODULE library = LoadLibraryA("opengl32.dll");
  // Resolved from the library, so the program imports no OpenGL library at load time.
  using GetProcAddressWGL = PROC(WINAPI*)(LPCSTR);
  GetProcAddressWGL getProcAddressWGL = nullptr;
  if (library) {
    FARPROC found = GetProcAddress(library, "wglGetProcAddress");
    std::memcpy(&getProcAddressWGL, &found, sizeof found);
  }
  for (int i = 0; i < glCommandCount; ++i) {
    // wglGetProcAddress knows the context's own commands; OpenGL 1.1 comes from the library's exports.
    PROC address = getProcAddressWGL ? getProcAddressWGL(glCommandSlots[i].name) : nullptr;
    if (!address && library) address = GetProcAddress(library, glCommandSlots[i].name);
    std::memcpy(glCommandSlots[i].pointer, &address, sizeof address);
  }
  // The context holds its own reference to the library.
  if (library) FreeLibrary(library);

  if (!glGetIntegerv) return -1;
  GLint major = 0, minor = 0;
  glGetIntegerv(GL_MAJOR_VERSION, &major);
  glGetIntegerv(GL_MINOR_VERSION, &minor);
  return major < 3 ? -1 : 0;
}
