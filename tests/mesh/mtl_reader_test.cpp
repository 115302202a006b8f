#include <gtest/gtest.h>

#include <string>

#include "mesh/mesh_loader.h"
#include "mesh_test_support.h"

namespace {

using objl::Vector3;

TEST(MtlReader, TheQuadLibrary) {
  objl::MeshLoader loader;
  ASSERT_TRUE(loader.loadMaterialsText(meshtest::fixture("quad.mtl")));
  ASSERT_EQ(loader.materials.size(), 1u);
  const objl::Material& m = loader.materials[0];
  EXPECT_EQ(m.name, "wire_198225087");
  EXPECT_TRUE(m.Ka == Vector3(0.7765f, 0.8824f, 0.3412f));
  EXPECT_TRUE(m.Kd == Vector3(0.7765f, 0.8824f, 0.3412f));
  EXPECT_TRUE(m.Ks == Vector3(0.35f, 0.35f, 0.35f));
  EXPECT_EQ(m.Ns, 32.0f);
  EXPECT_EQ(m.Ni, 0.0f);
  EXPECT_EQ(m.d, 1.0f);
  EXPECT_EQ(m.illum, 2);
  for (const std::string* map : {&m.map_Ka, &m.map_Kd, &m.map_Ks, &m.map_Ns, &m.map_d, &m.map_bump}) {
    EXPECT_TRUE(map->empty());
  }
}

TEST(MtlReader, MaterialsInOrder) {
  objl::MeshLoader loader;
  ASSERT_TRUE(loader.loadMaterialsText("newmtl a\nNs 1\nnewmtl b\nNs 2\n"));
  ASSERT_EQ(loader.materials.size(), 2u);
  EXPECT_EQ(loader.materials[0].name, "a");
  EXPECT_EQ(loader.materials[0].Ns, 1.0f);
  EXPECT_EQ(loader.materials[1].name, "b");
  EXPECT_EQ(loader.materials[1].Ns, 2.0f);
  // Reading the same library again appends it again.
  loader.loadMaterialsText("newmtl a\nNs 1\nnewmtl b\nNs 2\n");
  EXPECT_EQ(loader.materials.size(), 4u);
}

TEST(MtlReader, LinesBeforeAnyNewmtlFillTheFirstMaterial) {
  objl::MeshLoader loader;
  ASSERT_TRUE(loader.loadMaterialsText("Kd 1 2 3\nnewmtl a\nNs 4\n"));
  ASSERT_EQ(loader.materials.size(), 1u);
  EXPECT_EQ(loader.materials[0].name, "a");
  EXPECT_TRUE(loader.materials[0].Kd == Vector3(1, 2, 3));

  objl::MeshLoader withoutName;
  ASSERT_TRUE(withoutName.loadMaterialsText("Kd 1 2 3\n"));
  ASSERT_EQ(withoutName.materials.size(), 1u);
  EXPECT_TRUE(withoutName.materials[0].name.empty());
  EXPECT_TRUE(withoutName.materials[0].Kd == Vector3(1, 2, 3));

  objl::MeshLoader empty;
  ASSERT_TRUE(empty.loadMaterialsText(""));
  ASSERT_EQ(empty.materials.size(), 1u);
  EXPECT_TRUE(empty.materials[0].name.empty());
}

// Each line is read after "newmtl m" and "Kd 0.5 0.5 0.5" / "Ns 9" / "illum 3"; what it leaves.
TEST(MtlReader, SingleLines) {
  struct Case {
    std::string line;
    std::string name;
    Vector3 Kd;
    float Ns;
    int illum;
  };
  const Vector3 half(0.5f, 0.5f, 0.5f);
  const Case cases[] = {
      {"Kd 1 0", "m", half, 9, 3},
      {"Kd 1 0 0 1", "m", half, 9, 3},
      {"Kd 1 0 0 \r", "m", half, 9, 3},  // the blank before the CR makes a fourth field
      {"Kd 1 0 0\r", "m", Vector3(1, 0, 0), 9, 3},
      {"illum 2.7", "m", half, 9, 2},
      {"Ns 32 shiny", "m", half, 32, 3},
      {"Ns 32\r", "m", half, 32, 3},
      {"newmtl   ", "", Vector3(), 0, 0},
      {"newmtl", "none", Vector3(), 0, 0},
      {"newmtl ", "none", Vector3(), 0, 0},  // seven characters
      {"newmtl \r", "\r", Vector3(), 0, 0},  // a name of only line breaks stays as it is
      {"newmtl\r", "m", half, 9, 3},        // the CR belongs to the token: no "newmtl" line
      {"newmtl x\r", "x", Vector3(), 0, 0},
      {"newmtl two words \r\n\r", "two words ", Vector3(), 0, 0},
      {"Tr 0", "m", half, 9, 3},
      {"kd 1 1 1", "m", half, 9, 3},  // keywords compare with case
      // Numbers without digits or out of range leave the field as it was.
      {"Ns abc", "m", half, 9, 3},
      {"Ns 1e999", "m", half, 9, 3},
      {"Kd 1 x 1", "m", half, 9, 3},
      {"Kd 1 1e39 1", "m", half, 9, 3},
      {"illum", "m", half, 9, 3},
      {"illum 99999999999", "m", half, 9, 3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    objl::MeshLoader loader;
    loader.loadMaterialsText("newmtl m\nKd 0.5 0.5 0.5\nNs 9\nillum 3\n" + c.line);
    const objl::Material& last = loader.materials.back();
    EXPECT_EQ(last.name, c.name);
    EXPECT_TRUE(last.Kd == c.Kd);
    EXPECT_EQ(last.Ns, c.Ns);
    EXPECT_EQ(last.illum, c.illum);
  }
}

TEST(MtlReader, MapNamesAreKeptAsWritten) {
  objl::MeshLoader loader;
  loader.loadMaterialsText(
      "map_Ka ka.png\nmap_Kd kd file.png\r\nmap_Ks ks.png\nmap_Ns ns.png\nmap_d d.png\nbump b1.png\nmap_Bump b2.png\n");
  const objl::Material& m = loader.materials[0];
  EXPECT_EQ(m.map_Ka, "ka.png");
  EXPECT_EQ(m.map_Kd, "kd file.png\r");
  EXPECT_EQ(m.map_Ks, "ks.png");
  EXPECT_EQ(m.map_Ns, "ns.png");
  EXPECT_EQ(m.map_d, "d.png");
  EXPECT_EQ(m.map_bump, "b2.png");
  loader.loadMaterialsText("map_bump b3.png\n");
  EXPECT_EQ(loader.materials[1].map_bump, "b3.png");
}

}  // namespace
