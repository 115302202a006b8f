#include "render/frame_timer.h"

#include <limits>

#include <gtest/gtest.h>

namespace {

// Durations of n/1024 s are exact in float, so the statistics can be compared exactly.
constexpr float kTick = 1.0f / 1024.0f;
constexpr float kTickMs = 1000.0f / 1024.0f;

TEST(FrameTimerTest, StartValues) {
  const GLFWFrameTimer timer;
  EXPECT_EQ(timer.count(), 0);
  EXPECT_EQ(timer.average(), 0.0f);
  EXPECT_EQ(timer.minimum(), 1000.0f);
  EXPECT_EQ(timer.maximum(), -1000.0f);
}

TEST(FrameTimerTest, FirstFrameSetsEveryStatistic) {
  GLFWFrameTimer timer;
  timer.beginAt(2.0f);
  timer.endAt(2.016f);
  EXPECT_NEAR(timer.lastMs, 16.0f, 1e-3f);
  EXPECT_EQ(timer.minimum(), timer.lastMs);
  EXPECT_EQ(timer.maximum(), timer.lastMs);
  EXPECT_EQ(timer.average(), timer.lastMs);
  EXPECT_EQ(timer.totalMs, timer.lastMs);
  EXPECT_EQ(timer.count(), 1);
}

TEST(FrameTimerTest, StatisticsOverSeveralFrames) {
  const struct {
    const char* name;
    int ticks[4];
    int frames;
    float minMs, maxMs, averageMs;
  } cases[] = {
      {"mixed", {16, 48, 32}, 3, 16 * kTickMs, 48 * kTickMs, 32 * kTickMs},
      {"all slower than a second", {2048, 3072}, 2, 1000.0f, 3072 * kTickMs, 2560 * kTickMs},
      {"equal frames", {8, 8, 8, 8}, 4, 8 * kTickMs, 8 * kTickMs, 8 * kTickMs},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    GLFWFrameTimer timer;
    float now = 5.0f;
    for (int i = 0; i < c.frames; ++i) {
      timer.beginAt(now);
      now += static_cast<float>(c.ticks[i]) * kTick;
      timer.endAt(now);
      now += 1.0f;
    }
    EXPECT_EQ(timer.count(), c.frames);
    EXPECT_EQ(timer.minimum(), c.minMs);
    EXPECT_EQ(timer.maximum(), c.maxMs);
    EXPECT_EQ(timer.average(), c.averageMs);
  }
}

TEST(FrameTimerTest, CountStopsAtItsLargestValue) {
  GLFWFrameTimer timer;
  timer.frameCount = std::numeric_limits<std::int32_t>::max() - 1;
  for (int i = 0; i < 3; ++i) {
    timer.beginAt(1.0f);
    timer.endAt(1.0f + kTick);
  }
  EXPECT_EQ(timer.count(), std::numeric_limits<std::int32_t>::max());
  EXPECT_GT(timer.average(), 0.0f);
}

}  // namespace
