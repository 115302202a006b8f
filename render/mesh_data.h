// A drawable's mesh on the CPU side: one interleaved array of 24-float vertex records and one
// index array, built from an OBJ/MTL model (through per-attribute arrays) or copied from two
// resources that hold the arrays as the drawable's dump files write them.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "mesh/objl.h"

// Per-attribute arrays of a whole model, all meshes one after another. Vertex k's data sits at
// k x 3 (texCoords k x 2, specular k x 4).
class GLFWMeshGeometry {
 public:
  // Reads the model; a model that cannot be read ends the process (exitOnMeshLoadFailure).
  GLFWMeshGeometry(unsigned short objResourceId, unsigned short mtlResourceId, float scale);
  // From meshes already read, for callers that hold them.
  GLFWMeshGeometry(const std::vector<objl::Mesh>& meshes, float scale);
  GLFWMeshGeometry(const GLFWMeshGeometry&) = delete;
  GLFWMeshGeometry& operator=(const GLFWMeshGeometry&) = delete;

  void load(unsigned short objResourceId, unsigned short mtlResourceId, float scale);
  // Fills every array from the meshes. Per mesh, only whole triangles whose three corners lie
  // inside that mesh's vertices are kept: a trailing partial triangle would shift every later
  // mesh's triangles, and an outside corner would be drawn from memory past the vertex array.
  void build(const std::vector<objl::Mesh>& meshes);
  // The unit tangent and bitangent of each triangle, written to its three corners (a vertex
  // shared by several triangles keeps the last one's). Stops at the last whole triangle and
  // skips triangles with a corner outside the arrays.
  void computeTangents();

  std::int32_t getVertexCount() const { return vertexCount; }
  std::int32_t getIndexCount() const { return indexCount; }

  std::vector<float> positions;   // scaled
  std::vector<float> texCoords;
  std::vector<float> normals;     // unit length
  std::vector<float> tangents;    // unit length
  std::vector<float> bitangents;  // unit length
  std::vector<float> ambient;     // the mesh material's colours, copied to each vertex
  std::vector<float> diffuse;
  std::vector<float> specular;    // colour, then the specular exponent
  std::vector<std::uint32_t> indices;
  std::int32_t vertexCount = 0;
  std::int32_t indexCount = 0;
  float scale = 1.0f;
};

class GLFWMeshData {
 public:
  // From an OBJ and an MTL TEXTFILE resource; positions multiplied by `scale`.
  GLFWMeshData(unsigned short objResourceId, unsigned short mtlResourceId, float scale);
  // Copies of the first vertexCount x 96 and indexCount x 4 bytes of two TEXTFILE resources.
  // A negative or oversized count, a resource shorter than its count needs (a missing one
  // counts as empty) or an index at or past vertexCount ends the process like a model that
  // cannot be read: nothing past a resource is read and nothing past the vertices is drawn.
  GLFWMeshData(unsigned short vertexDataResourceId, std::int32_t vertexCount, unsigned short indexDataResourceId,
               std::int32_t indexCount);
  // The vertex buffer points into the arrays, so they never move.
  GLFWMeshData(const GLFWMeshData&) = delete;
  GLFWMeshData& operator=(const GLFWMeshData&) = delete;

  float* getVertexData() { return vertexData.data(); }
  std::int32_t getVertexStride() const { return vertexStride; }
  std::int32_t getVertexDataBytes() const { return vertexCount * vertexStride * 4; }
  std::uint32_t* getIndexData() { return indexData.data(); }
  std::int32_t getIndexCount() const { return indexCount; }
  std::int32_t getIndexDataBytes() const { return indexCount * 4; }

  std::vector<float> vertexData;
  std::int32_t vertexStride = 24;
  std::int32_t positionOffset = 0;
  std::int32_t texCoordOffset = 3;
  std::int32_t normalOffset = 5;
  std::int32_t tangentOffset = 8;
  std::int32_t bitangentOffset = 11;
  std::int32_t ambientOffset = 14;
  std::int32_t diffuseOffset = 17;
  std::int32_t specularOffset = 20;
  std::vector<std::uint32_t> indexData;
  // Set only when built from a model.
  std::unique_ptr<GLFWMeshGeometry> geometry;
  std::int32_t vertexCount = 0;
  std::int32_t indexCount = 0;
  std::int32_t ownsGeometry = 0;

 private:
  void interleave();
};

// Largest counts whose byte sizes (96 per vertex record, 4 per index) fit a signed 32-bit value.
constexpr std::int32_t kMaxMeshVertices = 0x7FFFFFFF / 96;
constexpr std::int32_t kMaxMeshIndices = 0x7FFFFFFF / 4;

// The "Failed to load mesh" box (caption "Debug"), GLFW shut down, exit code 0.
[[noreturn]] void exitOnMeshLoadFailure();
