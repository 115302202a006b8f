// The saver's scene set-up on a test context, as the main loop runs it, with the GL calls that
// make the shaders and link the program written to standard output ("probe: ..." lines), so a
// test can tell how far a failing set-up went. Built once per resource script (CMakeLists.txt).
#include <cstdio>

#include "render/gl.h"
#include "shell/scene.h"
#include "tests/support/gl_test_context.h"

namespace {

PFNGLCREATESHADERPROC realCreateShader = nullptr;
PFNGLDELETESHADERPROC realDeleteShader = nullptr;
PFNGLLINKPROGRAMPROC realLinkProgram = nullptr;
GLuint vertexShader = 0, fragmentShader = 0;

const char* shaderKind(GLuint shader) {
  if (shader == vertexShader) return "vertex";
  if (shader == fragmentShader) return "fragment";
  return "other";
}

GLuint APIENTRY createShader(GLenum type) {
  const GLuint shader = realCreateShader(type);
  (type == GL_VERTEX_SHADER ? vertexShader : fragmentShader) = shader;
  std::printf("probe: create %s\n", shaderKind(shader));
  return shader;
}

void APIENTRY deleteShader(GLuint shader) {
  std::printf("probe: delete %s\n", shaderKind(shader));
  realDeleteShader(shader);
}

void APIENTRY linkProgram(GLuint program) {
  std::printf("probe: link\n");
  realLinkProgram(program);
}

}  // namespace

int main() {
  // Failing set-ups end the process from inside; every line must be out by then.
  std::setvbuf(stdout, nullptr, _IONBF, 0);
  openTestContext();
  realCreateShader = glCreateShader;
  realDeleteShader = glDeleteShader;
  realLinkProgram = glLinkProgram;
  glCreateShader = createShader;
  glDeleteShader = deleteShader;
  glLinkProgram = linkProgram;
  std::printf("probe: set-up\n");
  setUpScene();
  std::printf("probe: scene ready\n");
  return 0;
}
