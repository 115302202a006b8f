#include "util/scalar_helpers.h"

#include <cmath>

namespace {
constexpr double fullTurn = 6.2831853;
}

float sign(float x) {
  if (x > 0.0f) return 1.0f;
  if (x < 0.0f) return -1.0f;
  return 0.0f;
}

int sign(int n) { return n > 0 ? 1 : (n < 0 ? -1 : 0); }

double sinDegrees(double degrees) { return std::sin(degrees / 360.0 * fullTurn); }

double cosDegrees(double degrees) { return std::cos(degrees / 360.0 * fullTurn); }
