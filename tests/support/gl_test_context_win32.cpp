#include "tests/support/gl_test_context.h"

#include <GLFW/glfw3.h>

#include <cstdio>
#include <cstdlib>

#include "shell/application.h"

GLFWwindow* openTestContext() {
  static GLFWwindow* window = nullptr;
  if (window) return window;
  if (!glfwInit()) {
    std::fprintf(stderr, "glfwInit failed\n");
    std::exit(3);
  }
  glfwWindowHint(GLFW_CONTEXT_VERSION_MAJOR, 2);
  glfwWindowHint(GLFW_CONTEXT_VERSION_MINOR, 0);
  glfwWindowHint(GLFW_VISIBLE, GLFW_FALSE);
  window = glfwCreateWindow(64, 64, "GL test", nullptr, nullptr);
  if (!window) {
    std::fprintf(stderr, "no GL window\n");
    std::exit(3);
  }
  glfwMakeContextCurrent(window);
  loadGL();
  return window;
}

OffscreenTarget::OffscreenTarget(int w, int h) : width(w), height(h) {
  glGenTextures(1, &colour);
  glBindTexture(GL_TEXTURE_2D, colour);
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, w, h, 0, GL_RGBA, GL_UNSIGNED_BYTE, nullptr);
  glGenFramebuffers(1, &framebuffer);
  glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
  glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, colour, 0);
  glViewport(0, 0, w, h);
}

OffscreenTarget::~OffscreenTarget() {
  glBindFramebuffer(GL_FRAMEBUFFER, 0);
  glDeleteFramebuffers(1, &framebuffer);
  glDeleteTextures(1, &colour);
}

std::vector<std::uint8_t> OffscreenTarget::read() const {
  std::vector<std::uint8_t> pixels(static_cast<size_t>(width) * height * 3);
  glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
  return pixels;
}
