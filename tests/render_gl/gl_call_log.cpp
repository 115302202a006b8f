#include "tests/render_gl/gl_call_log.h"

namespace {

GLCallLog calls;
PFNGLGETUNIFORMLOCATIONPROC realGetUniformLocation = nullptr;
PFNGLGETATTRIBLOCATIONPROC realGetAttribLocation = nullptr;
PFNGLCREATEPROGRAMPROC realCreateProgram = nullptr;
PFNGLENABLEVERTEXATTRIBARRAYPROC realEnableVertexAttribArray = nullptr;
PFNGLVERTEXATTRIBPOINTERPROC realVertexAttribPointer = nullptr;

GLint APIENTRY getUniformLocation(GLuint program, const GLchar* name) {
  ++calls.uniformLocationQueries;
  return realGetUniformLocation(program, name);
}

GLint APIENTRY getAttribLocation(GLuint program, const GLchar* name) {
  ++calls.attribLocationQueries;
  return realGetAttribLocation(program, name);
}

GLuint APIENTRY createProgram() {
  const GLuint program = realCreateProgram();
  calls.createdPrograms.push_back(program);
  return program;
}

void APIENTRY enableVertexAttribArray(GLuint location) {
  calls.enabledAttribs.push_back(location);
  realEnableVertexAttribArray(location);
}

void APIENTRY vertexAttribPointer(GLuint location, GLint size, GLenum type, GLboolean normalized, GLsizei stride,
                                  const void* pointer) {
  calls.attribPointers.push_back({location, size, stride, reinterpret_cast<GLintptr>(pointer)});
  realVertexAttribPointer(location, size, type, normalized, stride, pointer);
}

}  // namespace

GLCallRecorder::GLCallRecorder() {
  realGetUniformLocation = glGetUniformLocation;
  realGetAttribLocation = glGetAttribLocation;
  realCreateProgram = glCreateProgram;
  realEnableVertexAttribArray = glEnableVertexAttribArray;
  realVertexAttribPointer = glVertexAttribPointer;
  glGetUniformLocation = getUniformLocation;
  glGetAttribLocation = getAttribLocation;
  glCreateProgram = createProgram;
  glEnableVertexAttribArray = enableVertexAttribArray;
  glVertexAttribPointer = vertexAttribPointer;
  clear();
}

GLCallRecorder::~GLCallRecorder() {
  glGetUniformLocation = realGetUniformLocation;
  glGetAttribLocation = realGetAttribLocation;
  glCreateProgram = realCreateProgram;
  glEnableVertexAttribArray = realEnableVertexAttribArray;
  glVertexAttribPointer = realVertexAttribPointer;
}

const GLCallLog& GLCallRecorder::log() const { return calls; }

void GLCallRecorder::clear() { calls = GLCallLog(); }
