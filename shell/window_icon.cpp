#include "shell/window_icon.h"

namespace {

struct Rgba {
  std::uint8_t r, g, b, a;
};

constexpr Rgba transparent{0, 0, 0, 0};
constexpr Rgba outline{72, 194, 255, 255};
constexpr Rgba bezel{150, 150, 150, 255};
constexpr Rgba bezelDot{90, 90, 90, 255};
constexpr Rgba red{255, 72, 72, 255};
constexpr Rgba green{0, 217, 70, 255};
constexpr Rgba blue{72, 72, 255, 255};
constexpr Rgba yellow{240, 240, 0, 255};

constexpr bool inside(int x, int y, int left, int top, int right, int bottom) {
  return x >= left && x < right && y >= top && y < bottom;
}

// The picture at column x, row y (row 0 at the top).
constexpr Rgba iconPixel(int x, int y) {
  if (inside(x, y, 8, 9, 56, 39)) {  // the screen, split at its centre
    const bool leftHalf = x < 32, topHalf = y < 24;
    return topHalf ? (leftHalf ? red : green) : (leftHalf ? blue : yellow);
  }
  if (inside(x, y, 5, 6, 59, 48)) {  // grey frame, with a row of dots on the lower bezel
    const bool dot = inside(x, y, 12, 42, 52, 44) && (x - 12) % 5 < 2;
    return dot ? bezelDot : bezel;
  }
  if (inside(x, y, 3, 4, 61, 50)) return outline;   // monitor casing
  if (inside(x, y, 28, 50, 36, 55)) return outline;  // neck
  if (inside(x, y, 18, 55, 46, 59)) return outline;  // foot
  return transparent;
}

constexpr std::array<std::uint8_t, windowIconBytes> drawColumns() {
  std::array<std::uint8_t, windowIconBytes> bytes{};
  for (int column = 0; column < windowIconSize; ++column) {
    for (int row = 0; row < windowIconSize; ++row) {
      const Rgba p = iconPixel(column, row);
      const int at = (column * windowIconSize + row) * 4;
      bytes[at] = p.r;
      bytes[at + 1] = p.g;
      bytes[at + 2] = p.b;
      bytes[at + 3] = p.a;
    }
  }
  return bytes;
}

}  // namespace

// Drawn by the compiler: the program carries the finished bytes.
constexpr std::array<std::uint8_t, windowIconBytes> windowIconColumnsData = drawColumns();
const std::array<std::uint8_t, windowIconBytes> windowIconColumns = windowIconColumnsData;

void windowIconRowsFromColumns(const std::uint8_t* columns, std::uint8_t* rows) {
  for (int r = 0; r < windowIconSize; ++r) {
    for (int c = 0; c < windowIconSize; ++c) {
      const std::uint8_t* from = columns + (c * windowIconSize + r) * 4;
      std::uint8_t* to = rows + (r * windowIconSize + c) * 4;
      for (int k = 0; k < 4; ++k) to[k] = from[k];
    }
  }
}
