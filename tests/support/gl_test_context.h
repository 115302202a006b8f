// Test programs with a real OpenGL context (Wine + llvmpipe): a hidden GLFW window whose context is
// current and whose commands are loaded, and an offscreen framebuffer to draw into and read back.
#pragma once

#include <cstdint>
#include <vector>

#include "render/gl.h"

struct GLFWwindow;

// Opens (once per process) a hidden window with the saver's context hints and loads the GL commands.
GLFWwindow* openTestContext();

// A colour framebuffer of the given size, bound for drawing while it lives.
class OffscreenTarget {
 public:
  OffscreenTarget(int width, int height);
  ~OffscreenTarget();
  OffscreenTarget(const OffscreenTarget&) = delete;
  OffscreenTarget& operator=(const OffscreenTarget&) = delete;

  // RGB bytes, rows from the bottom, as glReadPixels gives them.
  std::vector<std::uint8_t> read() const;

  int width, height;

 private:
  GLuint framebuffer = 0, colour = 0;
};
