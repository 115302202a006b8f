// Makes both of the About window's set-up steps fail in this process: its window class name is
// already taken by this module, and a hook refuses to create a window of that class. The About
// window must show its two boxes and return without entering a message loop; "returned" on
// standard output says it did.
#include <windows.h>

#include <cstdio>
#include <cstring>

#include "about/about_window.h"

namespace {

const char* const aboutClass = "VantomereWindowClass";
ATOM takenClass = 0;

bool isAboutClass(LPCSTR name) {
  // A class name is either an atom in the low word or a string.
  if (!IS_INTRESOURCE(name)) return std::strcmp(name, aboutClass) == 0;
  return reinterpret_cast<ULONG_PTR>(name) == takenClass;
}

LRESULT CALLBACK refuseAboutWindows(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_CREATEWND && isAboutClass(reinterpret_cast<CBT_CREATEWNDA*>(lParam)->lpcs->lpszClass)) return 1;
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

int main() {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  WNDCLASSA taken{};
  taken.lpfnWndProc = DefWindowProcA;
  taken.hInstance = instance;
  taken.lpszClassName = aboutClass;
  takenClass = RegisterClassA(&taken);
  HHOOK hook = SetWindowsHookExA(WH_CBT, refuseAboutWindows, nullptr, GetCurrentThreadId());
  if (!takenClass || !hook) {
    std::printf("set-up failed\n");
    return 3;
  }
  new AboutWindow(instance, SW_SHOWNORMAL);
  UnhookWindowsHookEx(hook);
  std::printf("returned\n");
  return 0;
}
