// How long each frame's rendering takes: the last, shortest, longest and average duration in
// milliseconds of the GLFW clock. Nothing reads them back; they are there for a developer.
#pragma once

#include <cstdint>

class GLFWFrameTimer {
 public:
  GLFWFrameTimer() = default;

  // Read the GLFW clock, rounded to float.
  void begin();
  void end();
  // begin and end with a clock reading in seconds given by the caller.
  void beginAt(float seconds);
  void endAt(float seconds);

  std::int32_t count() const { return frameCount; }
  float average() const { return averageMs; }
  float minimum() const { return minMs; }
  float maximum() const { return maxMs; }

  float beginTime = 0.0f;
  float endTime = 0.0f;
  float lastMs = 0.0f;
  float totalMs = 0.0f;
  float averageMs = 0.0f;
  // Finite start values: a frame of more than 1000 ms never becomes the minimum.
  float minMs = 1000.0f;
  float maxMs = -1000.0f;
  std::int32_t frameCount = 0;
};
