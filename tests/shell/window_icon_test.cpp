#include "shell/window_icon.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>

namespace {

std::array<std::uint8_t, 4> pixelAt(const std::uint8_t* rows, int x, int y) {
  const std::uint8_t* p = rows + (y * windowIconSize + x) * 4;
  return {p[0], p[1], p[2], p[3]};
}

// A source whose every pixel names its own column and row.
TEST(WindowIcon, TurnMovesColumnsIntoRows) {
  std::array<std::uint8_t, windowIconBytes> columns{};
  for (int c = 0; c < windowIconSize; ++c)
    for (int r = 0; r < windowIconSize; ++r) {
      std::uint8_t* p = columns.data() + (c * windowIconSize + r) * 4;
      p[0] = static_cast<std::uint8_t>(c);
      p[1] = static_cast<std::uint8_t>(r);
      p[2] = 7;
      p[3] = 9;
    }
  std::array<std::uint8_t, windowIconBytes> rows{};
  windowIconRowsFromColumns(columns.data(), rows.data());
  for (int y = 0; y < windowIconSize; ++y)
    for (int x = 0; x < windowIconSize; ++x) {
      const auto p = pixelAt(rows.data(), x, y);
      ASSERT_EQ(p[0], x);
      ASSERT_EQ(p[1], y);
      ASSERT_EQ(p[2], 7);
      ASSERT_EQ(p[3], 9);
    }
}

// The picture handed to GLFW is upright: quadrant colours where a viewer expects them, the stand
// at the bottom, transparent corners.
TEST(WindowIcon, PictureIsUpright) {
  std::array<std::uint8_t, windowIconBytes> rows{};
  windowIconRowsFromColumns(windowIconColumns.data(), rows.data());
  using P = std::array<std::uint8_t, 4>;
  EXPECT_EQ(pixelAt(rows.data(), 16, 14), (P{255, 72, 72, 255}));   // red, top left
  EXPECT_EQ(pixelAt(rows.data(), 48, 14), (P{0, 217, 70, 255}));    // green, top right
  EXPECT_EQ(pixelAt(rows.data(), 16, 34), (P{72, 72, 255, 255}));   // blue, bottom left
  EXPECT_EQ(pixelAt(rows.data(), 48, 34), (P{240, 240, 0, 255}));   // yellow, bottom right
  EXPECT_EQ(pixelAt(rows.data(), 3, 20), (P{72, 194, 255, 255}));   // light-blue casing
  EXPECT_EQ(pixelAt(rows.data(), 32, 57), (P{72, 194, 255, 255}));  // the foot, near the bottom
  EXPECT_EQ(pixelAt(rows.data(), 32, 2)[3], 0);                     // above the monitor
  for (int corner : {0, 63}) {
    EXPECT_EQ(pixelAt(rows.data(), corner, 0)[3], 0);
    EXPECT_EQ(pixelAt(rows.data(), corner, 63)[3], 0);
  }
}

}  // namespace
