#include "render/drawable.h"

#include "render/binary_file.h"
#include "render/gl.h"
#include "render/mesh_data.h"
#include "render/program.h"
#include "render/scene_state.h"
#include "render/vertex_buffer.h"

GLFWDrawableObject::GLFWDrawableObject(GLFWEnvironment* environment_, GLFWCamera* camera_,
                                       GLFWProgramManager* registry_, const char* programName_,
                                       unsigned short objResourceId, unsigned short mtlResourceId, float scale)
    : environment(environment_), registry(registry_), camera(camera_), programName(programName_) {
  meshData = new GLFWMeshData(objResourceId, mtlResourceId, scale);
  attachMesh();
}

GLFWDrawableObject::GLFWDrawableObject(GLFWEnvironment* environment_, GLFWCamera* camera_,
                                       GLFWProgramManager* registry_, const char* programName_,
                                       unsigned short vertexDataResourceId, std::int32_t vertexCount,
                                       unsigned short indexDataResourceId, std::int32_t indexCount)
    : environment(environment_), registry(registry_), camera(camera_), programName(programName_) {
  meshData = new GLFWMeshData(vertexDataResourceId, vertexCount, indexDataResourceId, indexCount);
  attachMesh();
}

GLFWDrawableObject::~GLFWDrawableObject() {
  delete meshData;
  delete vertexBuffer;
}

// The vertex buffer points into the mesh data's arrays; nothing reaches the GL before setup.
void GLFWDrawableObject::attachMesh() {
  vertexBuffer = new GLFWVertexBuffer(registry);
  vertexBuffer->setVertexData(meshData->getVertexDataBytes(), meshData->getVertexData(),
                              meshData->getVertexStride());
  vertexBuffer->setIndexData(meshData->getIndexDataBytes(), meshData->getIndexData(), meshData->getIndexCount());
}

void GLFWDrawableObject::setup() {
  setupAttributes();
  vertexBuffer->upload();
}

void GLFWDrawableObject::draw() {
  registry->useProgram(programName);
  preDraw();
  uploadMatrices();
  setUniforms();
  // No vertex array object: the attribute state is set again on every draw.
  vertexBuffer->prepare();
  glDrawElements(GL_TRIANGLES, vertexBuffer->getIndexCount(), GL_UNSIGNED_INT, nullptr);
}

void GLFWDrawableObject::setModelMatrix(GLFWMatrix4 matrix) { modelMatrix = matrix; }

void GLFWDrawableObject::uploadMatrices() {
  GLFWProgram* program = registry->getProgram(programName);
  if (!program) return;
  GLFWMatrix4 view = camera->view();
  GLFWMatrix4 projection = camera->projection();
  GLFWMatrix4 projectionView = projection.multiply(view);
  GLFWMatrix4 projectionViewModel = projectionView.multiply(modelMatrix);
  glUniformMatrix4fv(program->getUniformLocation("model_world"), 1, GL_FALSE, modelMatrix.data());
  glUniformMatrix4fv(program->getUniformLocation("world_projection"), 1, GL_FALSE, projectionView.data());
  glUniformMatrix4fv(program->getUniformLocation("model_projection"), 1, GL_FALSE, projectionViewModel.data());
}

void GLFWDrawableObject::dumpMeshData() {
  writeBinaryFile("GLFWDrawableObject_data.bin", meshData->getVertexData(),
                  static_cast<std::size_t>(meshData->getVertexDataBytes()));
  writeBinaryFile("GLFWDrawableObject_index.bin", meshData->getIndexData(),
                  static_cast<std::size_t>(meshData->getIndexDataBytes()));
}
