// A drawable: one mesh in a pair of GL buffers, drawn with one indexed draw call through a named
// program of the registry, with a model matrix and the camera's view and projection. Subclasses
// say which attributes their program reads and which uniforms of their own they set.
#pragma once

#include <cstdint>

#include "render/math.h"

class GLFWCamera;
class GLFWEnvironment;
class GLFWMeshData;
class GLFWProgramManager;
class GLFWVertexBuffer;

class GLFWDrawableObject {
 public:
  // The mesh from an OBJ and an MTL TEXTFILE resource, positions multiplied by `scale`.
  GLFWDrawableObject(GLFWEnvironment* environment, GLFWCamera* camera, GLFWProgramManager* registry,
                     const char* programName, unsigned short objResourceId, unsigned short mtlResourceId,
                     float scale);
  // The mesh from two TEXTFILE resources holding the arrays in the format of the dump files.
  GLFWDrawableObject(GLFWEnvironment* environment, GLFWCamera* camera, GLFWProgramManager* registry,
                     const char* programName, unsigned short vertexDataResourceId, std::int32_t vertexCount,
                     unsigned short indexDataResourceId, std::int32_t indexCount);
  GLFWDrawableObject(const GLFWDrawableObject&) = delete;
  GLFWDrawableObject& operator=(const GLFWDrawableObject&) = delete;

  virtual void setupAttributes() = 0;
  virtual void setUniforms() = 0;
  virtual void preDraw() = 0;
  virtual ~GLFWDrawableObject();

  // Once, before the first draw: declares the attributes and fills the buffers.
  void setup();
  void draw();
  void setModelMatrix(GLFWMatrix4 matrix);
  void uploadMatrices();
  // Writes "GLFWDrawableObject_data.bin" and "GLFWDrawableObject_index.bin" into the current directory.
  void dumpMeshData();

  GLFWEnvironment* environment = nullptr;
  GLFWProgramManager* registry = nullptr;
  GLFWMeshData* meshData = nullptr;
  GLFWVertexBuffer* vertexBuffer = nullptr;
  GLFWCamera* camera = nullptr;
  const char* programName = nullptr;
  // Identity until setModelMatrix, so an early draw reads defined values.
  GLFWMatrix4 modelMatrix = translation(0.0f, 0.0f, 0.0f);

 private:
  void attachMesh();
};
