// Makes the loaded GL look like an OpenGL 2.x context for a while: the queries that came with
// OpenGL 3 leave their value alone (as such a context does, with an error) and glGetStringi is
// missing. The real commands come back when it goes out of scope.
#pragma once

#include "render/gl.h"

class OldContext {
 public:
  OldContext();
  ~OldContext();
  OldContext(const OldContext&) = delete;
  OldContext& operator=(const OldContext&) = delete;
};
