// Textures from the test program's own bitmap resources, read back from a real GL context.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "render/texture.h"
#include "tests/support/gl_test_context.h"
#include "tests/texture/fixture_colours.h"

namespace {

class TextureTest : public testing::Test {
 protected:
  void SetUp() override { openTestContext(); }
};

int toByte(float value) { return static_cast<int>(std::lround(value * 255.0f)); }

// Level `level` of the bound texture as RGBA bytes, rows bottom first.
std::vector<int> levelBytes(int level, int& width, int& height) {
  glGetTexLevelParameteriv(GL_TEXTURE_2D, level, GL_TEXTURE_WIDTH, &width);
  glGetTexLevelParameteriv(GL_TEXTURE_2D, level, GL_TEXTURE_HEIGHT, &height);
  std::vector<float> pixels(static_cast<size_t>(width) * height * 4);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glGetTexImage(GL_TEXTURE_2D, level, GL_RGBA, GL_FLOAT, pixels.data());
  std::vector<int> bytes;
  for (float value : pixels) bytes.push_back(toByte(value));
  return bytes;
}

// The buffer holds `f` with the bottom row first (flipped) or the top row first.
void expectFixture(const std::vector<int>& bytes, const Fixture& f, bool bottomFirst) {
  ASSERT_EQ(bytes.size(), static_cast<size_t>(f.width) * f.height * 4);
  for (int row = 0; row < f.height; ++row) {
    const int yFromTop = bottomFirst ? f.height - 1 - row : row;
    for (int x = 0; x < f.width; ++x) {
      const auto expected = fixtureBytes(f, x, yFromTop);
      for (int c = 0; c < 4; ++c) {
        EXPECT_EQ(bytes[(static_cast<size_t>(row) * f.width + x) * 4 + c], expected[c])
            << "bitmap " << f.id << " row " << row << " column " << x << " channel " << c;
      }
    }
  }
}

std::vector<int> readBytes(int id, int width, int height, bool flipRows) {
  std::vector<float> pixels(static_cast<size_t>(width) * height * 4, -1.0f);
  GLFWTexture::readBitmap(pixels.data(), id, width, height, flipRows);
  std::vector<int> bytes;
  for (float value : pixels) bytes.push_back(toByte(value));
  return bytes;
}

TEST_F(TextureTest, ReadBitmapKeepsOrFlipsTheRows) {
  for (bool flip : {false, true}) {
    SCOPED_TRACE(flip ? "flipped" : "as stored");
    expectFixture(readBytes(wideFixture.id, wideFixture.width, wideFixture.height, flip), wideFixture, flip);
  }
}

TEST_F(TextureTest, PixelsTheBitmapLacksAreOpaqueBlack) {
  // A missing resource, and the part of a larger request that lies outside a 3 × 2 bitmap.
  const std::vector<int> missing = readBytes(missingBitmapId, 2, 2, true);
  for (size_t i = 0; i < missing.size(); ++i) EXPECT_EQ(missing[i], i % 4 == 3 ? 255 : 0) << i;

  const std::vector<int> larger = readBytes(wideFixture.id, 4, 3, false);
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 4; ++x) {
      const bool inside = x < wideFixture.width && y < wideFixture.height;
      const auto expected = inside ? fixtureBytes(wideFixture, x, y) : std::array<int, 4>{0, 0, 0, 255};
      for (int c = 0; c < 4; ++c) EXPECT_EQ(larger[(y * 4 + x) * 4 + c], expected[c]) << x << "," << y;
    }
  }
}

TEST_F(TextureTest, MipmapChainPutsTheLargestBitmapAtLevelZero) {
  const int ids[] = {chainFixtures[0].id, chainFixtures[1].id, chainFixtures[2].id, chainFixtures[3].id};
  GLFWTexture texture;
  texture.loadMipmapChain(ids, 4);
  ASSERT_NE(texture.id(), 0u);
  glBindTexture(GL_TEXTURE_2D, texture.id());
  for (int level = 0; level < 4; ++level) {
    SCOPED_TRACE(level);
    const Fixture& f = chainFixtures[3 - level];
    int width = 0, height = 0;
    const std::vector<int> bytes = levelBytes(level, width, height);
    EXPECT_EQ(width, f.width);
    EXPECT_EQ(height, f.height);
    expectFixture(bytes, f, true);
  }
  GLint wrap = 0, minFilter = 0;
  glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, &wrap);
  glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &minFilter);
  EXPECT_EQ(wrap, GL_REPEAT);
  EXPECT_EQ(minFilter, GL_LINEAR);
  texture.release();
}

TEST_F(TextureTest, SingleBitmapFillsLevelZeroOfImmutableStorage) {
  struct Path {
    const char* name;
    bool withStorage;
  };
  for (const Path path : {Path{"glTexStorage2D", true}, Path{"glTexImage2D fallback", false}}) {
    SCOPED_TRACE(path.name);
    const PFNGLTEXSTORAGE2DPROC storage = glTexStorage2D;
    if (!path.withStorage) glTexStorage2D = nullptr;
    GLFWTexture texture;
    texture.loadBitmap(chainFixtures[3].id, 8);
    glTexStorage2D = storage;
    ASSERT_NE(texture.id(), 0u);
    glBindTexture(GL_TEXTURE_2D, texture.id());

    int width = 0, height = 0;
    expectFixture(levelBytes(0, width, height), chainFixtures[3], true);
    GLint immutable = -1, levels = -1, maxLevel = -1;
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_IMMUTABLE_FORMAT, &immutable);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_IMMUTABLE_LEVELS, &levels);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MAX_LEVEL, &maxLevel);
    EXPECT_EQ(immutable, path.withStorage ? GL_TRUE : GL_FALSE);
    // log2(8) levels: one fewer than the full chain of 8, 4, 2, 1.
    if (path.withStorage) {
      EXPECT_EQ(levels, 3);
    }
    EXPECT_EQ(maxLevel, 0);
    texture.release();
  }
}

TEST_F(TextureTest, UnsupportedSizesAndCountsMakeNoTexture) {
  for (int size : {0, -8, 3, 6, 1000, 4096}) {
    GLFWTexture texture;
    texture.loadBitmap(chainFixtures[3].id, size);
    EXPECT_EQ(texture.id(), 0u) << "size " << size;
  }
  const int ids[13] = {201, 202, 203, 204, 204, 204, 204, 204, 204, 204, 204, 204, 204};
  for (int count : {0, -1, 13}) {
    GLFWTexture texture;
    texture.loadMipmapChain(ids, count);
    EXPECT_EQ(texture.id(), 0u) << "count " << count;
  }
}

TEST_F(TextureTest, ReleaseDeletesTheTexture) {
  GLFWTexture texture;
  texture.loadBitmap(chainFixtures[0].id, 1);
  const GLuint name = texture.id();
  ASSERT_TRUE(glIsTexture(name));
  texture.release();
  EXPECT_FALSE(glIsTexture(name));
  EXPECT_EQ(texture.id(), 0u);
}

}  // namespace
