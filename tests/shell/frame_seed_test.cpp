#include "shell/frame_seed.h"

#include <gtest/gtest.h>

TEST(FirstFrameSeed, DependsOnTheStartTime) {
  EXPECT_EQ(firstFrameSeed(0.5f), 0u);
  EXPECT_EQ(firstFrameSeed(0.123456f), 2345u);
  EXPECT_EQ(firstFrameSeed(0.0f), 0u);
  EXPECT_EQ(firstFrameSeed(1.23456f), 3456u);  // 123456 in single precision
}

TEST(FirstFrameSeed, StaysInRangeForAnyTime) {
  for (float t : {1e-7f, 3.3f, 42949.0f, 1e6f, 1e30f, -1.0f}) {
    EXPECT_LT(firstFrameSeed(t), 10000u) << t;
  }
}
