#include <cmath>
#include <vector>

#include <gtest/gtest.h>

#include "render/mesh_data.h"

namespace {

objl::Vertex corner(float x, float y, float z, float u, float v, objl::Vector3 normal = {0.0f, 0.0f, 1.0f}) {
  objl::Vertex vertex;
  vertex.position = {x, y, z};
  vertex.texCoord = {u, v};
  vertex.normal = normal;
  return vertex;
}

objl::Mesh mesh(const std::vector<objl::Vertex>& vertices, const std::vector<unsigned>& indices,
                float shade = 0.0f) {
  objl::Mesh m(vertices, indices);
  m.material.Ka = {shade, 0.1f, 0.2f};
  m.material.Kd = {shade, 0.3f, 0.4f};
  m.material.Ks = {shade, 0.5f, 0.6f};
  m.material.Ns = 10.0f + shade;
  return m;
}

// The right triangle at the origin with texture coordinates that follow x and y.
objl::Mesh unitTriangle() {
  return mesh({corner(0, 0, 0, 0, 0), corner(1, 0, 0, 1, 0), corner(0, 1, 0, 0, 1)}, {0, 1, 2});
}

void expect3(const std::vector<float>& array, int k, float x, float y, float z) {
  EXPECT_EQ(array[3 * k], x) << "vertex " << k;
  EXPECT_EQ(array[3 * k + 1], y) << "vertex " << k;
  EXPECT_EQ(array[3 * k + 2], z) << "vertex " << k;
}

TEST(MeshGeometryTest, LaterMeshesIndexPastTheEarlierVertices) {
  const std::vector<objl::Mesh> meshes = {
      mesh({corner(0, 0, 0, 0, 0), corner(1, 0, 0, 1, 0), corner(0, 1, 0, 0, 1), corner(1, 1, 0, 1, 1)},
           {0, 1, 2, 2, 1, 3}),
      unitTriangle(),
  };
  const GLFWMeshGeometry geometry(meshes, 1.0f);
  EXPECT_EQ(geometry.getVertexCount(), 7);
  EXPECT_EQ(geometry.getIndexCount(), 9);
  EXPECT_EQ(geometry.indices, (std::vector<std::uint32_t>{0, 1, 2, 2, 1, 3, 4, 5, 6}));
  expect3(geometry.positions, 4, 0.0f, 0.0f, 0.0f);
  expect3(geometry.positions, 5, 1.0f, 0.0f, 0.0f);
}

TEST(MeshGeometryTest, ScaleChangesPositionsOnly) {
  const std::vector<objl::Mesh> meshes = {
      mesh({corner(0.5f, -1, 3, 0, 0, {0, 2, 0}), corner(4, 0.25f, 1, 1, 0.5f, {1, 1, 0}),
            corner(-2, 1, 0.75f, 0.25f, 1, {0, 0, -3})},
           {0, 1, 2}),
  };
  const GLFWMeshGeometry one(meshes, 1.0f);
  const GLFWMeshGeometry two(meshes, 2.0f);
  ASSERT_EQ(two.positions.size(), one.positions.size());
  for (std::size_t i = 0; i < one.positions.size(); ++i) EXPECT_EQ(two.positions[i], 2.0f * one.positions[i]);
  EXPECT_EQ(two.normals, one.normals);
  EXPECT_EQ(two.texCoords, one.texCoords);
  EXPECT_EQ(two.tangents, one.tangents);
  EXPECT_EQ(two.bitangents, one.bitangents);
  EXPECT_EQ(two.scale, 2.0f);
}

TEST(MeshGeometryTest, UnitTriangleTangentFollowsU) {
  const GLFWMeshGeometry geometry({unitTriangle()}, 1.0f);
  for (int k = 0; k < 3; ++k) {
    expect3(geometry.tangents, k, 1.0f, 0.0f, 0.0f);
    expect3(geometry.bitangents, k, 0.0f, 1.0f, 0.0f);
  }
}

TEST(MeshGeometryTest, SharedVertexKeepsTheLaterTriangle) {
  // Triangle A (0, 1, 2) has tangent +x; triangle B (0, 3, 4) has tangent +z. Vertex 0 is in both.
  const std::vector<objl::Vertex> vertices = {corner(0, 0, 0, 0, 0), corner(1, 0, 0, 1, 0), corner(0, 1, 0, 0, 1),
                                              corner(0, 0, 1, 1, 0), corner(0, 1, 0, 0, 1)};
  const struct {
    const char* name;
    std::vector<unsigned> indices;
    float vertex0TangentX, vertex0TangentZ;
  } cases[] = {
      {"A then B", {0, 1, 2, 0, 3, 4}, 0.0f, 1.0f},
      {"B then A", {0, 3, 4, 0, 1, 2}, 1.0f, 0.0f},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const GLFWMeshGeometry geometry({mesh(vertices, c.indices)}, 1.0f);
    expect3(geometry.tangents, 0, c.vertex0TangentX, 0.0f, c.vertex0TangentZ);
    expect3(geometry.tangents, 1, 1.0f, 0.0f, 0.0f);
    expect3(geometry.tangents, 3, 0.0f, 0.0f, 1.0f);
    expect3(geometry.bitangents, 0, 0.0f, 1.0f, 0.0f);
  }
}

TEST(MeshGeometryTest, DegenerateInputsGiveNonFiniteValuesQuietly) {
  // All three texture coordinates equal, and a zero normal on vertex 1.
  const GLFWMeshGeometry geometry(
      {mesh({corner(0, 0, 0, 0.5f, 0.5f), corner(1, 0, 0, 0.5f, 0.5f, {0, 0, 0}), corner(0, 1, 0, 0.5f, 0.5f)},
            {0, 1, 2})},
      1.0f);
  for (int i = 0; i < 9; ++i) {
    EXPECT_FALSE(std::isfinite(geometry.tangents[i])) << i;
    EXPECT_FALSE(std::isfinite(geometry.bitangents[i])) << i;
  }
  for (int i = 3; i < 6; ++i) EXPECT_FALSE(std::isfinite(geometry.normals[i])) << i;
  expect3(geometry.normals, 0, 0.0f, 0.0f, 1.0f);
}

TEST(MeshGeometryTest, EveryVertexCarriesItsMeshMaterialAndAUnitNormal) {
  objl::Mesh first = mesh({corner(0, 0, 0, 0.25f, 0.75f, {0, 0, 2}), corner(1, 0, 0, 1, 0, {3, 0, 4}),
                           corner(0, 1, 0, 0, 1)},
                          {0, 1, 2}, 0.25f);
  const GLFWMeshGeometry geometry({first, mesh(unitTriangle().vertices, {0, 1, 2}, 0.75f)}, 1.0f);
  for (int k = 0; k < 6; ++k) {
    const objl::Material& m = k < 3 ? first.material : mesh({}, {}, 0.75f).material;
    SCOPED_TRACE(k);
    expect3(geometry.ambient, k, m.Ka.x, m.Ka.y, m.Ka.z);
    expect3(geometry.diffuse, k, m.Kd.x, m.Kd.y, m.Kd.z);
    EXPECT_EQ(geometry.specular[4 * k], m.Ks.x);
    EXPECT_EQ(geometry.specular[4 * k + 1], m.Ks.y);
    EXPECT_EQ(geometry.specular[4 * k + 2], m.Ks.z);
    EXPECT_EQ(geometry.specular[4 * k + 3], m.Ns);
  }
  expect3(geometry.normals, 0, 0.0f, 0.0f, 1.0f);
  expect3(geometry.normals, 1, 0.6f, 0.0f, 0.8f);
  EXPECT_EQ(geometry.texCoords[0], 0.25f);
  EXPECT_EQ(geometry.texCoords[1], 0.75f);
}

// Index lists a loader should not produce: the geometry keeps only whole triangles inside their
// own mesh, so later meshes stay aligned and nothing names a vertex that is not there.
TEST(MeshGeometryTest, MalformedIndexListsKeepOnlySoundTriangles) {
  const objl::Mesh triangle = unitTriangle();
  const struct {
    const char* name;
    std::vector<unsigned> firstIndices;
    std::vector<std::uint32_t> expected;
  } cases[] = {
      {"one index past a triangle", {0, 1, 2, 0}, {0, 1, 2, 3, 4, 5}},
      {"two indices past a triangle", {2, 1, 0, 1, 2}, {2, 1, 0, 3, 4, 5}},
      {"no whole triangle", {0, 1}, {3, 4, 5}},
      {"corner in the next mesh", {0, 1, 3, 0, 1, 2}, {0, 1, 2, 3, 4, 5}},
      {"corner past every vertex", {0, 1, 2, 9, 0, 1}, {0, 1, 2, 3, 4, 5}},
      {"largest index", {0xFFFFFFFFu, 0, 1}, {3, 4, 5}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const GLFWMeshGeometry geometry({mesh(triangle.vertices, c.firstIndices), triangle}, 1.0f);
    EXPECT_EQ(geometry.getVertexCount(), 6);
    EXPECT_EQ(geometry.getIndexCount(), static_cast<std::int32_t>(c.expected.size()));
    EXPECT_EQ(geometry.indices, c.expected);
    // The second mesh's triangle still gets its own tangent.
    expect3(geometry.tangents, 4, 1.0f, 0.0f, 0.0f);
  }
}

TEST(MeshGeometryTest, TangentPassStaysInsideItsArrays) {
  const struct {
    const char* name;
    std::vector<std::uint32_t> indices;
    std::int32_t indexCount;
    bool written;
  } cases[] = {
      {"partial triangle after a whole one", {0, 1, 2, 0, 1}, 5, true},
      {"only a partial triangle", {0, 1}, 2, false},
      {"corner at the vertex count", {0, 1, 3}, 3, false},
      {"count beyond the list", {0, 1, 2}, 6, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    GLFWMeshGeometry geometry({unitTriangle()}, 1.0f);
    geometry.tangents.assign(9, 0.0f);
    geometry.bitangents.assign(9, 0.0f);
    geometry.indices = c.indices;
    geometry.indexCount = c.indexCount;
    geometry.computeTangents();
    EXPECT_EQ(geometry.tangents[0], c.written ? 1.0f : 0.0f);
    EXPECT_EQ(geometry.bitangents[1], c.written ? 1.0f : 0.0f);
  }
}

}  // namespace
