#include "util/colour_packing.h"

#include <climits>
#include <cmath>
#include <cstdint>
#include <cstring>

int toByte(float x) {
  const double scaled = static_cast<double>(x) * 255.0;
  // Converting NaN or an out-of-range value to int is undefined; pin them down instead.
  if (std::isnan(scaled)) return 0;
  if (scaled >= static_cast<double>(INT_MAX)) return INT_MAX;
  if (scaled <= static_cast<double>(INT_MIN)) return INT_MIN;
  return static_cast<int>(scaled);
}

float packBytes(int b3, int b2, int b1, int b0) {
  const std::uint32_t bits = (static_cast<std::uint32_t>(b3) & 0xFFu) << 24 |
                             (static_cast<std::uint32_t>(b2) & 0xFFu) << 16 |
                             (static_cast<std::uint32_t>(b1) & 0xFFu) << 8 |
                             (static_cast<std::uint32_t>(b0) & 0xFFu);
  float packed;
  std::memcpy(&packed, &bits, sizeof packed);
  return packed;
}

float packColor(float r, float g, float b, float a) {
  return packBytes(toByte(r), toByte(g), toByte(b), toByte(a));
}
