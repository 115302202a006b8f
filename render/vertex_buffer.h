// The GL side of a mesh: a vertex and an index buffer, the CPU arrays that fill them, and the
// layout of named vertex attributes whose locations come from a registered program.
#pragma once

#include <cstdint>
#include <map>
#include <string>

#include "render/gl.h"

class GLFWProgram;
class GLFWProgramManager;

class GLFWVertexBuffer {
 public:
  explicit GLFWVertexBuffer(GLFWProgramManager* registry);
  ~GLFWVertexBuffer();
  GLFWVertexBuffer(const GLFWVertexBuffer&) = delete;
  GLFWVertexBuffer& operator=(const GLFWVertexBuffer&) = delete;

  void setVertexData(std::int32_t bytes, float* data, std::int32_t stride);
  void setIndexData(std::int32_t bytes, std::uint32_t* data, std::int32_t count);

  // Declares an attribute of `components` floats at `offset` floats into each vertex. A name
  // already declared keeps its first values. A program name the registry does not know is ignored.
  void addAttribute(const char* programName, const char* attributeName, std::int32_t components,
                    std::int32_t offset);
  void addAttribute(GLFWProgram* program, const char* attributeName, std::int32_t components,
                    std::int32_t offset);

  void bind();
  // Enables and points every declared attribute, in byte order of the names.
  void bindAttributes();
  void prepare();
  void upload();
  void update();

  GLuint getVertexBufferId() const { return vertexBufferId; }
  GLuint getIndexBufferId() const { return indexBufferId; }
  std::int32_t getIndexCount() const { return indexCount; }

  GLFWProgramManager* registry = nullptr;
  GLuint vertexBufferId = 0;
  GLuint indexBufferId = 0;
  float* vertexData = nullptr;
  std::int32_t vertexDataBytes = 0;
  std::int32_t vertexStride = 0;
  std::map<std::string, std::int32_t> attribLocations;
  std::map<std::string, std::int32_t> attribComponents;
  std::map<std::string, std::int32_t> attribOffsets;
  std::uint32_t* indexData = nullptr;
  std::int32_t indexDataBytes = 0;
  std::int32_t indexCount = 0;
};
