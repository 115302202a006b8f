#include "tests/adopt/adopt_fixture.h"

#include <ostream>

namespace {

std::vector<int> errors;
int pingCount = 0;

void recordError(int code, const char*) { errors.push_back(code); }

LRESULT CALLBACK unicodeProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == TestWindows::pingMessage) {
    ++pingCount;
    return TestWindows::pingAnswer;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT CALLBACK ansiProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == TestWindows::pingMessage) {
    ++pingCount;
    return TestWindows::pingAnswer;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

const wchar_t unicodeClass[] = L"AdoptTestWindow";
const char ansiClass[] = "AdoptTestWindowA";

// Own device contexts, as GL windows have them.
void registerClasses() {
  static bool done = false;
  if (done) return;
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW wide{};
  wide.cbSize = sizeof wide;
  wide.style = CS_OWNDC;
  wide.lpfnWndProc = unicodeProc;
  wide.hInstance = instance;
  wide.hbrBackground = static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));
  wide.lpszClassName = unicodeClass;
  WNDCLASSEXA narrow{};
  narrow.cbSize = sizeof narrow;
  narrow.style = CS_OWNDC;
  narrow.lpfnWndProc = ansiProc;
  narrow.hInstance = instance;
  narrow.lpszClassName = ansiClass;
  done = RegisterClassExW(&wide) && RegisterClassExA(&narrow);
}

}  // namespace

const std::vector<int>& reportedErrors() { return errors; }

TestWindows::~TestWindows() {
  // Children go with their parents, so later handles may already be gone.
  for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
    if (IsWindow(*it)) DestroyWindow(*it);
  }
}

HWND TestWindows::create(DWORD style, DWORD exStyle, int x, int y, int width, int height, HWND parent,
                         bool ansi) {
  registerClasses();
  HINSTANCE instance = GetModuleHandleW(nullptr);
  HWND window = ansi ? CreateWindowExA(exStyle, ansiClass, "adopt test", style, x, y, width, height, parent,
                                       nullptr, instance, nullptr)
                     : CreateWindowExW(exStyle, unicodeClass, L"adopt test", style, x, y, width, height, parent,
                                       nullptr, instance, nullptr);
  if (window) windows.push_back(window);
  return window;
}

HWND TestWindows::parent() { return create(WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 60, 60, 400, 300); }

HWND TestWindows::destroyed() {
  HWND window = create(WS_POPUP, 0, 0, 0, 16, 16);
  DestroyWindow(window);
  return window;
}

int TestWindows::pings() { return pingCount; }

bool Appearance::operator==(const Appearance& o) const {
  return EqualRect(&frame, &o.frame) && EqualRect(&client, &o.client) && title == o.title &&
         visible == o.visible && iconic == o.iconic && zoomed == o.zoomed && style == o.style &&
         exStyle == o.exStyle;
}

Appearance appearanceOf(HWND window) {
  Appearance a{};
  GetWindowRect(window, &a.frame);
  GetClientRect(window, &a.client);
  wchar_t title[256] = L"";
  GetWindowTextW(window, title, 256);
  a.title = title;
  a.visible = IsWindowVisible(window) != FALSE;
  a.iconic = IsIconic(window) != FALSE;
  a.zoomed = IsZoomed(window) != FALSE;
  a.style = GetWindowLongW(window, GWL_STYLE);
  a.exStyle = GetWindowLongW(window, GWL_EXSTYLE);
  return a;
}

void PrintTo(const Appearance& a, std::ostream* out) {
  *out << "frame (" << a.frame.left << "," << a.frame.top << ")-(" << a.frame.right << "," << a.frame.bottom
       << ") client " << a.client.right << "x" << a.client.bottom << " title length " << a.title.size()
       << " visible " << a.visible << " iconic " << a.iconic << " zoomed " << a.zoomed << std::hex << " style "
       << a.style << " exStyle " << a.exStyle << std::dec;
}

LONG_PTR windowProcOf(HWND window) { return GetWindowLongPtrW(window, GWLP_WNDPROC); }

void setSaverHints() {
  glfwWindowHint(GLFW_CONTEXT_VERSION_MAJOR, 2);
  glfwWindowHint(GLFW_CONTEXT_VERSION_MINOR, 0);
  glfwWindowHint(GLFW_CONTEXT_ROBUSTNESS, GLFW_LOSE_CONTEXT_ON_RESET);
  glfwWindowHint(GLFW_SAMPLES, 0);
  glfwWindowHint(GLFW_STEREO, GLFW_FALSE);
}

void GlfwTest::startGlfw() {
  ASSERT_TRUE(glfwInit());
  setSaverHints();
}

void GlfwTest::collectErrors() {
  errors.clear();
  glfwSetErrorCallback(recordError);
}

void GlfwTest::SetUp() {
  collectErrors();
  startGlfw();
}

void GlfwTest::TearDown() { glfwTerminate(); }
