// Keyboard and mouse messages of an adopted window reach GLFW's callbacks, as the saver's stop
// rules need; posted like real input and delivered by glfwPollEvents.
#include "tests/adopt/adopt_fixture.h"

#include <ostream>
#include <string>
#include <vector>

namespace {

std::string events;

void onKey(GLFWwindow*, int key, int, int action, int) {
  events += "key " + std::to_string(key) + (action == GLFW_PRESS ? " press;" : " release;");
}
void onButton(GLFWwindow*, int button, int action, int) {
  events += "button " + std::to_string(button) + (action == GLFW_PRESS ? " press;" : " release;");
}
void onScroll(GLFWwindow*, double, double y) { events += "scroll " + std::to_string(static_cast<int>(y)) + ";"; }
void onClose(GLFWwindow*) { events += "close;"; }

struct Message {
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};

// A key message as the keyboard makes it: repeat count 1, the scan code, and for a release the
// previous-state and transition bits.
Message keyMessage(UINT vk, bool down) {
  const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC)) << 16;
  return {static_cast<UINT>(down ? WM_KEYDOWN : WM_KEYUP), vk, 1 | scan | (down ? 0 : (LPARAM{3} << 30))};
}

struct InputCase {
  const char* name;
  std::vector<Message> messages;
  const char* events;
};
void PrintTo(const InputCase& c, std::ostream* out) { *out << c.name; }

const InputCase inputCases[] = {
    {"LetterPressAndRelease", {keyMessage('A', true), keyMessage('A', false)}, "key 65 press;key 65 release;"},
    {"Escape", {keyMessage(VK_ESCAPE, true)}, "key 256 press;"},
    {"LeftButton", {{WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10)}, {WM_LBUTTONUP, 0, MAKELPARAM(10, 10)}},
     "button 0 press;button 0 release;"},
    {"RightButton", {{WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(10, 10)}}, "button 1 press;"},
    {"MiddleButton", {{WM_MBUTTONUP, 0, MAKELPARAM(10, 10)}}, "button 2 release;"},
    {"Wheel", {{WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), MAKELPARAM(100, 100)}}, "scroll 1;"},
    {"CloseRequest", {{WM_CLOSE, 0, 0}}, "close;"},
};

class AdoptedInput : public GlfwTest, public ::testing::WithParamInterface<InputCase> {};

TEST_P(AdoptedInput, ReachesTheCallbacks) {
  const InputCase& c = GetParam();
  HWND window = windows.create(WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 60, 60, 300, 200);
  GLFWwindow* adopted = glfwAdoptWindow(window, nullptr);
  ASSERT_TRUE(adopted);
  glfwSetKeyCallback(adopted, onKey);
  glfwSetMouseButtonCallback(adopted, onButton);
  glfwSetScrollCallback(adopted, onScroll);
  glfwSetWindowCloseCallback(adopted, onClose);
  glfwPollEvents();
  events.clear();

  for (const Message& m : c.messages) ASSERT_TRUE(PostMessageW(window, m.message, m.wParam, m.lParam));
  glfwPollEvents();

  EXPECT_EQ(events, c.events);
  EXPECT_EQ(glfwWindowShouldClose(adopted), c.messages.front().message == WM_CLOSE);
  // The window is still there: a close request only raises the flag.
  EXPECT_TRUE(IsWindow(window));
  EXPECT_TRUE(reportedErrors().empty());
}

INSTANTIATE_TEST_SUITE_P(Messages, AdoptedInput, ::testing::ValuesIn(inputCases),
                         [](const ::testing::TestParamInfo<InputCase>& info) { return info.param.name; });

}  // namespace
