#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "mesh/mesh_loader.h"

namespace {

using objl::Vector3;
using Indices = std::vector<unsigned>;

std::vector<objl::Vertex> cornersAt(const std::vector<Vector3>& positions) {
  std::vector<objl::Vertex> corners(positions.size());
  for (size_t i = 0; i < positions.size(); ++i) corners[i].position = positions[i];
  return corners;
}

TEST(Triangulation, Polygons) {
  struct Case {
    std::string name;
    std::vector<Vector3> positions;
    Indices indices;
  };
  const Case cases[] = {
      {"two corners", {{0, 0, 0}, {1, 0, 0}}, {}},
      {"collinear triangle", {{0, 0, 0}, {1, 0, 0}, {2, 0, 0}}, {0, 1, 2}},
      {"quad", {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}}, {0, 1, 3, 1, 2, 3}},
      // Corner 2 is reflex; the split still runs between the first corner's neighbours.
      {"concave quad", {{0, 0, 0}, {4, 0, 0}, {1, 1, 0}, {0, 4, 0}}, {0, 1, 3, 1, 2, 3}},
      {"concave quad cut across its notch", {{1, 1, 0}, {0, 4, 0}, {0, 0, 0}, {4, 0, 0}}, {0, 1, 3, 1, 2, 3}},
      {"convex pentagon", {{0, 0, 0}, {2, 0, 0}, {3, 2, 0}, {1, 3, 0}, {-1, 2, 0}}, {0, 1, 4, 1, 2, 4, 2, 3, 4}},
      {"notched pentagon", {{0, 0, 0}, {4, 0, 0}, {4, 4, 0}, {2, 1, 0}, {0, 4, 0}}, {1, 2, 3, 0, 1, 4, 1, 3, 4}},
      // Corners 0 and 2 share a position: both are emitted wherever it is.
      {"shared position", {{0, 0, 0}, {1, 0, 0}, {0, 0, 0}, {0, 1, 0}}, {0, 1, 2, 3, 0, 1, 2, 3}},
      {"collinear, no ear", {{0, 0, 0}, {1, 0, 0}, {2, 0, 0}, {3, 0, 0}, {4, 0, 0}}, {}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(objl::MeshLoader::triangulateFace(cornersAt(c.positions)), c.indices) << c.name;
  }
}

TEST(Triangulation, OnlyPositionsCount) {
  auto corners = cornersAt({{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}});
  const Indices plain = objl::MeshLoader::triangulateFace(corners);
  corners[1].normal = Vector3(5, 5, 5);
  corners[2].texCoord = objl::Vector2(9, 9);
  EXPECT_EQ(objl::MeshLoader::triangulateFace(corners), plain);
}

TEST(Triangulation, ConvexPolygonGivesNMinusTwoTriangles) {
  std::vector<Vector3> circle;
  for (int i = 0; i < 64; ++i) {
    const double angle = 2 * M_PI * i / 64;
    circle.emplace_back(static_cast<float>(std::cos(angle)), static_cast<float>(std::sin(angle)), 0.0f);
  }
  const Indices indices = objl::MeshLoader::triangulateFace(cornersAt(circle));
  ASSERT_EQ(indices.size(), 3u * 62);
  for (size_t t = 0; t < indices.size(); t += 3) {
    EXPECT_LT(indices[t], indices[t + 1]);
    EXPECT_LT(indices[t + 1], indices[t + 2]);
  }
}

// A simple heptagon whose first scan cuts two ears and then finds none among the five corners
// left: the rest is closed by a fan instead of scanning the same ring forever.
TEST(Triangulation, RingWithoutEarAfterCutsEndsWithAFan) {
  const std::vector<Vector3> heptagon{{1, 4, 0}, {1, 3, 0}, {5, 1, 0}, {0, 3, 0}, {0, 4, 0}, {5, 5, 0}, {5, 3, 0}};
  const Indices indices = objl::MeshLoader::triangulateFace(cornersAt(heptagon));
  ASSERT_EQ(indices.size(), 3u * 5);
  for (unsigned index : indices) EXPECT_LT(index, heptagon.size());
  // The last three triangles fan out from one corner of the remaining five.
  const unsigned a = indices[6], b = indices[9], c = indices[12];
  auto holds = [&](size_t t, unsigned corner) {
    return indices[t] == corner || indices[t + 1] == corner || indices[t + 2] == corner;
  };
  for (unsigned hub : {a, b, c}) {
    if (holds(6, hub) && holds(9, hub) && holds(12, hub)) return;
  }
  ADD_FAILURE() << "no common corner in the closing triangles";
}

TEST(Triangulation, NanPositionsStillEnd) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const Indices indices =
      objl::MeshLoader::triangulateFace(cornersAt({{nan, 0, 0}, {1, 0, 0}, {nan, 1, 0}, {0, 1, 0}, {nan, nan, nan}, {2, 2, 0}}));
  for (unsigned index : indices) EXPECT_LT(index, 6u);
}

}  // namespace
