// A CPU reference of the cell background's fragment shader, in single precision, for comparing
// pictures read back from the GL.
#pragma once

#include <cmath>

namespace cellreference {

struct Rgb {
  float r, g, b;
};

inline float fract(float x) { return x - std::floor(x); }
inline float smoothstep(float e0, float e1, float x) {
  float t = (x - e0) / (e1 - e0);
  t = t < 0.0f ? 0.0f : (t > 1.0f ? 1.0f : t);
  return t * t * (3.0f - 2.0f * t);
}

inline float hashOf(float x, float y, float a, float b, float k) { return fract(std::sin(x * a + y * b) * k); }
inline float rand1(float x, float y) { return hashOf(x, y, 12.9898f, 78.233f, 137.5453f); }
inline float rand2(float x, float y) { return hashOf(x, y, 1.9898f, 7.233f, 37.5453f); }
inline float rand3(float x, float y) { return hashOf(x, y, 3.1771f, 5.755f, 17.5453f); }

// How close a cell's random values come to the jump of fract: where they do, the GL's sine may
// land on the other side, so comparisons skip such cells.
inline bool nearFractJump(float x, float y) {
  const float values[] = {std::sin(x * 12.9898f + y * 78.233f) * 137.5453f,
                          std::sin(x * 1.9898f + y * 7.233f) * 37.5453f,
                          std::sin(x * 3.1771f + y * 5.755f) * 17.5453f};
  for (float v : values) {
    const float f = fract(v);
    if (f < 0.02f || f > 0.98f) return true;
  }
  return false;
}

// The cell coordinates of a fragment: 10 cells per half height, the centre of the viewport at 0.
inline void cellCoordinates(float fragX, float fragY, float width, float height, float& x, float& y) {
  x = (2.0f * fragX - width) / height * 10.0f;
  y = (2.0f * fragY - height) / height * 10.0f;
}

// The colour of the fragment at (fragX, fragY) (gl_FragCoord: pixel centres at +0.5).
inline Rgb shade(float fragX, float fragY, float width, float height, float time) {
  float x, y;
  cellCoordinates(fragX, fragY, width, height, x, y);
  const float cx = std::floor(x), cy = std::floor(y);
  const float random = rand1(cx, cy), random2 = rand2(cx, cy), random3 = rand3(cx, cy);
  const float blackX = smoothstep(1.0f, 0.9f, std::cos(x * 3.14159f * 2.0f));
  const float blackY = smoothstep(1.0f, 0.9f, std::cos(y * 3.14159f * 2.0f));
  const float dx = fract(x) - 0.5f, dy = fract(y) - 0.5f;
  const float glow = smoothstep(1.0f, 0.1f, std::sqrt(dx * dx + dy * dy));
  const float pulse = 0.5f + 0.5f * std::cos(random + random * time + time + 3.14159f * 0.0f);
  const float k = blackX * blackY * glow * pulse;
  return {random * k, random2 * k, random3 * k};
}

}  // namespace cellreference
