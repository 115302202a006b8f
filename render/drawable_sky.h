// The cell background: a quad over the whole viewport, drawn with a program whose fragment shader
// makes the picture from the time and the viewport size.
#pragma once

#include "render/drawable.h"

class GLFWDrawableSky : public GLFWDrawableObject {
 public:
  using GLFWDrawableObject::GLFWDrawableObject;

  void setupAttributes() override;
  void setUniforms() override;
  void preDraw() override;
};
