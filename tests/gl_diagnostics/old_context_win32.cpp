#include "tests/gl_diagnostics/old_context.h"

namespace {

PFNGLGETINTEGERVPROC realGetIntegerv = nullptr;
PFNGLGETSTRINGIPROC realGetStringi = nullptr;

void APIENTRY getIntegervOfOldContext(GLenum name, GLint* value) {
  switch (name) {
    case GL_MAJOR_VERSION:
    case GL_MINOR_VERSION:
    case GL_CONTEXT_PROFILE_MASK:
    case GL_CONTEXT_FLAGS:
    case GL_NUM_EXTENSIONS:
    case GL_MAX_UNIFORM_LOCATIONS:
      return;
    default:
      realGetIntegerv(name, value);
  }
}

}  // namespace

OldContext::OldContext() {
  realGetIntegerv = glGetIntegerv;
  realGetStringi = glGetStringi;
  glGetIntegerv = getIntegervOfOldContext;
  glGetStringi = nullptr;
}

OldContext::~OldContext() {
  glGetIntegerv = realGetIntegerv;
  glGetStringi = realGetStringi;
}
