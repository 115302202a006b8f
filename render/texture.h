// One OpenGL 2D texture filled from 24-bit BITMAP resources of the program, read through GDI
// pixel by pixel (slow, so meant for scene set-up only). Needs the GL context current.
#pragma once

#include "render/gl.h"

class GLFWTexture {
 public:
  GLFWTexture() = default;
  GLFWTexture(const GLFWTexture&) = delete;
  GLFWTexture& operator=(const GLFWTexture&) = delete;

  // ids[0] is the 1 × 1 image and goes to level count − 1; ids[count − 1], 2^(count−1) pixels
  // square, is level 0. Counts outside 1..12 (level 0 above 2048) are refused: no texture is made.
  void loadMipmapChain(const int* ids, int count);
  // Immutable storage of log2(size) levels (1 for size 1), level 0 filled from one square bitmap.
  // Sizes other than the powers of two from 1 to 2048 are refused: no texture is made. Without
  // glTexStorage2D, level 0 is made with glTexImage2D (GL_RGBA) and the same parameters.
  void loadBitmap(int id, int size);
  // Deletes the texture; id() is 0 afterwards.
  void release();
  GLuint id() const { return textureName; }

  // RGBA floats of the bitmap resource `id`, width × height, rows top first, or bottom first with
  // flipRows (the order OpenGL expects). Pixels the bitmap does not have, or all of them when the
  // resource is missing, come out opaque black.
  static void readBitmap(float* destination, int id, int width, int height, bool flipRows);

 private:
  // A load replaces the texture of an earlier load.
  void createTexture();

  GLuint textureName = 0;
};
