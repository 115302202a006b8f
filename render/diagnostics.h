// Developer diagnostics of the GL context that GLFWApplication::showGLInfo and hasExtension do not
// cover: a message box for the GL's debug output. Never registered by the saver itself.
#pragma once

#include "render/gl.h"

// Shaped like GLDEBUGPROC, so glDebugMessageCallback accepts it. Shows the message text in a box
// captioned "Debug" and ignores the other values; a null message shows an empty box.
void APIENTRY debugMessage(GLenum source, GLenum type, GLuint id, GLenum severity, GLsizei length,
                             const GLchar* message, const void* userParam);
