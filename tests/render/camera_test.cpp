#include "render/camera.h"

#include <gtest/gtest.h>

namespace {

void expectSameMatrix(const GLFWMatrix4& actual, const GLFWMatrix4& expected) {
  for (int i = 0; i < 16; ++i) EXPECT_EQ(actual.data()[i], expected.data()[i]) << "float " << i;
}

void expectNear(const GLFWVector3& v, float x, float y, float z) {
  EXPECT_NEAR(v.x, x, 1e-6f);
  EXPECT_NEAR(v.y, y, 1e-6f);
  EXPECT_NEAR(v.z, z, 1e-5f);
}

// The eye-space point a view puts world point p at (w = 1).
GLFWVector4 toEye(const GLFWMatrix4& view, const GLFWVector3& p) {
  GLFWVector4 r;
  for (int row = 0; row < 4; ++row) {
    r[row] = view[0][row] * p.x + view[1][row] * p.y + view[2][row] * p.z + view[3][row];
  }
  return r;
}

TEST(CameraTest, StartsLookingDownMinusZ) {
  GLFWCamera camera(0.0f, 0.0f, 100.0f);
  EXPECT_EQ(camera.currentView, 0);
  expectNear(camera.centre, 0.0f, 0.0f, 99.0f);
  camera.updateView(0);
  expectSameMatrix(camera.view(), translation(0.0f, 0.0f, -100.0f));
}

TEST(CameraTest, PitchTurnsDirectionTowardsUp) {
  GLFWCamera camera(0.0f, 0.0f, 100.0f);
  camera.pitch(1.0f);
  SCOPED_TRACE("after pitch(1.0)");
  expectNear(camera.direction, 0.0f, 0.0174524f, -0.9998477f);
  expectNear(camera.up, 0.0f, 0.9998477f, 0.0174524f);
  expectNear(camera.centre, 0.0f, 0.0174524f, 99.00015f);
  EXPECT_EQ(camera.right.x, 1.0f);
  EXPECT_EQ(camera.right.y, 0.0f);
  EXPECT_EQ(camera.right.z, 0.0f);
}

TEST(CameraTest, PitchByZeroKeepsDirectionAndRebuildsUp) {
  GLFWCamera camera(1.0f, 2.0f, 3.0f);
  camera.up = GLFWVector3(0.0f, 5.0f, 0.0f);
  camera.pitch(0.0f);
  EXPECT_EQ(camera.direction.x, 0.0f);
  EXPECT_EQ(camera.direction.y, 0.0f);
  EXPECT_EQ(camera.direction.z, -1.0f);
  EXPECT_EQ(camera.up.y, 1.0f);
}

TEST(CameraTest, PitchedViewLooksAtTheCentre) {
  GLFWCamera camera(0.0f, 0.0f, 100.0f);
  camera.pitch(1.0f);
  camera.updateView(0);
  const GLFWVector4 eye = toEye(camera.view(), camera.position);
  const GLFWVector4 centre = toEye(camera.view(), camera.centre);
  const GLFWVector4 above = toEye(camera.view(), camera.position + camera.up);
  for (int i = 0; i < 3; ++i) EXPECT_NEAR(eye[i], 0.0f, 1e-4f) << i;
  EXPECT_NEAR(centre.x, 0.0f, 1e-5f);
  EXPECT_NEAR(centre.y, 0.0f, 1e-5f);
  EXPECT_NEAR(centre.z, -1.0f, 1e-5f);
  EXPECT_NEAR(above.y, 1.0f, 1e-5f);
}

TEST(CameraTest, SlotsKeepTheirMatrixUntilUpdated) {
  GLFWCamera camera(0.0f, 0.0f, 100.0f);
  camera.updateView(0);
  const GLFWMatrix4 straight = camera.view();

  camera.pitch(10.0f);
  expectSameMatrix(camera.view(), straight);
  camera.selectView(0);
  expectSameMatrix(camera.view(), straight);

  camera.updateView(3);
  EXPECT_EQ(camera.currentView, 3);
  const GLFWMatrix4 pitched = camera.view();
  EXPECT_NE(pitched[1][2], straight[1][2]);
  camera.selectView(0);
  expectSameMatrix(camera.view(), straight);
  camera.selectView(3);
  expectSameMatrix(camera.view(), pitched);
}

TEST(CameraTest, ProjectionIsStoredAsGiven) {
  GLFWCamera camera(0.0f, 0.0f, 0.0f);
  const GLFWMatrix4 p = perspective(50.0f, 16.0f / 9.0f, 0.1f, 1000.0f);
  camera.setProjection(p);
  expectSameMatrix(camera.projection(), p);
}

}  // namespace
