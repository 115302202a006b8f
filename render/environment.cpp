#include "render/environment.h"

#include <ctime>

// The clock is a 64-bit count on every target (see CMakeLists.txt for 32-bit Windows), so dates
// past 2038 convert.
static_assert(sizeof(std::time_t) >= 8);

GLFWEnvironment::GLFWEnvironment(float time) : startTime(time), currentTime(time) {}

void GLFWEnvironment::setViewport(float width_, float height_) {
  width = width_;
  height = height_;
}

void GLFWEnvironment::setLightPosition(GLFWVector3 position) { lightPosition = position; }

void GLFWEnvironment::setStartTime(float seconds) { startTime = seconds; }

void GLFWEnvironment::setCurrentTime(float seconds) { currentTime = seconds; }

void GLFWEnvironment::readDate() {
  const std::time_t now = std::time(nullptr);
  if (now == static_cast<std::time_t>(-1)) return;
  localDate(now, date);
}

void GLFWEnvironment::captureDate() {
  readDate();
  for (int i = 0; i < 6; ++i) startDate[i] = date[i];
}

bool localDate(std::int64_t seconds, std::int32_t (&date)[6]) {
  const std::time_t t = static_cast<std::time_t>(seconds);
  // One thread uses the clock, so localtime's shared record is safe, and it exists on every target.
  const std::tm* local = std::localtime(&t);
  if (local == nullptr) return false;
  date[0] = local->tm_mday;
  date[1] = local->tm_mon + 1;
  date[2] = local->tm_year + 1900;
  date[3] = local->tm_hour;
  date[4] = local->tm_min;
  date[5] = local->tm_sec;
  return true;
}
