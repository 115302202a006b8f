// The drawable's mesh dump files and the binary writer behind them.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "render/binary_file.h"
#include "render/mesh_data.h"
#include "tests/render_gl/scene_fixture.h"

namespace fs = std::filesystem;

namespace {

// A fresh, empty current directory for the test's lifetime.
class InTemporaryDirectory {
 public:
  InTemporaryDirectory() : previous_(fs::current_path()) {
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    path_ = fs::temp_directory_path() / ("tesselume-dump-" + std::to_string(stamp));
    fs::create_directories(path_);
    fs::current_path(path_);
  }
  ~InTemporaryDirectory() {
    fs::current_path(previous_);
    std::error_code ignored;
    fs::remove_all(path_, ignored);
  }

 private:
  fs::path previous_, path_;
};

std::string fileBytes(const char* path) {
  std::ifstream file(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

void writeText(const char* path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

// The quad's records as the file lays them out: each vertex a corner of clip space with its texture
// coordinate, the normal +z and the colours of quad.mtl.
TEST(MeshDump, WritesTheQuadsRecordsAndIndices) {
  openTestScene();
  InTemporaryDirectory directory;
  writeText("GLFWDrawableObject_data.bin", std::string(5000, 'x'));  // replaced, not kept
  sky->dumpMeshData();
  const std::string data = fileBytes("GLFWDrawableObject_data.bin");
  const std::string index = fileBytes("GLFWDrawableObject_index.bin");

  GLFWMeshData& mesh = *sky->meshData;
  ASSERT_EQ(data.size(), 96u * mesh.vertexCount);
  ASSERT_EQ(index.size(), 4u * mesh.indexCount);
  EXPECT_EQ(mesh.indexCount, 6);
  EXPECT_EQ(std::memcmp(data.data(), mesh.getVertexData(), data.size()), 0);
  EXPECT_EQ(std::memcmp(index.data(), mesh.getIndexData(), index.size()), 0);

  for (int v = 0; v < mesh.vertexCount; ++v) {
    SCOPED_TRACE(v);
    float r[24];
    std::memcpy(r, data.data() + 96 * v, sizeof r);
    EXPECT_EQ(std::fabs(r[0]), 1.0f);
    EXPECT_EQ(std::fabs(r[1]), 1.0f);
    EXPECT_EQ(r[2], 0.0f);
    EXPECT_EQ(r[3], (r[0] + 1.0f) / 2.0f);
    EXPECT_EQ(r[4], (r[1] + 1.0f) / 2.0f);
    EXPECT_EQ(std::vector<float>(r + 5, r + 8), (std::vector<float>{0.0f, 0.0f, 1.0f}));
    for (int colour : {14, 17}) {
      EXPECT_FLOAT_EQ(r[colour], 0.7765f);
      EXPECT_FLOAT_EQ(r[colour + 1], 0.8824f);
      EXPECT_FLOAT_EQ(r[colour + 2], 0.3412f);
    }
    EXPECT_EQ(std::vector<float>(r + 20, r + 23), (std::vector<float>{0.35f, 0.35f, 0.35f}));
    EXPECT_EQ(r[23], 32.0f);
  }
  for (int i = 0; i < mesh.indexCount; ++i) {
    std::uint32_t value;
    std::memcpy(&value, index.data() + 4 * i, 4);
    EXPECT_LT(value, static_cast<std::uint32_t>(mesh.vertexCount)) << "index " << i;
  }
}

TEST(WriteBinaryFile, ReplacesTheFileWithExactlyTheBytes) {
  InTemporaryDirectory directory;
  const char bytes[] = {'a', '\n', '\0', '\r', '\n', 'z'};
  struct Case {
    const char* path;
    size_t count;
    bool written;
  };
  const Case cases[] = {
      {"six.bin", sizeof bytes, true},
      {"empty.bin", 0, true},
      {"no_such_folder/file.bin", sizeof bytes, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    if (c.written) writeText(c.path, "an older and longer content");
    EXPECT_EQ(writeBinaryFile(c.path, bytes, c.count), c.written);
    EXPECT_EQ(fs::exists(c.path), c.written);
    if (c.written) {
      EXPECT_EQ(fileBytes(c.path), std::string(bytes, c.count));
    }
  }
  EXPECT_FALSE(fs::exists("no_such_folder"));
}

}  // namespace
