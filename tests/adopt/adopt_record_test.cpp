// What GLFW records about an adopted window, read from its styles and state, and that adoption
// changes nothing anyone can see.
#include "tests/adopt/adopt_fixture.h"

#include <ostream>

#include "tests/adopt/glfw_window_record.h"

namespace {

struct StyleCase {
  const char* name;
  bool child;  // inside a visible top-level window
  DWORD style, exStyle;
  int show;  // ShowWindow command after creation, or 0
  bool autoIconifyHint;
  bool resizable, decorated, floating, maximized, iconified;
};
void PrintTo(const StyleCase& c, std::ostream* out) { *out << c.name; }

const StyleCase styleCases[] = {
    {"PlainChild", true, WS_CHILD | WS_VISIBLE, 0, 0, true, false, false, false, false, false},
    {"ThickFrameChild", true, WS_CHILD | WS_VISIBLE | WS_THICKFRAME, 0, 0, false, true, true, false, false, false},
    {"BorderOnlyChild", true, WS_CHILD | WS_VISIBLE | WS_BORDER, 0, 0, true, false, true, false, false, false},
    {"TopmostPopup", false, WS_POPUP | WS_VISIBLE, WS_EX_TOPMOST, 0, true, false, false, true, false, false},
    {"Minimised", false, WS_OVERLAPPEDWINDOW, 0, SW_MINIMIZE, false, true, true, false, false, true},
    {"Maximised", false, WS_OVERLAPPEDWINDOW, 0, SW_MAXIMIZE, true, true, true, false, true, false},
};

class AdoptedRecord : public GlfwTest, public ::testing::WithParamInterface<StyleCase> {};

TEST_P(AdoptedRecord, FollowsTheWindowAndLeavesItAsItWas) {
  const StyleCase& c = GetParam();
  HWND parent = c.child ? windows.parent() : nullptr;
  HWND window = windows.create(c.style, c.exStyle, 20, 30, 152, 112, parent);
  ASSERT_TRUE(window);
  if (c.show) ShowWindow(window, c.show);
  ASSERT_EQ(IsIconic(window) != FALSE, c.iconified);
  ASSERT_EQ(IsZoomed(window) != FALSE, c.maximized);
  const LONG_PTR ownProc = windowProcOf(window);
  const Appearance before = appearanceOf(window);

  glfwWindowHint(GLFW_AUTO_ICONIFY, c.autoIconifyHint);
  GLFWwindow* adopted = glfwAdoptWindow(window, nullptr);
  ASSERT_TRUE(adopted);

  EXPECT_EQ(appearanceOf(window), before);
  EXPECT_EQ(glfwGetWin32Window(adopted), window);
  EXPECT_EQ(glfwGetWindowMonitor(adopted), nullptr);
  EXPECT_EQ(GetPropW(window, L"GLFW"), static_cast<HANDLE>(adopted));
  EXPECT_NE(windowProcOf(window), ownProc);
  EXPECT_EQ(countGlfwWindows(), 1);
  EXPECT_TRUE(reportedErrors().empty());

  const GlfwWindowRecord r = readGlfwWindowRecord(adopted);
  EXPECT_EQ(r.resizable, c.resizable);
  EXPECT_EQ(r.decorated, c.decorated);
  EXPECT_EQ(r.floating, c.floating);
  EXPECT_EQ(r.autoIconify, c.autoIconifyHint);
  EXPECT_EQ(r.cursorMode, GLFW_CURSOR_NORMAL);
  for (int limit : {r.minwidth, r.minheight, r.maxwidth, r.maxheight, r.numer, r.denom})
    EXPECT_EQ(limit, GLFW_DONT_CARE);
  EXPECT_FALSE(r.hasMonitor);
  EXPECT_TRUE(r.videoModeIsZero);
  EXPECT_EQ(r.handle, reinterpret_cast<uintptr_t>(window));
  EXPECT_TRUE(r.adopted);
  EXPECT_EQ(r.oldWindowProc, static_cast<uintptr_t>(ownProc));
  EXPECT_EQ(r.maximized, c.maximized);
  EXPECT_EQ(r.iconified, c.iconified);
}

INSTANTIATE_TEST_SUITE_P(Styles, AdoptedRecord, ::testing::ValuesIn(styleCases),
                         [](const ::testing::TestParamInfo<StyleCase>& info) { return info.param.name; });

}  // namespace
