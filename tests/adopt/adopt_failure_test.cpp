// Every way glfwAdoptWindow can refuse: null, the error GLFW reports, no record left in GLFW's
// list, and a live window left with its own procedure and without GLFW's property.
#include "tests/adopt/adopt_fixture.h"

#include <ostream>

#include "tests/adopt/glfw_window_record.h"

namespace {

enum class Handle { None, Destroyed, Live };

void noHints() {}
void invalidVersion() {
  glfwWindowHint(GLFW_CONTEXT_VERSION_MAJOR, 1);
  glfwWindowHint(GLFW_CONTEXT_VERSION_MINOR, 9);
}
void unavailableVersion() {
  glfwWindowHint(GLFW_CONTEXT_VERSION_MAJOR, 9);
  glfwWindowHint(GLFW_CONTEXT_VERSION_MINOR, 0);
}
void eglContext() { glfwWindowHint(GLFW_CONTEXT_CREATION_API, GLFW_EGL_CONTEXT_API); }
void osmesaContext() { glfwWindowHint(GLFW_CONTEXT_CREATION_API, GLFW_OSMESA_CONTEXT_API); }

struct FailureCase {
  const char* name;
  bool initialised;
  Handle handle;
  void (*hints)();
  bool shareWithoutContext;
  int error;
};
void PrintTo(const FailureCase& c, std::ostream* out) { *out << c.name; }

// The last three fail in context creation, after GLFW took the window over: they also check that
// it was handed back.
const FailureCase failureCases[] = {
    {"BeforeInit", false, Handle::Live, noHints, false, GLFW_NOT_INITIALIZED},
    {"NullHandle", true, Handle::None, noHints, false, GLFW_INVALID_VALUE},
    {"DestroyedWindow", true, Handle::Destroyed, noHints, false, GLFW_PLATFORM_ERROR},
    {"ShareWithoutContext", true, Handle::Live, noHints, true, GLFW_NO_WINDOW_CONTEXT},
    {"InvalidVersion", true, Handle::Live, invalidVersion, false, GLFW_INVALID_VALUE},
    {"UnavailableVersion", true, Handle::Live, unavailableVersion, false, GLFW_VERSION_UNAVAILABLE},
    {"NoEgl", true, Handle::Live, eglContext, false, GLFW_API_UNAVAILABLE},
    {"NoOsMesa", true, Handle::Live, osmesaContext, false, GLFW_API_UNAVAILABLE},
};

class AdoptionRefused : public GlfwTest, public ::testing::WithParamInterface<FailureCase> {
 protected:
  void SetUp() override {
    collectErrors();
    if (GetParam().initialised) startGlfw();
  }
};

TEST_P(AdoptionRefused, LeavesNothingBehind) {
  const FailureCase& c = GetParam();
  GLFWwindow* share = nullptr;
  if (c.shareWithoutContext) {
    glfwWindowHint(GLFW_VISIBLE, GLFW_FALSE);
    glfwWindowHint(GLFW_CLIENT_API, GLFW_NO_API);
    share = glfwCreateWindow(32, 32, "share", nullptr, nullptr);
    ASSERT_TRUE(share);
    glfwDefaultWindowHints();
    setSaverHints();
  }
  HWND window = c.handle == Handle::None        ? nullptr
                : c.handle == Handle::Destroyed ? windows.destroyed()
                                                : windows.create(WS_CHILD | WS_VISIBLE, 0, 20, 20, 152, 112,
                                                                 windows.parent());
  const LONG_PTR ownProc = window ? windowProcOf(window) : 0;
  const Appearance before = appearanceOf(window);
  const int listed = countGlfwWindows();
  c.hints();

  EXPECT_EQ(glfwAdoptWindow(window, share), nullptr);

  EXPECT_EQ(reportedErrors(), std::vector<int>{c.error});
  EXPECT_EQ(countGlfwWindows(), listed);
  if (c.handle == Handle::Live) {
    ASSERT_TRUE(IsWindow(window));
    EXPECT_EQ(windowProcOf(window), ownProc);
    EXPECT_EQ(GetPropW(window, L"GLFW"), nullptr);
    EXPECT_EQ(appearanceOf(window), before);
  }
}

INSTANTIATE_TEST_SUITE_P(Causes, AdoptionRefused, ::testing::ValuesIn(failureCases),
                         [](const ::testing::TestParamInfo<FailureCase>& info) { return info.param.name; });

}  // namespace
