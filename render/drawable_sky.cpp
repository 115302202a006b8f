#include "render/drawable_sky.h"

#include "render/gl.h"
#include "render/program.h"
#include "render/scene_state.h"
#include "render/vertex_buffer.h"

void GLFWDrawableSky::setupAttributes() {
  // Position, texture coordinate and normal of the vertex record; the rest is not read.
  vertexBuffer->addAttribute(programName, "position", 3, 0);
  vertexBuffer->addAttribute(programName, "position_tex", 2, 3);
  vertexBuffer->addAttribute(programName, "position_normal", 3, 5);
}

void GLFWDrawableSky::setUniforms() {
  GLFWProgram* program = registry->getProgram(programName);
  if (!program) return;
  glUniform1f(program->getUniformLocation("iTime"), environment->time());
  glUniform1f(program->getUniformLocation("viewportWidth"), environment->viewportWidth());
  glUniform1f(program->getUniformLocation("viewportHeight"), environment->viewportHeight());
}

void GLFWDrawableSky::preDraw() {}
