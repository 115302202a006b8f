// The framework's small helpers: numbers in message boxes, colour packing, sign and degrees,
// random numbers under a fixed seed, and the float-array helpers.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>

#include "platform/native_resources.h"
#include "util/colour_packing.h"
#include "util/float_arrays.h"
#include "util/messages.h"
#include "util/random.h"
#include "util/scalar_helpers.h"

namespace {

// The "caption|text" entry of the one box that `show` puts up (texts hold line ends of their own).
template <typename Show>
std::string boxShownBy(Show show) {
  const size_t before = std::string(platform::native::messageBoxLog()).size();
  show();
  const std::string log = platform::native::messageBoxLog();
  EXPECT_EQ(log.back(), '\n');
  return log.substr(before, log.size() - before - 1);
}

TEST(Messages, NumbersAreFormattedLikeADefaultStream) {
  struct Case {
    float value;
    const char* text;
  };
  const float inf = std::numeric_limits<float>::infinity();
  for (const Case& c : {Case{17.0f, "17"}, Case{33.25f, "33.25"}, Case{16.5f, "16.5"}, Case{0.1f, "0.1"},
                        Case{-2.0f, "-2"}, Case{123456.0f, "123456"}, Case{1234567.0f, "1.23457e+06"},
                        Case{0.0001f, "0.0001"}, Case{0.00001f, "1e-05"}, Case{3.14159274f, "3.14159"},
                        Case{-0.0f, "-0"}, Case{inf, "inf"}}) {
    EXPECT_EQ(formatFloat(c.value), c.text) << c.value;
  }
}

TEST(Messages, BoxesShowThreeLinesCaptionedInfo) {
  EXPECT_EQ(boxShownBy([] { showStatistics(16.5f, 33.25f, 17.0f); }), "Info|Min: 16.5\r\nMax: 33.25\r\nAverage: 17");
  EXPECT_EQ(boxShownBy([] { showFloats(-1.5f, 1e-7f, 2e10f); }), "Info|Float X: -1.5\r\nFloat Y: 1e-07\r\nFloat Z: 2e+10");
}

TEST(Messages, DebugOutputIgnoresAllButTheText) {
  // Natively the debugger's output goes to stderr.
  testing::internal::CaptureStderr();
  debugOutput(1, 2, 3, 4, 99, "shader compiled", nullptr);
  debugOutput(0, 0, 0, 0, 0, nullptr, nullptr);
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "shader compiled\n\n");
}

std::uint32_t bitsOf(float packed) {
  std::uint32_t bits;
  std::memcpy(&bits, &packed, sizeof bits);
  return bits;
}

TEST(ColourPacking, RedHighestAlphaLowestLowBytesOnly) {
  struct Case {
    float r, g, b, a;
    std::uint32_t bits;
  };
  const float nan = std::numeric_limits<float>::quiet_NaN();
  for (const Case& c : {Case{1.0f, 0.5f, 0.0f, 1.0f, 0xFF7F00FFu},
                        Case{0.0f, 0.0f, 0.0f, 0.0f, 0x00000000u},
                        // 1.5 × 255 = 382.5 → 382, whose low byte is 126; -0.5 → -127 → 0x81.
                        Case{1.5f, -0.5f, 2.0f, 0.999f, 0x7E81FEFEu},
                        Case{nan, 1e30f, -1e30f, 0.2f, 0x00FF0033u}}) {
    EXPECT_EQ(bitsOf(packColor(c.r, c.g, c.b, c.a)), c.bits) << c.r << " " << c.g << " " << c.b << " " << c.a;
  }
  EXPECT_EQ(bitsOf(packBytes(0x1FF, -1, 0x100, 7)), 0xFFFF0007u);
}

TEST(ScalarHelpers, SignAndDegrees) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  struct FloatCase {
    float x, sign;
  };
  for (const FloatCase& c : {FloatCase{2.5f, 1.0f}, FloatCase{-1e-30f, -1.0f}, FloatCase{0.0f, 0.0f},
                             FloatCase{-0.0f, 0.0f}, FloatCase{nan, 0.0f}}) {
    EXPECT_EQ(sign(c.x), c.sign) << c.x;
  }
  EXPECT_FALSE(std::signbit(sign(-0.0f)));
  EXPECT_EQ(sign(-3), -1);
  EXPECT_EQ(sign(0), 0);
  EXPECT_EQ(sign(7), 1);

  // The full turn is 6.2831853, a little short of 2π.
  EXPECT_DOUBLE_EQ(sinDegrees(90.0), 1.0);
  EXPECT_NEAR(cosDegrees(90.0), 1.795e-9, 0.01e-9);
  EXPECT_GT(cosDegrees(90.0), 0.0);
  EXPECT_NEAR(sinDegrees(30.0), 0.5, 1e-8);
  EXPECT_NEAR(cosDegrees(-180.0), -1.0, 1e-12);
}

TEST(Random, RangesUnderAFixedSeed) {
  std::srand(20190101);
  for (int i = 0; i < 20000; ++i) {
    const float unit = random01();
    EXPECT_GE(unit, 0.0f);
    EXPECT_LE(unit, 0.9999f);
    const float below = randomBelow(7);
    EXPECT_TRUE(below >= 0.0f && below <= 6.0f && below == std::floor(below)) << below;
    const float fromOne = randomFromOne(7);
    EXPECT_TRUE(fromOne >= 1.0f && fromOne <= 7.0f && fromOne == std::floor(fromOne)) << fromOne;
    const float range = randomRange(-3.0f, 5.0f);
    EXPECT_GE(range, -3.0f);
    EXPECT_LT(range, 5.0f);
    const float scaled = randomScaled(-2.0f);
    EXPECT_LE(scaled, 0.0f);
    EXPECT_GT(scaled, -2.0f);
  }
  EXPECT_EQ(randomRange(2.0f, 2.0f), 2.0f);
  // Counts below 1 behave like 1 instead of dividing by zero.
  EXPECT_EQ(randomBelow(0), 0.0f);
  EXPECT_EQ(randomBelow(-5), 0.0f);
  EXPECT_EQ(randomFromOne(0), 1.0f);
}

TEST(Random, RandomValuesFollowTheSeed) {
  std::srand(7);
  const float first[] = {random01(), randomBelow(100), randomRange(1.0f, 9.0f)};
  std::srand(7);
  const float second[] = {random01(), randomBelow(100), randomRange(1.0f, 9.0f)};
  for (int i = 0; i < 3; ++i) EXPECT_EQ(first[i], second[i]);
}

TEST(Random, AxisJitterChangesExactlyOneAxis) {
  std::srand(12345);
  const float amount = 0.75f;
  int hits[3] = {0, 0, 0};
  const int draws = 30000;
  for (int i = 0; i < draws; ++i) {
    const GLFWVector3 v = randomAxisJitter(amount);
    int changed = 0;
    for (int axis = 0; axis < 3; ++axis) {
      if (v[axis] == 0.0f) continue;
      ++changed;
      ++hits[axis];
      EXPECT_GE(v[axis], -amount);
      EXPECT_LT(v[axis], amount);
    }
    // An offset that happens to be exactly 0 leaves no axis changed.
    EXPECT_LE(changed, 1);
  }
  // t from 0 to 3 picks x up to 1, y up to 2 and z above: each about a third of the draws.
  for (int axis = 0; axis < 3; ++axis) {
    EXPECT_GT(hits[axis], draws / 4) << axis;
    EXPECT_LT(hits[axis], draws * 5 / 12) << axis;
  }
}

TEST(FloatArrays, CopiesAndWritesTouchOnlyTheirSlots) {
  const float source[6] = {1, 2, 3, 4, 5, 6};
  struct Case {
    const char* name;
    void (*apply)(float*, const float*);
    float expected[8];
  };
  const Case cases[] = {
      {"copy2", [](float* d, const float* s) { copy2(d, s, 1, 4); }, {0, 5, 6, 0, 0, 0, 0, 0}},
      {"copy3", [](float* d, const float* s) { copy3(d, s, 5, 1); }, {0, 0, 0, 0, 0, 2, 3, 4}},
      {"copy3FromVector", [](float* d, const float*) { copy3FromVector(d, GLFWVector3(7, 8, 9), 2, 0); },
       {0, 0, 7, 8, 9, 0, 0, 0}},
      {"copy3Offset", [](float* d, const float* s) { copy3Offset(d, s, 0, 3, 10, 20, 30); },
       {14, 25, 36, 0, 0, 0, 0, 0}},
      {"set3", [](float* d, const float*) { EXPECT_EQ(set3(d, 4, 1, 2, 3), d); }, {0, 0, 0, 0, 1, 2, 3, 0}},
      {"add3", [](float* d, const float*) { set3(d, 1, 1, 1, 1); EXPECT_EQ(add3(d, 1, 1, 2, 3), d); },
       {0, 2, 3, 4, 0, 0, 0, 0}},
      {"set4", [](float* d, const float*) { set4(d, 4, 1, 2, 3, 4); }, {0, 0, 0, 0, 1, 2, 3, 4}},
  };
  for (const Case& c : cases) {
    float destination[8] = {};
    c.apply(destination, source);
    for (int i = 0; i < 8; ++i) EXPECT_EQ(destination[i], c.expected[i]) << c.name << " [" << i << "]";
  }
}

}  // namespace
