// Shared pieces of the adoption tests: GLFW set up and torn down around each test, every error
// GLFW reports, and real Win32 windows of this process to adopt.
#pragma once

#include <windows.h>

#include <GLFW/glfw3.h>
#define GLFW_EXPOSE_NATIVE_WIN32
#include <GLFW/glfw3native.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

// The codes GLFW reported through its error callback since the test began.
const std::vector<int>& reportedErrors();

// Windows of the test's own classes, destroyed (if still there) with this object. Their window
// procedures answer `pingMessage` with `pingAnswer` and count the pings.
class TestWindows {
 public:
  static constexpr UINT pingMessage = WM_APP + 1;
  static constexpr LRESULT pingAnswer = 0x5a5a;

  TestWindows() = default;
  TestWindows(const TestWindows&) = delete;
  TestWindows& operator=(const TestWindows&) = delete;
  ~TestWindows();

  // A window of the Unicode class, or of the ANSI one; children go into `parent`.
  HWND create(DWORD style, DWORD exStyle, int x, int y, int width, int height, HWND parent = nullptr,
              bool ansi = false);
  // A visible top-level window to put children in.
  HWND parent();
  // The handle of a window that existed and is gone.
  HWND destroyed();

  static int pings();

 private:
  std::vector<HWND> windows;
};

// What anyone can see of a window; adoption must leave it as it was.
struct Appearance {
  RECT frame;
  RECT client;
  std::wstring title;
  bool visible, iconic, zoomed;
  LONG style, exStyle;
  bool operator==(const Appearance& other) const;
};
Appearance appearanceOf(HWND window);
void PrintTo(const Appearance& appearance, std::ostream* out);

// The window procedure installed on a window, as GetWindowLongPtrW reads it.
LONG_PTR windowProcOf(HWND window);

// The context hints of the saver's own window.
void setSaverHints();

// GLFW initialised before each test, with the saver's hints, and terminated after it; the errors
// are collected from before initialisation on. Windows go after GLFW has let go of them.
class GlfwTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  // For tests that start GLFW themselves, or not at all.
  static void collectErrors();
  static void startGlfw();

  TestWindows windows;
};
