// The sky drawn from the saver's own shader and model resources, read back and compared with the
// CPU reference of the cell shader at viewports of the full-screen, fallback and preview sizes.
#include <GLFW/glfw3.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "shell/application.h"
#include "tests/render_gl/scene_fixture.h"
#include "tests/support/cell_reference.h"

namespace {

using Pixels = std::vector<std::uint8_t>;

struct Viewport {
  const char* name;
  int width, height;
  // Cells big enough that the pixels around the centre sit inside the black cross.
  bool centreBlack;
};

const Viewport viewports[] = {
    {"FullHD", 1920, 1080, true},
    {"Fallback", 800, 600, true},
    {"Preview", 152, 112, false},
};

void PrintTo(const Viewport& v, std::ostream* out) { *out << v.width << "x" << v.height; }

// An 8-bit channel may be off by rounding and by the GL's own sine and cosine.
constexpr float kTolerance = 3.5f;

// One frame as renderFrame makes it, drawn into a framebuffer of the viewport's size.
Pixels drawSky(int width, int height, float time) {
  OffscreenTarget target(width, height);
  camera->setProjection(perspective(50.0f, static_cast<float>(width) / static_cast<float>(height), 0.1f, 1000.0f));
  environment->setViewport(static_cast<float>(width), static_cast<float>(height));
  environment->setCurrentTime(time);
  camera->selectView(0);
  sky->setModelMatrix(translation(0.0f, 0.0f, -100.0f));
  sky->draw();
  return target.read();
}

const std::uint8_t* pixelAt(const Pixels& pixels, int width, int x, int y) {
  return &pixels[(static_cast<size_t>(y) * width + x) * 3];
}

// Pixels of cells whose random values are trustworthy that differ from the reference; the text
// describes the first few.
int countMismatches(const Pixels& pixels, int width, int height, float time, std::string& report) {
  std::ostringstream out;
  int mismatches = 0;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      float cx, cy;
      cellreference::cellCoordinates(x + 0.5f, y + 0.5f, static_cast<float>(width), static_cast<float>(height), cx,
                                     cy);
      if (cellreference::nearFractJump(std::floor(cx), std::floor(cy))) continue;
      const cellreference::Rgb expected =
          cellreference::shade(x + 0.5f, y + 0.5f, static_cast<float>(width), static_cast<float>(height), time);
      const std::uint8_t* got = pixelAt(pixels, width, x, y);
      const float want[3] = {expected.r * 255.0f, expected.g * 255.0f, expected.b * 255.0f};
      bool same = true;
      for (int c = 0; c < 3; ++c) same = same && std::fabs(got[c] - want[c]) <= kTolerance;
      if (!same && ++mismatches <= 5) {
        out << " (" << x << "," << y << ") got " << int(got[0]) << "," << int(got[1]) << "," << int(got[2])
            << " want " << want[0] << "," << want[1] << "," << want[2] << ";";
      }
    }
  }
  report = out.str();
  return mismatches;
}

class SkyPicture : public testing::TestWithParam<Viewport> {
 protected:
  void SetUp() override { openTestScene(); }
};

// Every pixel at two times: the cell grid, the borders, the glow and each cell's colour and pulse.
TEST_P(SkyPicture, MatchesTheReferenceAtTwoTimes) {
  const Viewport v = GetParam();
  for (float time : {0.0f, 1.7f}) {
    SCOPED_TRACE(testing::Message() << "iTime " << time);
    std::string report;
    EXPECT_EQ(countMismatches(drawSky(v.width, v.height, time), v.width, v.height, time, report), 0) << report;
  }
}

// The geometry without the reference: cells one twentieth of the height, with a corner at the
// centre; lines black, the cell up and right of the centre black all over.
TEST_P(SkyPicture, CellsAreATwentiethOfTheHeightWithBlackLines) {
  const Viewport v = GetParam();
  const Pixels pixels = drawSky(v.width, v.height, 0.6f);
  const float cell = v.height / 20.0f;
  int onLines = 0;
  for (int y = 0; y < v.height; ++y) {
    for (int x = 0; x < v.width; ++x) {
      const float u = (x + 0.5f - v.width / 2.0f) / cell, w = (y + 0.5f - v.height / 2.0f) / cell;
      const std::uint8_t* got = pixelAt(pixels, v.width, x, y);
      // Within 0.02 cell of a line the border factor stays below 0.018 and the glow below 0.59:
      // under 3 of 255.
      if (std::fabs(u - std::round(u)) < 0.02f || std::fabs(w - std::round(w)) < 0.02f) {
        ++onLines;
        EXPECT_LE(std::max({got[0], got[1], got[2]}), 3) << "line pixel (" << x << "," << y << ")";
      }
      if (u >= 0.0f && u < 1.0f && w >= 0.0f && w < 1.0f) {
        EXPECT_EQ(got[0] + got[1] + got[2], 0) << "origin cell pixel (" << x << "," << y << ")";
      }
    }
  }
  EXPECT_GT(onLines, 0);
  if (v.centreBlack) {
    for (int y : {v.height / 2 - 1, v.height / 2}) {
      for (int x : {v.width / 2 - 1, v.width / 2}) {
        const std::uint8_t* got = pixelAt(pixels, v.width, x, y);
        EXPECT_LE(got[0] + got[1] + got[2], 1) << "centre pixel (" << x << "," << y << ")";
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Viewports, SkyPicture, testing::ValuesIn(viewports),
                         [](const testing::TestParamInfo<Viewport>& info) { return std::string(info.param.name); });

// The vertex shader passes the quad through: neither the model matrix nor the camera shows.
TEST(SkyPictureMatrices, ModelMatrixAndCameraChangeNothing) {
  openTestScene();
  const Pixels plain = drawSky(152, 112, 0.9f);

  OffscreenTarget target(152, 112);
  camera->setProjection(perspective(120.0f, 3.0f, 5.0f, 6.0f));
  camera->selectView(3);  // a slot never computed: all zeros
  sky->setModelMatrix(translation(7.0f, -3.0f, 500.0f));
  sky->draw();
  const Pixels moved = target.read();
  camera->selectView(0);
  EXPECT_TRUE(plain == moved);
}

// renderFrame itself: window size values in, the window's own framebuffer drawn.
TEST(RenderFrame, DrawsTheWindowAtTheWindowSize) {
  openTestScene();
  ASSERT_EQ(programManager->programs.size(), 1u);
  ASSERT_NE(programManager->getProgram("BackgroundProgram"), nullptr);

  int width = 0, height = 0;
  glfwGetFramebufferSize(openTestContext(), &width, &height);
  setWindowSize(width, height);
  environment->setCurrentTime(2.5f);
  renderFrame();

  GLint viewport[4] = {};
  glGetIntegerv(GL_VIEWPORT, viewport);
  EXPECT_EQ(std::vector<GLint>(viewport, viewport + 4), (std::vector<GLint>{0, 0, width, height}));
  EXPECT_EQ(environment->viewportWidth(), static_cast<float>(width));
  EXPECT_EQ(environment->viewportHeight(), static_cast<float>(height));
  const GLFWMatrix4 projection = perspective(50.0f, windowAspect, 0.1f, 1000.0f);
  EXPECT_EQ(std::memcmp(camera->projection().data(), projection.data(), sizeof(float) * 16), 0);
  GLint bound = -1;
  glGetIntegerv(GL_FRAMEBUFFER_BINDING, &bound);
  ASSERT_EQ(bound, 0);

  Pixels pixels(static_cast<size_t>(width) * height * 3);
  glReadBuffer(GL_BACK);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
  std::string report;
  EXPECT_EQ(countMismatches(pixels, width, height, 2.5f, report), 0) << report;
}

}  // namespace
