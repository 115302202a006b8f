// Records the GL calls that the framework makes through its command pointers: while a recorder
// lives, the pointers of a few commands lead to wrappers that note the call and then call the
// real command.
#pragma once

#include <vector>

#include "render/gl.h"

struct AttribPointerCall {
  GLuint location;
  GLint size;
  GLsizei stride;
  GLintptr offset;
};

struct GLCallLog {
  int uniformLocationQueries = 0;
  int attribLocationQueries = 0;
  std::vector<GLuint> createdPrograms;
  std::vector<GLuint> enabledAttribs;
  std::vector<AttribPointerCall> attribPointers;
};

class GLCallRecorder {
 public:
  GLCallRecorder();
  ~GLCallRecorder();
  GLCallRecorder(const GLCallRecorder&) = delete;
  GLCallRecorder& operator=(const GLCallRecorder&) = delete;

  const GLCallLog& log() const;
  void clear();
};
