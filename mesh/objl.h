// The mesh loader's own records and the few vector operations the face reader and the
// triangulation need. These types never mix with the framework's GLFW vector types.
#pragma once

#include <string>
#include <vector>

namespace objl {

struct Vector2 {
  float x = 0.0f;
  float y = 0.0f;

  Vector2() = default;
  Vector2(float x_, float y_) : x(x_), y(y_) {}
};

struct Vector3 {
  float x = 0.0f;
  float y = 0.0f;
  float z = 0.0f;

  Vector3() = default;
  Vector3(float x_, float y_, float z_) : x(x_), y(y_), z(z_) {}
};

Vector3 operator-(Vector3 a, Vector3 b);
// Exact float comparison of each component: NaN never equals, 0.0 equals -0.0.
bool operator==(Vector3 a, Vector3 b);
bool operator!=(Vector3 a, Vector3 b);

// One corner of one face; never shared between faces.
struct Vertex {
  Vector3 position;
  Vector3 normal;  // not normalised when the reader computed it
  Vector2 texCoord;
};

// One material of an MTL library; the defaults (d = 0 too) are what a mesh without a match keeps.
struct Material {
  std::string name;
  Vector3 Ka;
  Vector3 Kd;
  Vector3 Ks;
  float Ns = 0.0f;
  float Ni = 0.0f;
  float d = 0.0f;
  int illum = 0;
  std::string map_Ka;
  std::string map_Kd;
  std::string map_Ks;
  std::string map_Ns;
  std::string map_d;
  std::string map_bump;
};

struct Mesh {
  std::string name;
  std::vector<Vertex> vertices;
  std::vector<unsigned> indices;  // triples of element numbers in `vertices`
  Material material;

  Mesh() = default;
  Mesh(const std::vector<Vertex>& vertices_, const std::vector<unsigned>& indices_)
      : vertices(vertices_), indices(indices_) {}
};

Vector3 crossProduct(Vector3 a, Vector3 b);
float dotProduct(Vector3 a, Vector3 b);
float magnitude(Vector3 v);
// Radians; the cosine is not clamped, so a zero-length argument gives NaN.
float angleBetween(Vector3 a, Vector3 b);
// True when the point, projected onto the triangle's plane, lies inside it or on its border.
// A triangle with collinear corners holds no point.
bool insideTriangle(Vector3 point, Vector3 t1, Vector3 t2, Vector3 t3);

}  // namespace objl
