// Lines the reader cannot fill refuse the whole model: false, nothing kept, and the line named.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "mesh/mesh_loader.h"

namespace {

const std::string kBase = "mtllib m.mtl\nv 0 0 0\nv 1 0 0\nv 0 1 0\nvt 0 0\nvn 0 0 1\ng a\nf 1 2 3\n";
const size_t kBaseLines = 8;

TEST(UnreadableLines, RefuseTheModel) {
  const char* lines[] = {
      "v 1 2",             // fewer than three values
      "vn 0 1",            //
      "vt 0.5",            // fewer than two
      "v 1  2 3",          // two blanks make an empty field
      "v 1\t2 3",          // a tab merges two values into one field
      "v 1 x 3",           // no digits
      "vt 1e999 0",        // out of range
      "vn 0 0 1e39",       // beyond the float range
      "f 0 1 2",           // index 0
      "f 1 2 4",           // past the end
      "f -4 1 2",          // before the start
      "f 1/2 2/1 3/1",     // texture coordinate past the end
      "f 1//2 2//1 3//1",  // normal past the end
      "f 1/x 2/1 3/1",     // index without digits
      "f 1/1/1/1 2 3",     // four parts
      "f 1  2 3",          // a corner with no part
      "f / 2 3",           // an empty position index
      "f 1// 2 3",         // an empty texture index
      "f 1 2",             // two corners and a normal to compute
      "f 1//1 2",          //
      "f 9999999999999999999999 1 2",
  };
  for (const char* line : lines) {
    SCOPED_TRACE(line);
    objl::MeshLoader loader;
    loader.materials.resize(1);
    std::ostringstream progress;
    loader.setProgressOutput(&progress);
    EXPECT_FALSE(loader.loadObjText(kBase + line + "\nf 1 2 3\n", "newmtl m\n"));
    EXPECT_TRUE(loader.meshes.empty());
    EXPECT_TRUE(loader.vertices.empty());
    EXPECT_TRUE(loader.indices.empty());
    EXPECT_EQ(loader.materials.size(), 1u);  // the library read before the line is dropped again
    EXPECT_EQ(loader.failedLine(), kBaseLines + 1);
    EXPECT_EQ(progress.str().back(), '\n');
  }
}

TEST(UnreadableLines, ALaterLoadStartsClean) {
  objl::MeshLoader loader;
  loader.setProgressOutput(nullptr);
  ASSERT_FALSE(loader.loadObjText(kBase + "f 7 8 9\n", ""));
  ASSERT_TRUE(loader.loadObjText(kBase, ""));
  EXPECT_EQ(loader.failedLine(), 0u);
  EXPECT_EQ(loader.meshes.size(), 1u);
  EXPECT_EQ(loader.indices.size(), 3u);
}

// Faces with fewer than three corners are fine when every corner brings its normal, and an "f"
// with nothing after it adds nothing.
TEST(UnreadableLines, ShortFacesWithNormalsAreRead) {
  objl::MeshLoader loader;
  loader.setProgressOutput(nullptr);
  EXPECT_TRUE(loader.loadObjText(kBase + "f 1//1\nf\nf 1/1/1 2//1\n", ""));
  EXPECT_EQ(loader.vertices.size(), 6u);
  EXPECT_EQ(loader.indices.size(), 3u);
}

}  // namespace
