#include <cmath>

#include "mesh/objl.h"

namespace objl {

Vector3 operator-(Vector3 a, Vector3 b) { return Vector3(a.x - b.x, a.y - b.y, a.z - b.z); }

bool operator==(Vector3 a, Vector3 b) { return a.x == b.x && a.y == b.y && a.z == b.z; }

bool operator!=(Vector3 a, Vector3 b) { return !(a == b); }

Vector3 crossProduct(Vector3 a, Vector3 b) {
  return Vector3(a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x);
}

float dotProduct(Vector3 a, Vector3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

float magnitude(Vector3 v) { return std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z); }

float angleBetween(Vector3 a, Vector3 b) {
  return std::acos(dotProduct(a, b) / (magnitude(a) * magnitude(b)));
}

bool insideTriangle(Vector3 point, Vector3 t1, Vector3 t2, Vector3 t3) {
  const Vector3 u = t2 - t1;
  const Vector3 v = t3 - t1;
  const Vector3 w = point - t1;
  const Vector3 n = crossProduct(u, v);
  const float nn = dotProduct(n, n);
  const float gamma = dotProduct(crossProduct(u, w), n) / nn;
  const float beta = dotProduct(crossProduct(w, v), n) / nn;
  const float alpha = 1.0f - gamma - beta;
  // Every comparison is false for NaN, so a collinear triangle (0 / 0) holds nothing.
  return alpha >= 0.0f && alpha <= 1.0f && beta >= 0.0f && beta <= 1.0f && gamma >= 0.0f && gamma <= 1.0f;
}

}  // namespace objl
