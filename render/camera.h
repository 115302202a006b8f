// The eye: position and orientation, five view-matrix slots and the projection matrix. The
// drawables read the selected view and the projection when they build their matrix uniforms.
#pragma once

#include <cstdint>

#include "render/math.h"

class GLFWCamera {
 public:
  GLFWCamera(float x, float y, float z);

  // Turns the view about `right`, towards `up` for positive angles. The view slots keep their
  // matrices until updateView.
  void pitch(float degrees);
  // Slots are 0 to 4; callers keep to that range.
  void updateView(std::int32_t slot);
  void selectView(std::int32_t slot);
  GLFWMatrix4 view() const;
  void setProjection(GLFWMatrix4 matrix);
  GLFWMatrix4 projection() const;

  // Zeros until written, so reading an unused slot gives defined values.
  GLFWMatrix4 views[5]{};
  std::int32_t currentView = 0;
  GLFWVector3 position;
  // Always position + direction.
  GLFWVector3 centre;
  GLFWVector3 direction{0.0f, 0.0f, -1.0f};
  GLFWVector3 right{1.0f, 0.0f, 0.0f};
  // Kept perpendicular to direction.
  GLFWVector3 up{0.0f, 1.0f, 0.0f};
  GLFWMatrix4 projectionMatrix{0.0f};
};
