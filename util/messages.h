// Quick-look message boxes for numbers, and a debugger sink for OpenGL debug messages.
#pragma once

#include <string>

// The calling convention the GL expects of a debug callback (APIENTRY), without the GL headers.
#if defined(_WIN32)
#define TESSELUME_GL_CALLBACK __stdcall
#else
#define TESSELUME_GL_CALLBACK
#endif

// "Float X: x\r\nFloat Y: y\r\nFloat Z: z" in a box captioned "Info".
void showFloats(float x, float y, float z);

// "Min: minimum\r\nMax: maximum\r\nAverage: average" in a box captioned "Info".
void showStatistics(float minimum, float maximum, float average);

// A float as a default output stream writes it: six significant digits, fixed or scientific,
// whichever is shorter, no trailing zeros.
std::string formatFloat(float value);

// Shaped like GLDEBUGPROC (GLenum, GLenum, GLuint, GLenum, GLsizei, const GLchar*, const void*), so
// it can be handed to glDebugMessageCallback. Writes the message and a line end to the debugger; a
// null message writes only the line end.
void TESSELUME_GL_CALLBACK debugOutput(unsigned source, unsigned type, unsigned id, unsigned severity, int length,
                                       const char* message, const void* userParam);
