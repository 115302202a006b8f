#include "render/frame_timer.h"

#include <GLFW/glfw3.h>

#include <limits>

void GLFWFrameTimer::begin() { beginAt(static_cast<float>(glfwGetTime())); }

void GLFWFrameTimer::end() { endAt(static_cast<float>(glfwGetTime())); }

void GLFWFrameTimer::beginAt(float seconds) { beginTime = seconds; }

void GLFWFrameTimer::endAt(float seconds) {
  endTime = seconds;
  lastMs = (endTime - beginTime) * 1000.0f;
  if (lastMs > maxMs) maxMs = lastMs;
  if (minMs > lastMs) minMs = lastMs;
  totalMs = totalMs + lastMs;
  // The count stops at its largest value instead of overflowing after years of frames.
  if (frameCount < std::numeric_limits<std::int32_t>::max()) frameCount = frameCount + 1;
  averageMs = totalMs / static_cast<float>(frameCount);
}
