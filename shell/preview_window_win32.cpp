#include "shell/preview_window.h"

#include <GLFW/glfw3.h>
#define GLFW_EXPOSE_NATIVE_WIN32
#include <GLFW/glfw3native.h>

namespace {

const wchar_t previewClassName[] = L"TesselumePreview";

// A plain class: GLFW's window procedure takes over once the child is adopted. WGL wants a
// window with a device context of its own.
bool registerPreviewClass(HINSTANCE instance) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  if (GetClassInfoExW(instance, previewClassName, &wc)) return true;
  wc.style = CS_OWNDC | CS_HREDRAW | CS_VREDRAW;
  wc.lpfnWndProc = DefWindowProcW;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
  wc.lpszClassName = previewClassName;
  return RegisterClassExW(&wc) != 0;
}

bool belongsToThisProcess(HWND window) {
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  return process == GetCurrentProcessId();
}

}  // namespace

GLFWwindow* openPreviewWindow(HWND host) {
  // Same process, or not a window at all: adopt it as it is, and GLFW reports what fails.
  if (!IsWindow(host) || belongsToThisProcess(host)) return glfwAdoptWindow(host, nullptr);

  HINSTANCE instance = GetModuleHandleW(nullptr);
  RECT client{};
  GetClientRect(host, &client);
  // Disabled, as the dialog's own preview window is: clicks in the dialog never reach the saver.
  HWND child = registerPreviewClass(instance)
                   ? CreateWindowExW(0, previewClassName, L"", WS_CHILD | WS_VISIBLE | WS_DISABLED, 0, 0,
                                     client.right - client.left, client.bottom - client.top, host, nullptr,
                                     instance, nullptr)
                   : nullptr;
  if (!child) return glfwAdoptWindow(host, nullptr);

  GLFWwindow* window = glfwAdoptWindow(child, nullptr);
  if (!window) DestroyWindow(child);
  return window;
}
