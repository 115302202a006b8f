#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/native_resources.h"
#include "render/mesh_data.h"

namespace {

constexpr unsigned short kTriangleObj = 9001;
constexpr unsigned short kTriangleMtl = 9002;
constexpr unsigned short kTwoGroupsObj = 9003;
constexpr unsigned short kMissing = 9099;

// One triangle whose corners differ in every attribute, and its material.
constexpr const char* kTriangleObjText =
    "mtllib triangle.mtl\n"
    "v 0 0 0\nv 2 0 0\nv 0 3 0.5\n"
    "vt 0 0\nvt 1 0\nvt 0 1\n"
    "vn 0 0 2\nvn 0 4 3\n"
    "o Triangle\nusemtl glow\n"
    "f 1/1/1 2/2/2 3/3/1\n";
constexpr const char* kTriangleMtlText =
    "newmtl glow\nKa 0.1 0.2 0.3\nKd 0.4 0.5 0.6\nKs 0.7 0.8 0.9\nNs 32\n"
    "newmtl dull\nKa 0.9 0.9 0.9\nKd 0.8 0.8 0.8\nKs 0 0 0\nNs 2\n";
// Two groups, one face each, with different materials.
constexpr const char* kTwoGroupsObjText =
    "mtllib triangle.mtl\n"
    "v 0 0 0\nv 1 0 0\nv 0 1 0\nv 1 1 0\n"
    "vt 0 0\nvt 1 0\nvt 0 1\nvt 1 1\n"
    "vn 0 0 1\n"
    "g first\nusemtl glow\nf 1/1/1 2/2/1 4/4/1 3/3/1\n"
    "g second\nusemtl dull\nf 1/1/1 2/2/1 3/3/1\n";

class MeshDataTest : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    platform::native::registerResource(kTriangleObj, "TEXTFILE", kTriangleObjText);
    platform::native::registerResource(kTriangleMtl, "TEXTFILE", kTriangleMtlText);
    platform::native::registerResource(kTwoGroupsObj, "TEXTFILE", kTwoGroupsObjText);
  }
};

std::string bytesOf(const void* data, std::size_t count) {
  return std::string(static_cast<const char*>(data), count);
}

TEST_F(MeshDataTest, VertexRecordsInterleaveTheGeometry) {
  GLFWMeshData data(kTriangleObj, kTriangleMtl, 2.0f);
  ASSERT_EQ(data.ownsGeometry, 1);
  ASSERT_NE(data.geometry, nullptr);
  const GLFWMeshGeometry& g = *data.geometry;
  ASSERT_EQ(data.vertexCount, 3);
  ASSERT_EQ(data.getIndexCount(), 3);
  EXPECT_EQ(data.getVertexStride(), 24);
  EXPECT_EQ(data.getVertexDataBytes(), 3 * 96);
  EXPECT_EQ(data.getIndexDataBytes(), 12);

  const float* v = data.getVertexData();
  // Vertex 1: position (2, 0, 0) scaled by 2 at floats 24 to 26, specular exponent at 47.
  EXPECT_EQ(v[24], 4.0f);
  EXPECT_EQ(v[25], 0.0f);
  EXPECT_EQ(v[26], 0.0f);
  EXPECT_EQ(v[47], 32.0f);

  const struct {
    const char* name;
    int offset;
    int width;
    const std::vector<float>& source;
  } layout[] = {
      {"position", 0, 3, g.positions},   {"texCoord", 3, 2, g.texCoords},  {"normal", 5, 3, g.normals},
      {"tangent", 8, 3, g.tangents},     {"bitangent", 11, 3, g.bitangents}, {"ambient", 14, 3, g.ambient},
      {"diffuse", 17, 3, g.diffuse},     {"specular", 20, 4, g.specular},
  };
  for (int k = 0; k < 3; ++k) {
    for (const auto& a : layout) {
      for (int c = 0; c < a.width; ++c) {
        EXPECT_EQ(v[24 * k + a.offset + c], a.source[a.width * k + c]) << a.name << " of vertex " << k;
      }
    }
  }
  EXPECT_FLOAT_EQ(v[24 + 5 + 1], 0.8f);  // normal (0, 4, 3) made unit length
  EXPECT_FLOAT_EQ(v[14 + 2], 0.3f);      // ambient blue of "glow"
  for (int i = 0; i < 3; ++i) EXPECT_EQ(data.getIndexData()[i], g.indices[i]);
}

TEST_F(MeshDataTest, GroupsOfAModelFollowEachOther) {
  GLFWMeshData data(kTwoGroupsObj, kTriangleMtl, 1.0f);
  // The quad's four corners, then the triangle's three.
  ASSERT_EQ(data.vertexCount, 7);
  ASSERT_EQ(data.getIndexCount(), 9);
  for (int i = 0; i < 6; ++i) EXPECT_LT(data.getIndexData()[i], 4u) << i;
  for (int i = 6; i < 9; ++i) EXPECT_EQ(data.getIndexData()[i], static_cast<std::uint32_t>(i - 2)) << i;
  const float* v = data.getVertexData();
  EXPECT_FLOAT_EQ(v[24 * 3 + 23], 32.0f);  // last vertex of "glow"
  EXPECT_FLOAT_EQ(v[24 * 4 + 23], 2.0f);   // first vertex of "dull"
  EXPECT_FLOAT_EQ(v[24 * 6 + 14], 0.9f);
}

TEST_F(MeshDataTest, UnreadableModelEndsTheProcessWithItsBox) {
  EXPECT_EXIT(GLFWMeshData(kMissing, kTriangleMtl, 1.0f), testing::ExitedWithCode(0),
              "\\[Debug\\] Failed to load mesh");
}

TEST_F(MeshDataTest, StoredArraysRoundTrip) {
  GLFWMeshData model(kTwoGroupsObj, kTriangleMtl, 1.0f);
  const std::string vertexBytes = bytesOf(model.getVertexData(), model.getVertexDataBytes());
  const std::string indexBytes = bytesOf(model.getIndexData(), model.getIndexDataBytes());
  // A trailing byte each: only the counted bytes are taken.
  platform::native::registerResource(9011, "TEXTFILE", vertexBytes + "x");
  platform::native::registerResource(9012, "TEXTFILE", indexBytes + "y");

  GLFWMeshData stored(9011, model.vertexCount, 9012, model.getIndexCount());
  EXPECT_EQ(stored.ownsGeometry, 0);
  EXPECT_EQ(stored.geometry, nullptr);
  EXPECT_EQ(stored.getVertexStride(), 24);
  EXPECT_EQ(stored.getVertexDataBytes(), model.getVertexDataBytes());
  EXPECT_EQ(stored.getIndexDataBytes(), model.getIndexDataBytes());
  EXPECT_EQ(bytesOf(stored.getVertexData(), stored.getVertexDataBytes()), vertexBytes);
  EXPECT_EQ(bytesOf(stored.getIndexData(), stored.getIndexDataBytes()), indexBytes);
}

TEST_F(MeshDataTest, StoredArraysWithNothingToReadNeedNoResource) {
  GLFWMeshData empty(kMissing, 0, kMissing, 0);
  EXPECT_EQ(empty.getVertexDataBytes(), 0);
  EXPECT_EQ(empty.getIndexCount(), 0);
}

// Stored arrays that do not hold what their counts promise are refused like an unreadable model.
TEST_F(MeshDataTest, StoredArraysOutsideTheirResourcesAreRefused) {
  const std::string oneVertex(96, '\0');
  std::uint32_t zeroOne[2] = {0, 1};
  const std::string twoIndices = bytesOf(zeroOne, sizeof zeroOne);
  platform::native::registerResource(9021, "TEXTFILE", oneVertex);
  platform::native::registerResource(9022, "TEXTFILE", oneVertex.substr(1));
  platform::native::registerResource(9023, "TEXTFILE", twoIndices);
  platform::native::registerResource(9024, "TEXTFILE", twoIndices.substr(0, 7));
  const struct {
    const char* name;
    unsigned short vertexId;
    std::int32_t vertexCount;
    unsigned short indexId;
    std::int32_t indexCount;
  } cases[] = {
      {"negative vertex count", 9021, -1, 9023, 0},
      {"negative index count", 9021, 1, 9023, -3},
      {"vertex resource a byte short", 9022, 1, 9023, 1},
      {"index resource a byte short", 9021, 1, 9024, 2},
      {"missing vertex resource", kMissing, 1, 9023, 1},
      {"missing index resource", 9021, 1, kMissing, 1},
      {"index at the vertex count", 9021, 1, 9023, 2},
      {"vertex count past the byte sizes", 9021, kMaxMeshVertices + 1, 9023, 0},
      {"index count past the byte sizes", 9021, 1, 9023, kMaxMeshIndices + 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EXIT(GLFWMeshData(c.vertexId, c.vertexCount, c.indexId, c.indexCount), testing::ExitedWithCode(0),
                "\\[Debug\\] Failed to load mesh");
  }
  // The same resources within their bounds are accepted.
  GLFWMeshData fits(9021, 1, 9023, 1);
  EXPECT_EQ(fits.getIndexData()[0], 0u);
}

}  // namespace
