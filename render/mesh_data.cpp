#include "render/mesh_data.h"

#include <GLFW/glfw3.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string_view>

#include "mesh/mesh_loader.h"
#include "platform/platform.h"
#include "render/math.h"

// Stored arrays are copied byte for byte: IEEE floats, little-endian as on every target.
static_assert(std::numeric_limits<float>::is_iec559 && sizeof(float) == 4);

namespace {

// Whether indices[t], [t + 1] and [t + 2] all name one of `vertexCount` vertices.
bool cornersInside(const std::vector<std::uint32_t>& indices, std::size_t t, std::size_t vertexCount) {
  return indices[t] < vertexCount && indices[t + 1] < vertexCount && indices[t + 2] < vertexCount;
}

// How many of a mesh's indices the geometry keeps: whole triangles with every corner inside.
std::size_t keptIndexCount(const objl::Mesh& mesh) {
  const std::size_t whole = mesh.indices.size() - mesh.indices.size() % 3;
  std::size_t kept = 0;
  for (std::size_t t = 0; t < whole; t += 3) {
    if (cornersInside(mesh.indices, t, mesh.vertices.size())) kept += 3;
  }
  return kept;
}

void write3(std::vector<float>& array, std::size_t k, float x, float y, float z) {
  array[3 * k] = x;
  array[3 * k + 1] = y;
  array[3 * k + 2] = z;
}

void write3(std::vector<float>& array, std::size_t k, const GLFWVector3& v) { write3(array, k, v.x, v.y, v.z); }

GLFWVector3 read3(const std::vector<float>& array, std::size_t k) {
  return {array[3 * k], array[3 * k + 1], array[3 * k + 2]};
}

// Copies `count` floats of `source` from `from` to `destination` at `to`.
void copyFloats(std::vector<float>& destination, std::size_t to, const std::vector<float>& source, std::size_t from,
                std::size_t count) {
  std::copy_n(source.begin() + static_cast<std::ptrdiff_t>(from), count,
              destination.begin() + static_cast<std::ptrdiff_t>(to));
}

}  // namespace

void exitOnMeshLoadFailure() {
  platform::showMessageBox("Failed to load mesh", "Debug");
  glfwTerminate();
  std::exit(0);
}

GLFWMeshGeometry::GLFWMeshGeometry(unsigned short objResourceId, unsigned short mtlResourceId, float scale_)
    : scale(scale_) {
  load(objResourceId, mtlResourceId, scale_);
}

GLFWMeshGeometry::GLFWMeshGeometry(const std::vector<objl::Mesh>& meshes, float scale_) : scale(scale_) {
  build(meshes);
}

void GLFWMeshGeometry::load(unsigned short objResourceId, unsigned short mtlResourceId, float scale_) {
  scale = scale_;
  objl::MeshLoader loader;
  if (!loader.loadObj(objResourceId, mtlResourceId)) exitOnMeshLoadFailure();
  build(loader.meshes);
}

void GLFWMeshGeometry::build(const std::vector<objl::Mesh>& meshes) {
  std::size_t totalVertices = 0;
  std::size_t totalIndices = 0;
  for (const objl::Mesh& mesh : meshes) {
    totalVertices += mesh.vertices.size();
    totalIndices += keptIndexCount(mesh);
  }
  // Counts that the mesh data's byte sizes could not express.
  if (totalVertices > static_cast<std::size_t>(kMaxMeshVertices) ||
      totalIndices > static_cast<std::size_t>(kMaxMeshIndices)) {
    exitOnMeshLoadFailure();
  }
  vertexCount = static_cast<std::int32_t>(totalVertices);
  indexCount = static_cast<std::int32_t>(totalIndices);

  // Sized once from the counts; tangents and bitangents stay zero where no triangle writes them.
  positions.assign(3 * totalVertices, 0.0f);
  texCoords.assign(2 * totalVertices, 0.0f);
  normals.assign(3 * totalVertices, 0.0f);
  tangents.assign(3 * totalVertices, 0.0f);
  bitangents.assign(3 * totalVertices, 0.0f);
  ambient.assign(3 * totalVertices, 0.0f);
  diffuse.assign(3 * totalVertices, 0.0f);
  specular.assign(4 * totalVertices, 0.0f);
  indices.assign(totalIndices, 0u);

  std::size_t vb = 0;
  std::size_t ib = 0;
  for (const objl::Mesh& mesh : meshes) {
    const objl::Material& material = mesh.material;
    for (std::size_t i = 0; i < mesh.vertices.size(); ++i) {
      const objl::Vertex& vertex = mesh.vertices[i];
      const std::size_t k = vb + i;
      write3(positions, k, vertex.position.x * scale, vertex.position.y * scale, vertex.position.z * scale);
      write3(normals, k, normalize(GLFWVector3(vertex.normal.x, vertex.normal.y, vertex.normal.z)));
      texCoords[2 * k] = vertex.texCoord.x;
      texCoords[2 * k + 1] = vertex.texCoord.y;
      write3(ambient, k, material.Ka.x, material.Ka.y, material.Ka.z);
      write3(diffuse, k, material.Kd.x, material.Kd.y, material.Kd.z);
      specular[4 * k] = material.Ks.x;
      specular[4 * k + 1] = material.Ks.y;
      specular[4 * k + 2] = material.Ks.z;
      specular[4 * k + 3] = material.Ns;
    }
    const std::size_t whole = mesh.indices.size() - mesh.indices.size() % 3;
    for (std::size_t t = 0; t < whole; t += 3) {
      if (!cornersInside(mesh.indices, t, mesh.vertices.size())) continue;
      for (std::size_t c = 0; c < 3; ++c) indices[ib++] = static_cast<std::uint32_t>(vb + mesh.indices[t + c]);
    }
    vb += mesh.vertices.size();
  }

  computeTangents();
}

void GLFWMeshGeometry::computeTangents() {
  const std::size_t usableVertices = std::min({positions.size() / 3, texCoords.size() / 2, tangents.size() / 3,
                                               bitangents.size() / 3});
  const std::size_t count = std::min(indices.size(), static_cast<std::size_t>(std::max(indexCount, 0)));
  for (std::size_t t = 0; t + 2 < count; t += 3) {
    if (!cornersInside(indices, t, usableVertices)) continue;
    const std::size_t a = indices[t];
    const std::size_t b = indices[t + 1];
    const std::size_t c = indices[t + 2];
    const GLFWVector3 pa = read3(positions, a);
    const GLFWVector3 e1 = read3(positions, b) - pa;
    const GLFWVector3 e2 = read3(positions, c) - pa;
    const GLFWVector2 ua(texCoords[2 * a], texCoords[2 * a + 1]);
    const GLFWVector2 d1 = GLFWVector2(texCoords[2 * b], texCoords[2 * b + 1]) - ua;
    const GLFWVector2 d2 = GLFWVector2(texCoords[2 * c], texCoords[2 * c + 1]) - ua;
    // A triangle whose texture coordinates span no area gives non-finite values, unreported.
    const float r = 1.0f / (d1.x * d2.y - d2.x * d1.y);
    GLFWVector3 tangent;
    GLFWVector3 bitangent;
    for (int x = 0; x < 3; ++x) {
      tangent[x] = (d2.y * e1[x] - d1.y * e2[x]) * r;
      bitangent[x] = (-d2.x * e1[x] + d1.x * e2[x]) * r;
    }
    tangent = normalize(tangent);
    bitangent = normalize(bitangent);
    for (std::size_t corner : {a, b, c}) {
      write3(tangents, corner, tangent);
      write3(bitangents, corner, bitangent);
    }
  }
}

GLFWMeshData::GLFWMeshData(unsigned short objResourceId, unsigned short mtlResourceId, float scale)
    : geometry(std::make_unique<GLFWMeshGeometry>(objResourceId, mtlResourceId, scale)), ownsGeometry(1) {
  interleave();
}

GLFWMeshData::GLFWMeshData(unsigned short vertexDataResourceId, std::int32_t vertexCount_,
                           unsigned short indexDataResourceId, std::int32_t indexCount_)
    : vertexCount(vertexCount_), indexCount(indexCount_), ownsGeometry(0) {
  if (vertexCount < 0 || vertexCount > kMaxMeshVertices || indexCount < 0 || indexCount > kMaxMeshIndices) {
    exitOnMeshLoadFailure();
  }
  const std::size_t vertexBytes = static_cast<std::size_t>(vertexCount) * 24 * sizeof(float);
  const std::size_t indexBytes = static_cast<std::size_t>(indexCount) * sizeof(std::uint32_t);
  const std::string_view vertexResource = platform::resourceBytes(vertexDataResourceId, "TEXTFILE");
  const std::string_view indexResource = platform::resourceBytes(indexDataResourceId, "TEXTFILE");
  if (vertexResource.size() < vertexBytes || indexResource.size() < indexBytes) exitOnMeshLoadFailure();

  vertexData.resize(static_cast<std::size_t>(vertexCount) * 24);
  indexData.resize(static_cast<std::size_t>(indexCount));
  if (vertexBytes > 0) std::memcpy(vertexData.data(), vertexResource.data(), vertexBytes);
  if (indexBytes > 0) std::memcpy(indexData.data(), indexResource.data(), indexBytes);
  for (std::uint32_t index : indexData) {
    if (index >= static_cast<std::uint32_t>(vertexCount)) exitOnMeshLoadFailure();
  }
}

void GLFWMeshData::interleave() {
  vertexCount = geometry->vertexCount;
  indexCount = geometry->indexCount;
  vertexData.assign(static_cast<std::size_t>(vertexCount) * static_cast<std::size_t>(vertexStride), 0.0f);
  indexData.assign(static_cast<std::size_t>(indexCount), 0u);
  for (std::size_t i = 0; i < static_cast<std::size_t>(vertexCount); ++i) {
    const std::size_t base = i * static_cast<std::size_t>(vertexStride);
    copyFloats(vertexData, base + positionOffset, geometry->positions, 3 * i, 3);
    copyFloats(vertexData, base + texCoordOffset, geometry->texCoords, 2 * i, 2);
    copyFloats(vertexData, base + normalOffset, geometry->normals, 3 * i, 3);
    copyFloats(vertexData, base + tangentOffset, geometry->tangents, 3 * i, 3);
    copyFloats(vertexData, base + bitangentOffset, geometry->bitangents, 3 * i, 3);
    copyFloats(vertexData, base + ambientOffset, geometry->ambient, 3 * i, 3);
    copyFloats(vertexData, base + diffuseOffset, geometry->diffuse, 3 * i, 3);
    copyFloats(vertexData, base + specularOffset, geometry->specular, 4 * i, 4);
  }
  std::copy(geometry->indices.begin(), geometry->indices.end(), indexData.begin());
}
