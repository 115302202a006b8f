#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "mesh/objl.h"

namespace {

using objl::Vector3;

TEST(Geometry, InsideTriangleByProjectedWeights) {
  const Vector3 t1(0, 0, 0), t2(1, 0, 0), t3(0, 1, 0);
  struct Case {
    Vector3 point;
    bool inside;
  };
  const Case cases[] = {
      {t1, true},
      {t2, true},
      {t3, true},
      {Vector3(0.5f, 0.0f, 0.0f), true},    // on an edge
      {Vector3(0.5f, 0.5f, 0.0f), true},    // on the slanted edge
      {Vector3(1.0f / 3, 1.0f / 3, 0), true},
      {Vector3(0.25f, 0.25f, 5.0f), true},  // above the plane, projection inside
      {Vector3(1, 1, 0), false},            // alpha = -1
      {Vector3(2, 0.1f, 0), false},         // beta = 2
      {Vector3(-0.1f, 0.5f, 0), false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(objl::insideTriangle(c.point, t1, t2, t3), c.inside) << c.point.x << "," << c.point.y << "," << c.point.z;
  }
}

TEST(Geometry, CollinearTriangleHoldsNothing) {
  const Vector3 a(0, 0, 0), b(1, 0, 0), c(2, 0, 0);
  for (const Vector3& point : {a, b, c, Vector3(0.5f, 0, 0), Vector3(0, 1, 0)}) {
    EXPECT_FALSE(objl::insideTriangle(point, a, b, c));
  }
}

TEST(Geometry, AngleBetweenInRadiansWithoutClamping) {
  EXPECT_FLOAT_EQ(objl::angleBetween(Vector3(1, 0, 0), Vector3(0, 1, 0)), static_cast<float>(M_PI / 2));
  EXPECT_FLOAT_EQ(objl::angleBetween(Vector3(1, 0, 0), Vector3(-1, 0, 0)), static_cast<float>(M_PI));
  EXPECT_TRUE(std::isnan(objl::angleBetween(Vector3(0, 0, 0), Vector3(1, 2, 3))));
}

TEST(Geometry, VectorOperations) {
  EXPECT_TRUE(Vector3(0, 0, 0) == Vector3(-0.0f, 0, 0));
  const Vector3 withNan(std::numeric_limits<float>::quiet_NaN(), 0, 0);
  EXPECT_FALSE(withNan == withNan);
  EXPECT_TRUE(withNan != withNan);
  const Vector3 d = Vector3(5, 7, 9) - Vector3(1, 2, 3);
  EXPECT_TRUE(d == Vector3(4, 5, 6));
  EXPECT_TRUE(objl::crossProduct(Vector3(1, 0, 0), Vector3(0, 1, 0)) == Vector3(0, 0, 1));
  EXPECT_EQ(objl::dotProduct(Vector3(1, 2, 3), Vector3(4, 5, 6)), 32.0f);
  EXPECT_EQ(objl::magnitude(Vector3(3, 4, 12)), 13.0f);
}

TEST(Geometry, DefaultMaterialIsAllZero) {
  const objl::Material material;
  EXPECT_TRUE(material.name.empty());
  EXPECT_EQ(material.d, 0.0f);
  EXPECT_EQ(material.illum, 0);
  EXPECT_TRUE(material.Kd == Vector3());
}

}  // namespace
