// The GL report and the extension test of GLFWApplication, and the debug-message box. All need
// the application's context current and the GL commands loaded.
#include "render/diagnostics.h"

#include <cstring>
#include <string>

#include "platform/platform.h"
#include "shell/application.h"

namespace {

// A context that does not know a query leaves the value alone, so every value starts at 0.
void query(GLenum name, GLint& value) {
  if (glGetIntegerv) glGetIntegerv(name, &value);
}

std::string glText(GLenum name) {
  const GLubyte* text = glGetString ? glGetString(name) : nullptr;
  return text ? reinterpret_cast<const char*>(text) : "";
}

}  // namespace

void GLFWApplication::showGLInfo() {
  GLint maxAttribs = 0, maxVertexUniforms = 0, maxFragmentUniforms = 0, maxIndices = 0, maxVertices = 0,
        maxTextureSize = 0, maxUniformLocations = 0;
  query(GL_MAJOR_VERSION, glMajorVersion);
  query(GL_MINOR_VERSION, glMinorVersion);
  query(GL_CONTEXT_PROFILE_MASK, glProfileMask);
  query(GL_CONTEXT_FLAGS, glContextFlags);
  query(GL_MAX_VERTEX_ATTRIBS, maxAttribs);
  query(GL_MAX_VERTEX_UNIFORM_COMPONENTS, maxVertexUniforms);
  query(GL_MAX_FRAGMENT_UNIFORM_COMPONENTS, maxFragmentUniforms);
  query(GL_MAX_ELEMENTS_INDICES, maxIndices);
  query(GL_MAX_ELEMENTS_VERTICES, maxVertices);
  query(GL_MAX_TEXTURE_SIZE, maxTextureSize);
  query(GL_MAX_UNIFORM_LOCATIONS, maxUniformLocations);

  std::string text = "OpenGL Major and Minor version: " + std::to_string(glMajorVersion) + "." +
                     std::to_string(glMinorVersion);
  text += "\r\nOpenGL Version string: " + glText(GL_VERSION);
  text += "\r\nOpenGL Renderer string: " + glText(GL_RENDERER);
  text += "\r\nMax Attrib Count: " + std::to_string(maxAttribs);
  text += "\r\nMax Uniform Locations: " + std::to_string(maxUniformLocations);
  text += "\r\nMax Vertex Uniform Count: " + std::to_string(maxVertexUniforms);
  text += "\r\nMax Fragment Uniform Count: " + std::to_string(maxFragmentUniforms);
  text += "\r\nMax Elements Indices: " + std::to_string(maxIndices);
  text += "\r\nMax Elements Vertices: " + std::to_string(maxVertices);
  text += "\r\nMax Texture Size: " + std::to_string(maxTextureSize);
  platform::showMessageBox(text.c_str(), "Info");
}

bool GLFWApplication::hasExtension(const char* name) {
  // Indexed extension strings are OpenGL 3.0; without them the answer is no.
  GLint count = 0;
  query(GL_NUM_EXTENSIONS, count);
  if (!name || !glGetStringi) return false;
  for (GLint i = 0; i < count; ++i) {
    const GLubyte* extension = glGetStringi(GL_EXTENSIONS, static_cast<GLuint>(i));
    if (extension && std::strcmp(reinterpret_cast<const char*>(extension), name) == 0) return true;
  }
  return false;
}

void APIENTRY debugMessage(GLenum, GLenum, GLuint, GLenum, GLsizei, const GLchar* message, const void*) {
  platform::showMessageBox(message ? message : "", "Debug");
}
