#include "util/random.h"

#include <cstdlib>

namespace {
// A modulus by zero or a negative count has no meaning; such counts behave like 1.
int atLeastOne(int n) { return n < 1 ? 1 : n; }
}  // namespace

float random01() { return static_cast<float>(std::rand() % 10000) / 10000.0f; }

float randomBelow(int n) { return static_cast<float>(std::rand() % atLeastOne(n)); }

float randomScaled(float x) { return random01() * x; }

float randomRange(float a, float b) { return (b - a) * random01() + a; }

float randomFromOne(int n) { return static_cast<float>(std::rand() % atLeastOne(n)) + 1.0f; }

GLFWVector3 randomAxisJitter(float amount) {
  const double t = randomRange(0.0f, 3.0f);
  GLFWVector3 v(0.0f, 0.0f, 0.0f);
  // Drawn after t, so the sequence of rand() calls is fixed.
  const float d = randomRange(-amount, amount);
  if (t <= 1.0) {
    v.x += d;
  } else if (t <= 2.0) {
    v.y += d;
  } else {
    v.z += d;
  }
  return v;
}
