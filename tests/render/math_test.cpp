#include "render/math.h"

#include <cmath>

#include <gtest/gtest.h>

namespace {

void expectColumn(const GLFWMatrix4& m, int column, float r0, float r1, float r2, float r3) {
  SCOPED_TRACE(testing::Message() << "column " << column);
  EXPECT_FLOAT_EQ(m[column][0], r0);
  EXPECT_FLOAT_EQ(m[column][1], r1);
  EXPECT_FLOAT_EQ(m[column][2], r2);
  EXPECT_FLOAT_EQ(m[column][3], r3);
}

void expectSameMatrix(const GLFWMatrix4& actual, const GLFWMatrix4& expected) {
  for (int i = 0; i < 16; ++i) EXPECT_EQ(actual.data()[i], expected.data()[i]) << "float " << i;
}

// A matrix with 16 distinct entries, so a swapped row or column shows.
GLFWMatrix4 distinctEntries() {
  GLFWMatrix4 m;
  for (int i = 0; i < 16; ++i) m.data()[i] = static_cast<float>(i * i) - 7.5f;
  return m;
}

TEST(VectorTest, ComponentsAreIndexedInOrderAndWritable) {
  static_assert(GLFWVector2::size() == 2 && GLFWVector3::size() == 3 && GLFWVector4::size() == 4);
  GLFWVector4 v(1.0f, 2.0f, 3.0f, 4.0f);
  EXPECT_EQ(v.x, 1.0f);
  EXPECT_EQ(v[3], 4.0f);
  v[2] = 9.0f;
  EXPECT_EQ(v.z, 9.0f);
  v.fill(-2.5f);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(v[i], -2.5f);
}

TEST(VectorTest, ArithmeticIsComponentWise) {
  const GLFWVector3 a(1.0f, -2.0f, 3.0f);
  const GLFWVector3 b(0.5f, 4.0f, -8.0f);
  const struct {
    const char* name;
    GLFWVector3 value;
    float x, y, z;
  } cases[] = {
      {"a + b", a + b, 1.5f, 2.0f, -5.0f},
      {"a - b", a - b, 0.5f, -6.0f, 11.0f},
      {"a * 2", a * 2.0f, 2.0f, -4.0f, 6.0f},
      {"a / 4", a / 4.0f, 0.25f, -0.5f, 0.75f},
      {"-a", -a, -1.0f, 2.0f, -3.0f},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.value.x, c.x) << c.name;
    EXPECT_EQ(c.value.y, c.y) << c.name;
    EXPECT_EQ(c.value.z, c.z) << c.name;
  }
  const GLFWVector2 d = GLFWVector2(1.0f, 0.25f) - GLFWVector2(3.0f, 0.5f);
  EXPECT_EQ(d.x, -2.0f);
  EXPECT_EQ(d.y, -0.25f);
}

TEST(VectorTest, NegatingZeroGivesNegativeZeros) {
  const GLFWVector3 n = -GLFWVector3(0.0f, 0.0f, 0.0f);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(n[i], 0.0f);
    EXPECT_TRUE(std::signbit(n[i])) << i;
  }
}

TEST(VectorTest, LengthNormalizeCrossRadians) {
  EXPECT_EQ(length(GLFWVector3(3.0f, 4.0f, 0.0f)), 5.0f);
  const GLFWVector3 n = normalize(GLFWVector3(3.0f, 4.0f, 0.0f));
  EXPECT_FLOAT_EQ(n.x, 0.6f);
  EXPECT_FLOAT_EQ(n.y, 0.8f);
  EXPECT_EQ(n.z, 0.0f);

  const GLFWVector3 z = normalize(GLFWVector3(0.0f, 0.0f, 0.0f));
  for (int i = 0; i < 3; ++i) EXPECT_FALSE(std::isfinite(z[i])) << i;

  const GLFWVector3 xy = cross(GLFWVector3(1.0f, 0.0f, 0.0f), GLFWVector3(0.0f, 1.0f, 0.0f));
  const GLFWVector3 yx = cross(GLFWVector3(0.0f, 1.0f, 0.0f), GLFWVector3(1.0f, 0.0f, 0.0f));
  EXPECT_EQ(xy.x, 0.0f);
  EXPECT_EQ(xy.y, 0.0f);
  EXPECT_EQ(xy.z, 1.0f);
  EXPECT_EQ(yx.z, -1.0f);
  // A general case checks which operand each product takes.
  const GLFWVector3 g = cross(GLFWVector3(1.0f, 2.0f, 3.0f), GLFWVector3(4.0f, 5.0f, 6.0f));
  EXPECT_EQ(g.x, -3.0f);
  EXPECT_EQ(g.y, 6.0f);
  EXPECT_EQ(g.z, -3.0f);

  EXPECT_EQ(radians(180.0f), 3.1415927f);
  EXPECT_EQ(radians(1.0f), 0.017453292f);
}

TEST(MatrixTest, TranslationIsColumnMajor) {
  const float expected[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 1, 2, 3, 1};
  const GLFWMatrix4 t = translation(1.0f, 2.0f, 3.0f);
  for (int i = 0; i < 16; ++i) EXPECT_EQ(t.data()[i], expected[i]) << "float " << i;
  expectSameMatrix(translation(GLFWVector3(1.0f, 2.0f, 3.0f)), t);
}

TEST(MatrixTest, FillAndColumnConstruction) {
  const GLFWMatrix4 filled(0.5f);
  for (int i = 0; i < 16; ++i) EXPECT_EQ(filled.data()[i], 0.5f);

  const GLFWMatrix4 m(GLFWVector4(1, 2, 3, 4), GLFWVector4(5, 6, 7, 8), GLFWVector4(9, 10, 11, 12),
                      GLFWVector4(13, 14, 15, 16));
  for (int i = 0; i < 16; ++i) EXPECT_EQ(m.data()[i], static_cast<float>(i + 1));
  EXPECT_EQ(&m[2][1], m.data() + 9);
}

TEST(MatrixTest, MultiplyByIdentityOnEitherSideChangesNothing) {
  const GLFWMatrix4 identity = translation(0.0f, 0.0f, 0.0f);
  const GLFWMatrix4 m = distinctEntries();
  expectSameMatrix(identity.multiply(m), m);
  expectSameMatrix(m.multiply(identity), m);
}

TEST(MatrixTest, TranslationsCompose) {
  expectSameMatrix(translation(1.0f, 0.0f, 0.0f).multiply(translation(0.0f, 2.0f, 0.0f)),
                   translation(1.0f, 2.0f, 0.0f));
}

TEST(MatrixTest, PerspectiveColumns) {
  const GLFWMatrix4 p = perspective(50.0f, 4.0f / 3.0f, 0.1f, 1000.0f);
  expectColumn(p, 0, 1.6083802f, 0, 0, 0);
  expectColumn(p, 1, 0, 2.1445069f, 0, 0);
  expectColumn(p, 2, 0, 0, -1.0002f, -1);
  expectColumn(p, 3, 0, 0, -0.20002f, 0);
}

TEST(MatrixTest, ProductOrderPutsTheRightOperandFirst) {
  const GLFWMatrix4 p = perspective(50.0f, 4.0f / 3.0f, 0.1f, 1000.0f);
  const GLFWMatrix4 model = translation(0.0f, 0.0f, -100.0f);
  expectColumn(p.multiply(model), 3, 0, 0, 99.81997f, 100);
  // The other order moves the projected point instead: a different column 3.
  expectColumn(model.multiply(p), 3, 0, 0, -0.20002f, 0);
  expectColumn(model.multiply(p), 2, 0, 0, -1.0002f + 100.0f, -1);
}

TEST(MatrixTest, LookAtAlongMinusZIsATranslation) {
  const GLFWMatrix4 view =
      lookAt(GLFWVector3(0.0f, 0.0f, 100.0f), GLFWVector3(0.0f, 0.0f, 99.0f), GLFWVector3(0.0f, 1.0f, 0.0f));
  expectSameMatrix(view, translation(0.0f, 0.0f, -100.0f));
}

TEST(MatrixTest, LookAtRowsAreSideUpAndBack) {
  // Looking down -x with a longer up vector: forward (-1, 0, 0), side (0, 0, -1), up (0, 1, 0).
  const GLFWMatrix4 view =
      lookAt(GLFWVector3(0.0f, 0.0f, 0.0f), GLFWVector3(-1.0f, 0.0f, 0.0f), GLFWVector3(0.0f, 2.0f, 0.0f));
  expectColumn(view, 0, 0, 0, 1, 0);
  expectColumn(view, 1, 0, 1, 0, 0);
  expectColumn(view, 2, -1, 0, 0, 0);
  expectColumn(view, 3, 0, 0, 0, 1);
}

}  // namespace
