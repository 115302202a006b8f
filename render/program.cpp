#include "render/program.h"

#include <cstdio>
#include <cstdlib>
#include <memory>

#include "platform/platform.h"
#include "render/shader_text.h"

namespace {

[[noreturn]] void fail(const char* text) {
  platform::showMessageBox(text, "Debug");
  std::exit(0);
}

}  // namespace

GLFWProgram::GLFWProgram(unsigned short vertexResourceId, unsigned short fragmentResourceId) {
  vertexSource = new char[shaderBufferSize];
  fragmentSource = new char[shaderBufferSize];
  readText(vertexResourceId, vertexSource);
  readText(fragmentResourceId, fragmentSource);

  programId = glCreateProgram();
  // The vertex shader is compiled and tested before the fragment shader exists, so a broken
  // vertex shader is the one error reported when both are broken.
  vertexShader = compile(GL_VERTEX_SHADER, vertexSource, "Vertex shader compilation error");
  fragmentShader = compile(GL_FRAGMENT_SHADER, fragmentSource, "Fragment shader compilation error");
  glAttachShader(programId, vertexShader);
  glAttachShader(programId, fragmentShader);
  glLinkProgram(programId);
}

GLFWProgram::~GLFWProgram() {
  delete[] vertexSource;
  delete[] fragmentSource;
  glDeleteShader(vertexShader);
  glDeleteShader(fragmentShader);
  glDeleteProgram(programId);
}

void GLFWProgram::readText(unsigned short resourceId, char* destination) {
  if (readResourceText(resourceId, destination, shaderTextCapacity)) return;
  char text[128];
  std::snprintf(text, sizeof text, "Shader text %u is missing or has no '~' within %u bytes",
                static_cast<unsigned>(resourceId), static_cast<unsigned>(shaderTextCapacity));
  fail(text);
}

GLuint GLFWProgram::compile(GLenum type, const char* text, const char* failureText) {
  GLuint shader = glCreateShader(type);
  glShaderSource(shader, 1, &text, nullptr);
  glCompileShader(shader);
  GLint status = 0;
  glGetShaderiv(shader, GL_COMPILE_STATUS, &status);
  if (status == 0) {
    showShaderLog(shader);
    platform::showMessageBox(failureText, "Debug");
    glDeleteShader(shader);
    std::exit(0);
  }
  return shader;
}

void GLFWProgram::use() { glUseProgram(programId); }

GLint GLFWProgram::getLocation(int kind, const char* name) {
  auto found = locationCache.find(name);
  if (found != locationCache.end()) return found->second;
  const GLint location = kind == 0 ? glGetUniformLocation(programId, name) : glGetAttribLocation(programId, name);
  locationCache.emplace(name, location);
  return location;
}

void GLFWProgram::bindTexture(const char* uniformName, int unit, GLuint texture) {
  glUniform1i(getUniformLocation(uniformName), unit);
  glActiveTexture(GL_TEXTURE0 + unit);
  glBindTexture(GL_TEXTURE_2D, texture);
}

bool GLFWProgram::readResourceText(unsigned short resourceId, char* destination, std::size_t capacity) {
  return copyShaderText(platform::resourceBytes(resourceId, "TEXTFILE"), destination, capacity);
}

void GLFWProgram::showShaderLog(GLuint shader) {
  GLint length = 0;
  glGetShaderiv(shader, GL_INFO_LOG_LENGTH, &length);
  if (length < 0) length = 0;
  std::unique_ptr<char[]> log(new char[length + 1]());
  glGetShaderInfoLog(shader, length, nullptr, log.get());
  platform::showMessageBox(log.get(), "Debug");
}

GLFWProgramManager::~GLFWProgramManager() {
  for (auto& entry : programs) delete entry.second;
}

void GLFWProgramManager::addProgram(const char* name, unsigned short vertexResourceId,
                                    unsigned short fragmentResourceId) {
  auto* program = new GLFWProgram(vertexResourceId, fragmentResourceId);
  programIds.emplace(name, program->getProgramId());
  // A taken name keeps its program; the newcomer would be unreachable, so it goes now.
  if (!programs.emplace(name, program).second) delete program;
}

GLFWProgram* GLFWProgramManager::getProgram(const char* name) {
  auto found = programs.find(name);
  return found == programs.end() ? nullptr : found->second;
}

GLuint GLFWProgramManager::getProgramId(const char* name) {
  auto found = programIds.find(name);
  return found == programIds.end() ? 0 : found->second;
}

void GLFWProgramManager::useProgram(const char* name) {
  if (GLFWProgram* program = getProgram(name)) program->use();
}
