#include "render/camera.h"

#include <cmath>

// `direction` is declared after `centre`, so the start direction is spelled out here.
GLFWCamera::GLFWCamera(float x, float y, float z)
    : position(x, y, z), centre(position + GLFWVector3(0.0f, 0.0f, -1.0f)) {}

void GLFWCamera::pitch(float degrees) {
  const float r = radians(degrees);
  const float s = std::sin(r);
  const float c = std::cos(r);
  direction = (direction * c) + (up * s);
  up = cross(right, direction);
  centre = position + direction;
}

void GLFWCamera::updateView(std::int32_t slot) {
  views[slot] = lookAt(position, centre, up);
  currentView = slot;
}

void GLFWCamera::selectView(std::int32_t slot) { currentView = slot; }

GLFWMatrix4 GLFWCamera::view() const { return views[currentView]; }

void GLFWCamera::setProjection(GLFWMatrix4 matrix) { projectionMatrix = matrix; }

GLFWMatrix4 GLFWCamera::projection() const { return projectionMatrix; }
