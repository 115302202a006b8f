// The preview path: the saver's sky drawn into an adopted 152 x 112 child window and read back,
// and openPreviewWindow adopting a host window of this process as it is.
#include "tests/adopt/adopt_fixture.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <ostream>
#include <string>
#include <vector>

#include "render/gl.h"
#include "render/scene_state.h"
#include "shell/application.h"
#include "shell/preview_window.h"
#include "shell/scene.h"
#include "tests/adopt/glfw_window_record.h"
#include "tests/support/cell_reference.h"

namespace {

using AdoptedFrame = GlfwTest;

TEST_F(AdoptedFrame, SkyDrawnIntoPreviewSizedChildReadsBack) {
  constexpr int width = 152, height = 112;
  constexpr float time = 2.75f;
  HWND child = windows.create(WS_CHILD | WS_VISIBLE, 0, 20, 20, width, height, windows.parent());
  GLFWwindow* adopted = glfwAdoptWindow(child, nullptr);
  ASSERT_TRUE(adopted);
  glfwMakeContextCurrent(adopted);
  loadGL();
  int framebufferWidth = 0, framebufferHeight = 0;
  glfwGetFramebufferSize(adopted, &framebufferWidth, &framebufferHeight);
  ASSERT_EQ(framebufferWidth, width);
  ASSERT_EQ(framebufferHeight, height);

  setWindowSize(width, height);
  setUpScene();
  environment->setCurrentTime(time);
  renderFrame();
  // The sky enables its attributes by location, also the -1 of those the shaders leave out, which
  // the GL refuses harmlessly; only the read back below must be clean.
  for (int i = 0; i < 8 && glGetError() != GL_NO_ERROR; ++i) {
  }
  // The back buffer, before any swap: what the next swap would show.
  std::vector<std::uint8_t> pixels(width * height * 3);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
  ASSERT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));

  int compared = 0, lit = 0, worst = 0, mismatches = 0;
  std::string firstMismatch;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const float fx = x + 0.5f, fy = y + 0.5f;
      float cx, cy;
      cellreference::cellCoordinates(fx, fy, width, height, cx, cy);
      if (cellreference::nearFractJump(std::floor(cx), std::floor(cy))) continue;
      const cellreference::Rgb want = cellreference::shade(fx, fy, width, height, time);
      const std::uint8_t* got = &pixels[(y * width + x) * 3];
      const float channels[] = {want.r, want.g, want.b};
      for (int i = 0; i < 3; ++i) {
        const int expected = static_cast<int>(std::lround(channels[i] * 255.0f));
        const int difference = std::abs(got[i] - expected);
        if (difference > worst) worst = difference;
        if (difference > 2 && mismatches++ == 0)
          firstMismatch = "pixel (" + std::to_string(x) + ", " + std::to_string(y) + ") channel " +
                          std::to_string(i) + ": " + std::to_string(got[i]) + " for " + std::to_string(expected);
        if (expected > 32) ++lit;
      }
      ++compared;
    }
  }
  EXPECT_EQ(mismatches, 0) << firstMismatch;
  EXPECT_GT(compared, width * height / 2);
  // A black picture would match the dark borders only.
  EXPECT_GT(lit, compared / 10);
  RecordProperty("worst_difference", worst);
}

struct HostCase {
  const char* name;
  bool child;  // a child of a visible top-level window, as the dialog's preview slot is
};
void PrintTo(const HostCase& c, std::ostream* out) { *out << c.name; }

const HostCase hostCases[] = {{"TopLevel", false}, {"Child", true}};

class PreviewHost : public GlfwTest, public ::testing::WithParamInterface<HostCase> {};

TEST_P(PreviewHost, WindowOfThisProcessIsAdoptedDirectly) {
  HWND host = GetParam().child
                  ? windows.create(WS_CHILD | WS_VISIBLE, 0, 20, 20, 152, 112, windows.parent())
                  : windows.create(WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 60, 60, 152, 112);
  GLFWwindow* preview = openPreviewWindow(host);
  ASSERT_TRUE(preview);
  EXPECT_EQ(glfwGetWin32Window(preview), host);
  EXPECT_TRUE(readGlfwWindowRecord(preview).adopted);
  EXPECT_EQ(GetWindow(host, GW_CHILD), nullptr) << "a child window was made for a host of this process";
  EXPECT_TRUE(reportedErrors().empty());
}

INSTANTIATE_TEST_SUITE_P(Hosts, PreviewHost, ::testing::ValuesIn(hostCases),
                         [](const ::testing::TestParamInfo<HostCase>& info) { return info.param.name; });

using PreviewHandle = GlfwTest;

TEST_F(PreviewHandle, OfNoWindowOpensNothing) {
  EXPECT_EQ(openPreviewWindow(windows.destroyed()), nullptr);
  ASSERT_EQ(reportedErrors().size(), 1u);
  EXPECT_EQ(reportedErrors().front(), GLFW_PLATFORM_ERROR);
  EXPECT_EQ(countGlfwWindows(), 0);
}

}  // namespace
