// The colours make_fixtures.py gives the test bitmaps: bitmap k has at column x and row y, counted
// from the top, (16x + 8, 16y + 4, 50k + 2).
#pragma once

#include <array>

struct Fixture {
  int id;
  int k;
  int width;
  int height;
};

// The chain runs 1 × 1, 2 × 2, 4 × 4, 8 × 8.
constexpr std::array<Fixture, 4> chainFixtures{{{201, 0, 1, 1}, {202, 1, 2, 2}, {203, 2, 4, 4}, {204, 3, 8, 8}}};
constexpr Fixture wideFixture{205, 4, 3, 2};
constexpr int missingBitmapId = 299;

inline std::array<int, 4> fixtureBytes(const Fixture& f, int x, int yFromTop) {
  return {16 * x + 8, 16 * yFromTop + 4, 50 * f.k + 2, 255};
}
