// Shows the saver's GL report for an end-to-end test that reads the box from another process.
// After the box is dismissed it prints, as one JSON object, the values the report should hold,
// queried here on its own: the test builds the expected text from them.
//
//   gl_info_probe.exe [--old-context]
//
// --old-context makes the context look like OpenGL 2.x (see old_context.h) for the report.
#include <cstdio>
#include <cstring>
#include <string>

#include "tests/gl_diagnostics/gl_application.h"
#include "tests/gl_diagnostics/old_context.h"

namespace {

std::string jsonText(const GLubyte* text) {
  std::string out = "\"";
  for (const char* c = text ? reinterpret_cast<const char*>(text) : ""; *c; ++c) {
    if (*c == '"' || *c == '\\') out += '\\';
    out += *c;
  }
  return out + "\"";
}

GLint value(GLenum name, bool supported) {
  GLint v = 0;
  if (supported) glGetIntegerv(name, &v);
  return v;
}

}  // namespace

int main(int argc, char** argv) {
  const bool old = argc > 1 && std::strcmp(argv[1], "--old-context") == 0;
  GLFWApplication& application = testApplication();
  if (old) {
    OldContext pretend;
    application.showGLInfo();
  } else {
    application.showGLInfo();
  }
  std::printf(
      "{\"major\": %d, \"minor\": %d, \"version\": %s, \"renderer\": %s, \"max_vertex_attribs\": %d, "
      "\"max_uniform_locations\": %d, \"max_vertex_uniform_components\": %d, "
      "\"max_fragment_uniform_components\": %d, \"max_elements_indices\": %d, \"max_elements_vertices\": %d, "
      "\"max_texture_size\": %d, \"stored\": [%d, %d, %d, %d], \"profile_mask\": %d, \"context_flags\": %d}\n",
      value(GL_MAJOR_VERSION, !old), value(GL_MINOR_VERSION, !old), jsonText(glGetString(GL_VERSION)).c_str(),
      jsonText(glGetString(GL_RENDERER)).c_str(), value(GL_MAX_VERTEX_ATTRIBS, true),
      value(GL_MAX_UNIFORM_LOCATIONS, !old), value(GL_MAX_VERTEX_UNIFORM_COMPONENTS, true),
      value(GL_MAX_FRAGMENT_UNIFORM_COMPONENTS, true), value(GL_MAX_ELEMENTS_INDICES, true),
      value(GL_MAX_ELEMENTS_VERTICES, true), value(GL_MAX_TEXTURE_SIZE, true), application.glMajorVersion,
      application.glMinorVersion, application.glProfileMask, application.glContextFlags,
      value(GL_CONTEXT_PROFILE_MASK, !old), value(GL_CONTEXT_FLAGS, !old));
  std::fflush(stdout);
  return 0;
}
