#include <gtest/gtest.h>

#include <string>

#include "mesh/mesh_loader.h"
#include "mesh_test_support.h"
#include "platform/native_resources.h"

namespace {

TEST(ResourceText, LoadObjReadsTheResourcesByTheirLowSixteenBits) {
  platform::native::registerResource(30141, "TEXTFILE", meshtest::fixture("quad.obj"));
  platform::native::registerResource(30140, "TEXTFILE", meshtest::fixture("quad.mtl"));
  objl::MeshLoader loader;
  meshtest::CoutCapture quiet;
  ASSERT_TRUE(loader.loadObj(0x30000u + 30141, 0x70000u + 30140));
  ASSERT_EQ(loader.meshes.size(), 1u);
  EXPECT_EQ(loader.meshes[0].material.name, "wire_198225087");
  EXPECT_EQ(loader.meshes[0].indices.size(), 6u);
}

// The whole resource counts: a "~" is ordinary text here, unlike in shader resources.
TEST(ResourceText, TildeIsOrdinaryText) {
  platform::native::registerResource(30150, "TEXTFILE", "v 0 0 0\nv 1 0 0\n# ~\nv 0 1 0\nf 1 2 3\n");
  platform::native::registerResource(30151, "TEXTFILE", "newmtl a~b\n");
  objl::MeshLoader loader;
  meshtest::CoutCapture quiet;
  ASSERT_TRUE(loader.loadObj(30150, 30151));
  EXPECT_EQ(loader.vertices.size(), 3u);
  ASSERT_TRUE(loader.loadMaterials(30151));
  EXPECT_EQ(loader.materials.back().name, "a~b");
}

TEST(ResourceText, MissingResources) {
  objl::MeshLoader loader;
  meshtest::CoutCapture quiet;
  EXPECT_FALSE(loader.loadObj(30160, 30161));
  EXPECT_TRUE(loader.loadMaterials(30161));
  ASSERT_EQ(loader.materials.size(), 1u);
  EXPECT_TRUE(loader.materials[0].name.empty());
}

}  // namespace
