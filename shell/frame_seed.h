// The seed of the run-time library's random numbers, taken from the clock at the first frame.
#pragma once

#include <cmath>
#include <cstdint>

// (seconds x 100000, in single precision, truncated to 32 bits) mod 10000: 0 to 9999, depending
// on how long the start took. 0.5 s gives 0, 0.123456 s gives 2345.
inline unsigned firstFrameSeed(float seconds) {
  const float scaled = seconds * 100000.0f;
  // Out-of-range conversions are undefined in C++; wrap as a 32-bit register would.
  if (!(scaled >= 0.0f)) return 0;
  const double wrapped = std::fmod(static_cast<double>(scaled), 4294967296.0);
  return static_cast<std::uint32_t>(wrapped) % 10000u;
}
