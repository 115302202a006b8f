#include "render/vertex_buffer.h"

#include <cstdint>

#include "render/program.h"

GLFWVertexBuffer::GLFWVertexBuffer(GLFWProgramManager* programs) : registry(programs) {
  glGenBuffers(1, &vertexBufferId);
  glGenBuffers(1, &indexBufferId);
}

GLFWVertexBuffer::~GLFWVertexBuffer() {
  glDeleteBuffers(1, &vertexBufferId);
  glDeleteBuffers(1, &indexBufferId);
}

void GLFWVertexBuffer::setVertexData(std::int32_t bytes, float* data, std::int32_t stride) {
  vertexDataBytes = bytes;
  vertexData = data;
  vertexStride = stride;
}

void GLFWVertexBuffer::setIndexData(std::int32_t bytes, std::uint32_t* data, std::int32_t count) {
  indexDataBytes = bytes;
  indexData = data;
  indexCount = count;
}

void GLFWVertexBuffer::addAttribute(const char* programName, const char* attributeName,
                                    std::int32_t components, std::int32_t offset) {
  if (GLFWProgram* program = registry->getProgram(programName)) {
    addAttribute(program, attributeName, components, offset);
  }
}

void GLFWVertexBuffer::addAttribute(GLFWProgram* program, const char* attributeName, std::int32_t components,
                                    std::int32_t offset) {
  const std::int32_t location = program->getAttribLocation(attributeName);
  attribLocations.emplace(attributeName, location);
  attribComponents.emplace(attributeName, components);
  attribOffsets.emplace(attributeName, offset);
}

void GLFWVertexBuffer::bind() {
  glBindBuffer(GL_ARRAY_BUFFER, vertexBufferId);
  glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, indexBufferId);
}

void GLFWVertexBuffer::bindAttributes() {
  for (const auto& [name, location] : attribLocations) {
    const std::int32_t components = attribComponents[name];
    const std::int32_t offset = attribOffsets[name];
    // A location of -1 (an attribute the program does not use) makes both calls fail inside
    // the GL without any effect.
    glEnableVertexAttribArray(static_cast<GLuint>(location));
    glVertexAttribPointer(static_cast<GLuint>(location), components, GL_FLOAT, GL_FALSE, vertexStride * 4,
                          reinterpret_cast<const void*>(static_cast<std::uintptr_t>(offset) * 4));
  }
}

void GLFWVertexBuffer::prepare() {
  bind();
  bindAttributes();
}

void GLFWVertexBuffer::upload() {
  prepare();
  glBufferData(GL_ARRAY_BUFFER, vertexDataBytes, vertexData, GL_STATIC_DRAW);
  glBufferData(GL_ELEMENT_ARRAY_BUFFER, indexDataBytes, indexData, GL_STATIC_DRAW);
}

void GLFWVertexBuffer::update() {
  bind();
  glBufferSubData(GL_ARRAY_BUFFER, 0, vertexDataBytes, vertexData);
  glBufferSubData(GL_ELEMENT_ARRAY_BUFFER, 0, indexDataBytes, indexData);
}
