// The baseline: the sky's shaders on the same quad with raw GL calls and nothing else — no
// registry, no name lookups, no matrices, no drawable.
#pragma once

#include "render/gl.h"

class BaselineRenderer {
 public:
  BaselineRenderer();
  void draw(float time, int width, int height);

 private:
  GLuint program = 0, vertices = 0, indices = 0;
  GLint timeAt = -1, widthAt = -1, heightAt = -1, positionAt = -1;
};
