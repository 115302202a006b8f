// OpenGL for the framework: the types and enums of Khronos' core header, and one process-wide
// pointer per command, named after the command. The program calls OpenGL only through these
// pointers; loadGL fills them once the context is current.
#pragma once

#include <GL/glcorearb.h>

#define GL_COMMAND(type, name) extern type name;
#include "render/gl_command_table.inc"
#undef GL_COMMAND

struct GLCommandSlot {
  const char* name;
  void* pointer;  // address of the command's pointer variable
};

// Every command of the table, in loading order.
extern const GLCommandSlot glCommandSlots[];
extern const int glCommandCount;
