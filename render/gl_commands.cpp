#include "render/gl.h"

#define GL_COMMAND(type, name) type name = nullptr;
#include "render/gl_command_table.inc"
#undef GL_COMMAND

const GLCommandSlot glCommandSlots[] = {
#define GL_COMMAND(type, name) {#name, &name},
#include "render/gl_command_table.inc"
#undef GL_COMMAND
};

const int glCommandCount = static_cast<int>(sizeof glCommandSlots / sizeof glCommandSlots[0]);
