// What the scene shares with every shader: viewport size, light position, the animation's start
// and current time on the GLFW clock, and the local wall-clock date.
#pragma once

#include <cstdint>

#include "render/math.h"

class GLFWEnvironment {
 public:
  explicit GLFWEnvironment(float time);

  void setViewport(float width, float height);
  void setLightPosition(GLFWVector3 position);
  void setStartTime(float seconds);
  void setCurrentTime(float seconds);
  // Leaves `date` as it was when the clock cannot be read or converted.
  void readDate();
  // readDate, then startDate = date.
  void captureDate();
  // The clock reading itself, not the time since startTime: what "iTime" receives.
  float time() const { return currentTime; }
  float viewportWidth() const { return width; }
  float viewportHeight() const { return height; }

  // Zeros until set, so an early read gives defined values.
  float width = 0.0f;
  float height = 0.0f;
  GLFWVector3 lightPosition{0.0f, 0.0f, 0.0f};
  float startTime;
  float currentTime;
  // Day of month, month (1-12), full year, hour, minute, second.
  std::int32_t date[6]{};
  std::int32_t startDate[6]{};
};

// The local date of `seconds` (since 1970, UTC) in the order of GLFWEnvironment::date. False,
// with `date` untouched, when the conversion fails.
bool localDate(std::int64_t seconds, std::int32_t (&date)[6]);
