// Letting go of an adopted window hands it back to its owner alive, with its own procedure; a
// window GLFW created is still destroyed.
#include "tests/adopt/adopt_fixture.h"

#include <ostream>

#include "tests/adopt/glfw_window_record.h"

namespace {

struct ReleaseCase {
  const char* name;
  bool ansi;       // the window's class and procedure are ANSI
  bool child;      // inside a visible top-level window
  bool terminate;  // released by glfwTerminate instead of glfwDestroyWindow
};
void PrintTo(const ReleaseCase& c, std::ostream* out) { *out << c.name; }

const ReleaseCase releaseCases[] = {
    {"UnicodeChildDestroyed", false, true, false},
    {"AnsiChildDestroyed", true, true, false},
    {"UnicodeTopLevelDestroyed", false, false, false},
    {"UnicodeChildTerminated", false, true, true},
    {"AnsiTopLevelTerminated", true, false, true},
};

class AdoptedRelease : public GlfwTest, public ::testing::WithParamInterface<ReleaseCase> {};

TEST_P(AdoptedRelease, WindowGoesBackToItsOwner) {
  const ReleaseCase& c = GetParam();
  HWND parent = c.child ? windows.parent() : nullptr;
  HWND window = windows.create((c.child ? WS_CHILD : WS_OVERLAPPEDWINDOW) | WS_VISIBLE, 0, 20, 20, 152, 112,
                               parent, c.ansi);
  ASSERT_TRUE(window);
  const LONG_PTR ownProc = windowProcOf(window);
  const bool unicode = IsWindowUnicode(window) != FALSE;
  const Appearance before = appearanceOf(window);

  GLFWwindow* adopted = glfwAdoptWindow(window, nullptr);
  ASSERT_TRUE(adopted);
  // While adopted, GLFW's procedure answers instead of the window's own.
  const int pings = TestWindows::pings();
  EXPECT_NE(SendMessageW(window, TestWindows::pingMessage, 0, 0), TestWindows::pingAnswer);
  EXPECT_EQ(TestWindows::pings(), pings);

  if (c.terminate)
    glfwTerminate();
  else
    glfwDestroyWindow(adopted);

  ASSERT_TRUE(IsWindow(window));
  EXPECT_EQ(windowProcOf(window), ownProc);
  EXPECT_EQ(IsWindowUnicode(window) != FALSE, unicode);
  EXPECT_EQ(GetPropW(window, L"GLFW"), nullptr);
  EXPECT_EQ(SendMessageW(window, TestWindows::pingMessage, 0, 0), TestWindows::pingAnswer);
  EXPECT_EQ(TestWindows::pings(), pings + 1);
  EXPECT_EQ(appearanceOf(window), before);
  EXPECT_EQ(countGlfwWindows(), 0);
  EXPECT_TRUE(reportedErrors().empty());
}

INSTANTIATE_TEST_SUITE_P(Windows, AdoptedRelease, ::testing::ValuesIn(releaseCases),
                         [](const ::testing::TestParamInfo<ReleaseCase>& info) { return info.param.name; });

using CreatedRelease = GlfwTest;
using AdoptedIcon = GlfwTest;

TEST_F(CreatedRelease, WindowGlfwMadeIsDestroyed) {
  glfwWindowHint(GLFW_VISIBLE, GLFW_FALSE);
  GLFWwindow* created = glfwCreateWindow(64, 48, "created", nullptr, nullptr);
  ASSERT_TRUE(created);
  HWND handle = glfwGetWin32Window(created);
  ASSERT_TRUE(IsWindow(handle));
  EXPECT_FALSE(readGlfwWindowRecord(created).adopted);

  glfwDestroyWindow(created);
  EXPECT_FALSE(IsWindow(handle));
  EXPECT_EQ(countGlfwWindows(), 0);
}

// The owner keeps the window, so it must not keep icons that GLFW destroys on release.
TEST_F(AdoptedIcon, DestroyedIconIsNotLeftOnTheWindow) {
  HWND window = windows.create(WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 20, 20, 152, 112);
  GLFWwindow* adopted = glfwAdoptWindow(window, nullptr);
  ASSERT_TRUE(adopted);
  unsigned char pixels[16 * 16 * 4];
  for (unsigned char& p : pixels) p = 0xff;
  const GLFWimage icon{16, 16, pixels};
  glfwSetWindowIcon(adopted, 1, &icon);
  ASSERT_TRUE(SendMessageW(window, WM_GETICON, ICON_BIG, 0));

  glfwDestroyWindow(adopted);
  for (WPARAM which : {ICON_BIG, ICON_SMALL}) {
    HICON kept = reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, which, 0));
    ICONINFO info{};
    const bool alive = kept && GetIconInfo(kept, &info);
    if (alive) {
      DeleteObject(info.hbmColor);
      DeleteObject(info.hbmMask);
    }
    EXPECT_TRUE(!kept || alive) << "icon " << which << " is a destroyed handle";
  }
}

}  // namespace
