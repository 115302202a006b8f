#include "render/environment.h"

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

bool localDate(std::time_t seconds, std::int32_t (&date)[6]) {
  // One thread uses the clock, so localtime's shared record is safe and works on every target.
  const std::tm* local = std::localtime(&seconds);
  if (local == nullptr) return false;
  date[0] = local->tm_mday;
  date[1] = local->tm_mon + 1;
  date[2] = local->tm_year + 1900;
  date[3] = local->tm_hour;
  date[4] = local->tm_min;
  date[5] = local->tm_sec;
  return true;
}
