#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "mesh/mesh_loader.h"
#include "mesh_test_support.h"

namespace {

using objl::Vector2;
using objl::Vector3;

// Positions (0,0,0) (1,0,0) (0,1,0), texture coordinates (0,0) (1,0) (0,1) and the normal (0,0,1).
const std::string kBase = "v 0 0 0\nv 1 0 0\nv 0 1 0\nvt 0 0\nvt 1 0\nvt 0 1\nvn 0 0 1\n";

objl::Vertex vertex(Vector3 position, Vector2 texCoord, Vector3 normal) {
  objl::Vertex v;
  v.position = position;
  v.texCoord = texCoord;
  v.normal = normal;
  return v;
}

void expectSameVertices(const std::vector<objl::Vertex>& actual, const std::vector<objl::Vertex>& expected) {
  ASSERT_EQ(actual.size(), expected.size());
  for (size_t i = 0; i < actual.size(); ++i) {
    SCOPED_TRACE("vertex " + std::to_string(i));
    EXPECT_TRUE(actual[i].position == expected[i].position);
    EXPECT_TRUE(actual[i].normal == expected[i].normal);
    EXPECT_EQ(actual[i].texCoord.x, expected[i].texCoord.x);
    EXPECT_EQ(actual[i].texCoord.y, expected[i].texCoord.y);
  }
}

struct Loaded {
  objl::MeshLoader loader;
  bool ok = false;
  std::string progress;
};

// Loads with the progress text collected instead of printed.
void load(Loaded& loaded, const std::string& obj, const std::string& mtl = "") {
  std::ostringstream progress;
  loaded.loader.setProgressOutput(&progress);
  loaded.ok = loaded.loader.loadObjText(obj, mtl);
  loaded.progress = progress.str();
}

TEST(ObjReader, TheQuadModel) {
  const std::string obj = meshtest::fixture("quad.obj");
  const std::string mtl = meshtest::fixture("quad.mtl");
  objl::MeshLoader loader;
  bool ok = false;
  std::string out;
  {
    meshtest::CoutCapture capture;
    ok = loader.loadObjText(obj, mtl);
    out = capture.text();
  }
  ASSERT_TRUE(ok);

  const std::string progress =
      "\r- Plane001\t| vertices > 4\t| texcoords > 4\t| normals > 1\t| triangles > 0";
  EXPECT_EQ(out, "\n" + progress + "\n" + progress + progress + "\t| material: wire_198225087" + "\n");

  const Vector3 p1(-1, -1, 0), p2(1, -1, 0), p3(-1, 1, 0), p4(1, 1, 0);
  const Vector2 t1(0, 0), t2(1, 0), t3(0, 1), t4(1, 1);
  const Vector3 n(0, -0.0f, 1);
  const std::vector<objl::Vertex> expected{vertex(p1, t1, n), vertex(p2, t2, n), vertex(p3, t3, n),
                                           vertex(p4, t4, n), vertex(p3, t3, n), vertex(p2, t2, n)};
  ASSERT_EQ(loader.meshes.size(), 1u);
  const objl::Mesh& mesh = loader.meshes[0];
  EXPECT_EQ(mesh.name, "Plane001");
  expectSameVertices(mesh.vertices, expected);
  EXPECT_EQ(mesh.indices, (std::vector<unsigned>{0, 1, 2, 3, 4, 5}));
  expectSameVertices(loader.vertices, expected);
  EXPECT_EQ(loader.indices, mesh.indices);

  EXPECT_EQ(mesh.material.name, "wire_198225087");
  EXPECT_TRUE(mesh.material.Ka == Vector3(0.7765f, 0.8824f, 0.3412f));
  EXPECT_TRUE(mesh.material.Kd == Vector3(0.7765f, 0.8824f, 0.3412f));
  EXPECT_TRUE(mesh.material.Ks == Vector3(0.35f, 0.35f, 0.35f));
  EXPECT_EQ(mesh.material.Ns, 32.0f);
  EXPECT_EQ(mesh.material.d, 1.0f);
  EXPECT_EQ(mesh.material.Ni, 0.0f);
  EXPECT_EQ(mesh.material.illum, 2);
}

TEST(ObjReader, SingleLines) {
  const Vector3 up(0, 0, 1), down(0, 0, -1), p1(0, 0, 0), p2(1, 0, 0), p3(0, 1, 0);
  const Vector2 none(0, 0);
  struct Case {
    std::string lines;
    std::vector<objl::Vertex> vertices;
    std::vector<unsigned> indices;
  };
  const Case cases[] = {
      {"v 1 2 3 4\nf -1//1 1//1 2//1", {vertex({1, 2, 3}, none, up), vertex(p1, none, up), vertex(p2, none, up)}, {0, 1, 2}},
      {"vt 0.5 0.25 0\nf 1/-1/1 2/1/1 3/1/1",
       {vertex(p1, {0.5f, 0.25f}, up), vertex(p2, none, up), vertex(p3, none, up)},
       {0, 1, 2}},
      {"f 1 2 3", {vertex(p1, none, down), vertex(p2, none, down), vertex(p3, none, down)}, {0, 1, 2}},
      {"f 1//1 2//1 3//1", {vertex(p1, none, up), vertex(p2, none, up), vertex(p3, none, up)}, {0, 1, 2}},
      {"f 1/1/1 2/2 3/3/1", {vertex(p1, {0, 0}, down), vertex(p2, {1, 0}, down), vertex(p3, {0, 1}, down)}, {0, 1, 2}},
      {"f -3 -2 -1", {vertex(p1, none, down), vertex(p2, none, down), vertex(p3, none, down)}, {0, 1, 2}},
      {"f 1//1 2//1", {vertex(p1, none, up), vertex(p2, none, up)}, {}},
      // A corner keeps what it does not set from the corner before it.
      {"vn 1 0 0\nf 1/2/2 2//1 3/3/1",
       {vertex(p1, {1, 0}, {1, 0, 0}), vertex(p2, none, up), vertex(p3, {0, 1}, up)},
       {0, 1, 2}},
      {"v 1 1 0\nf 1 2 4 3", {vertex(p1, none, down), vertex(p2, none, down), vertex({1, 1, 0}, none, down),
                              vertex(p3, none, down)},
       {0, 1, 3, 1, 2, 3}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.lines);
    Loaded loaded;
    load(loaded, kBase + c.lines + "\n");
    EXPECT_TRUE(loaded.ok);
    expectSameVertices(loaded.loader.vertices, c.vertices);
    EXPECT_EQ(loaded.loader.indices, c.indices);
  }
}

struct MeshSummary {
  std::string name;
  size_t vertices;
  std::vector<unsigned> indices;
  std::string material;

  bool operator==(const MeshSummary& o) const {
    return name == o.name && vertices == o.vertices && indices == o.indices && material == o.material;
  }
};

std::ostream& operator<<(std::ostream& out, const MeshSummary& m) {
  out << "{" << m.name << ", " << m.vertices << " vertices, [";
  for (unsigned i : m.indices) out << i << " ";
  return out << "], " << m.material << "}";
}

std::vector<MeshSummary> summaries(const objl::MeshLoader& loader) {
  std::vector<MeshSummary> result;
  for (const objl::Mesh& mesh : loader.meshes) {
    result.push_back({mesh.name, mesh.vertices.size(), mesh.indices, mesh.material.name});
  }
  return result;
}

TEST(ObjReader, GroupsAndMaterials) {
  const std::string colours = "newmtl red\nKd 1 0 0\nnewmtl blue\nKd 0 0 1\n";
  const std::string face = "f 1 2 3\n";
  struct Case {
    std::string name, obj;
    std::vector<MeshSummary> meshes;
  };
  const Case cases[] = {
      {"two groups", "g a\n" + face + "g b\n" + face, {{"a", 3, {0, 1, 2}, ""}, {"b", 3, {0, 1, 2}, ""}}},
      {"o and g of one name", "o box\ng box\n" + face, {{"box", 3, {0, 1, 2}, ""}}},
      {"no group line", face + face, {{"", 6, {0, 1, 2, 3, 4, 5}, ""}}},
      {"line starting with g", "gadget\n" + face + "gizmo here\n" + face,
       {{"unnamed", 3, {0, 1, 2}, ""}, {"here", 3, {0, 1, 2}, ""}}},
      {"usemtl splits a group", "mtllib c.mtl\ng box\nusemtl red\n" + face + "usemtl blue\n" + face,
       {{"box_2", 3, {0, 1, 2}, "red"}, {"box", 3, {0, 1, 2}, "blue"}}},
      // The third part would clash with box_2; it takes the next free number.
      {"usemtl splits a group three times",
       "mtllib c.mtl\ng box\nusemtl red\n" + face + "usemtl blue\n" + face + "usemtl red\n" + face,
       {{"box_2", 3, {0, 1, 2}, "red"}, {"box_3", 3, {0, 1, 2}, "blue"}, {"box", 3, {0, 1, 2}, "red"}}},
      {"usemtl before mtllib", "g box\nusemtl blue\n" + face + "mtllib c.mtl\n", {{"box", 3, {0, 1, 2}, "blue"}}},
      {"material names go by position", "mtllib c.mtl\ng a\n" + face + "g b\nusemtl blue\n" + face,
       {{"a", 3, {0, 1, 2}, "blue"}, {"b", 3, {0, 1, 2}, ""}}},
      // More names than meshes: the extra names have no mesh to go to.
      {"more usemtl names than meshes", "mtllib c.mtl\nusemtl red\nusemtl blue\nusemtl red\n" + face,
       {{"", 3, {0, 1, 2}, "red"}}},
      {"unknown material keeps the default", "mtllib c.mtl\nusemtl green\n" + face, {{"", 3, {0, 1, 2}, ""}}},
      // Vertices without indices pass into the next mesh.
      {"two-corner face before a group", "f 1//1 2//1\ng a\n" + face, {{"a", 5, {2, 3, 4}, ""}}},
      {"carriage returns", "g ab\rcd\r\nusemtl red\r\nmtllib c.mtl\r\n" + face, {{"abd", 3, {0, 1, 2}, "red"}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Loaded loaded;
    load(loaded, kBase + c.obj, colours);
    EXPECT_TRUE(loaded.ok);
    EXPECT_EQ(summaries(loaded.loader), c.meshes);
  }
}

TEST(ObjReader, LoaderIndicesSpanTheWholeModel) {
  Loaded loaded;
  load(loaded, kBase + "g a\nf 1 2 3\ng b\nf 3 2 1 1\n");
  ASSERT_TRUE(loaded.ok);
  ASSERT_EQ(loaded.loader.meshes.size(), 2u);
  // Corners 3 and 4 share a position, so that face gives more than two triangles' worth.
  for (unsigned i : loaded.loader.meshes[1].indices) EXPECT_LT(i, loaded.loader.meshes[1].vertices.size());
  std::vector<unsigned> expected = loaded.loader.meshes[0].indices;
  for (unsigned i : loaded.loader.meshes[1].indices) expected.push_back(i + 3);
  EXPECT_EQ(loaded.loader.indices, expected);
  EXPECT_EQ(loaded.loader.vertices.size(), 7u);
}

TEST(ObjReader, TwoMtllibLinesReadTheLibraryTwice) {
  Loaded loaded;
  load(loaded, kBase + "mtllib a.mtl\nmtllib b.mtl\nusemtl red\nf 1 2 3\n", "newmtl red\nNs 5\n");
  ASSERT_TRUE(loaded.ok);
  ASSERT_EQ(loaded.loader.materials.size(), 2u);
  EXPECT_EQ(loaded.loader.meshes[0].material.Ns, 5.0f);
}

TEST(ObjReader, ProgressEveryThousandLinesAfterAReset) {
  std::string obj = kBase + "g a\n";
  for (int i = 0; i < 2500; ++i) obj += "# comment\n";
  obj += "f 1 2 3\n";
  Loaded loaded;
  load(loaded, obj);
  const std::string line = "\r- a\t| vertices > 3\t| texcoords > 3\t| normals > 1\t| triangles > 0";
  EXPECT_EQ(loaded.progress, "\n" + line + line + line + "\n");
}

TEST(ObjReader, TextsWithoutFacesFail) {
  for (const std::string& obj : {std::string(), kBase, kBase + "g a\nusemtl red\n", std::string("\n\n")}) {
    Loaded loaded;
    load(loaded, obj);
    EXPECT_FALSE(loaded.ok) << obj;
    EXPECT_TRUE(loaded.loader.meshes.empty());
  }
}

TEST(ObjReader, ASecondLoadReplacesMeshesButKeepsMaterials) {
  Loaded loaded;
  load(loaded, kBase + "mtllib a.mtl\ng a\nf 1 2 3\n", "newmtl first\n");
  load(loaded, kBase + "mtllib a.mtl\ng b\nusemtl first\nf 1 2 3\n", "newmtl first\nNs 7\n");
  ASSERT_TRUE(loaded.ok);
  EXPECT_EQ(summaries(loaded.loader), (std::vector<MeshSummary>{{"b", 3, {0, 1, 2}, "first"}}));
  EXPECT_EQ(loaded.loader.materials.size(), 2u);
  EXPECT_EQ(loaded.loader.meshes[0].material.Ns, 0.0f);  // the first copy wins
  EXPECT_EQ(loaded.loader.vertices.size(), 3u);
}

}  // namespace
