#include "render/math.h"

#include <cmath>

GLFWVector3 operator+(const GLFWVector3& a, const GLFWVector3& b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }

GLFWVector3 operator-(const GLFWVector3& a, const GLFWVector3& b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }

GLFWVector3 operator*(const GLFWVector3& a, const float& s) { return {a.x * s, a.y * s, a.z * s}; }

GLFWVector3 operator/(const GLFWVector3& a, const float& s) { return {a.x / s, a.y / s, a.z / s}; }

GLFWVector3 operator-(const GLFWVector3& a) { return {-a.x, -a.y, -a.z}; }

GLFWVector2 operator-(const GLFWVector2& a, const GLFWVector2& b) { return {a.x - b.x, a.y - b.y}; }

float radians(float degrees) { return degrees * 0.017453292f; }

float length(const GLFWVector3& v) {
  float sum = 0.0f;
  for (int i = 0; i < GLFWVector3::size(); ++i) sum = v[i] * v[i] + sum;
  return std::sqrt(sum);
}

GLFWVector3 normalize(const GLFWVector3& v) {
  const float l = length(v);
  return v / l;
}

GLFWVector3 cross(const GLFWVector3& a, const GLFWVector3& b) {
  return {a[1] * b[2] - b[1] * a[2], a[2] * b[0] - b[2] * a[0], a[0] * b[1] - b[0] * a[1]};
}

GLFWMatrix4::GLFWMatrix4(float value) {
  for (GLFWVector4& column : columns) column.fill(value);
}

GLFWMatrix4::GLFWMatrix4(const GLFWVector4& c0, const GLFWVector4& c1, const GLFWVector4& c2,
                         const GLFWVector4& c3)
    : columns{c0, c1, c2, c3} {}

GLFWMatrix4 GLFWMatrix4::multiply(const GLFWMatrix4& other) const {
  GLFWMatrix4 result(0.0f);
  for (int i = 0; i < 4; ++i) {
    for (int j = 0; j < 4; ++j) {
      float sum = 0.0f;
      for (int k = 0; k < 4; ++k) sum = columns[k][j] * other.columns[i][k] + sum;
      result.columns[i][j] = sum;
    }
  }
  return result;
}

GLFWMatrix4 perspective(float fovDegrees, float aspect, float zNear, float zFar) {
  const float h = 0.5f * fovDegrees;
  const float r = radians(h);
  const float t = std::tan(r);
  const float f = 1.0f / t;
  const float a = f / aspect;
  const float z1 = (zNear + zFar) / (zNear - zFar);
  const float z2 = ((2.0f * zNear) * zFar) / (zNear - zFar);
  return GLFWMatrix4(GLFWVector4(a, 0.0f, 0.0f, 0.0f), GLFWVector4(0.0f, f, 0.0f, 0.0f),
                     GLFWVector4(0.0f, 0.0f, z1, -1.0f), GLFWVector4(0.0f, 0.0f, z2, 0.0f));
}

GLFWMatrix4 translation(float x, float y, float z) {
  return GLFWMatrix4(GLFWVector4(1.0f, 0.0f, 0.0f, 0.0f), GLFWVector4(0.0f, 1.0f, 0.0f, 0.0f),
                     GLFWVector4(0.0f, 0.0f, 1.0f, 0.0f), GLFWVector4(x, y, z, 1.0f));
}

GLFWMatrix4 translation(const GLFWVector3& v) { return translation(v[0], v[1], v[2]); }

GLFWMatrix4 lookAt(const GLFWVector3& eye, const GLFWVector3& centre, const GLFWVector3& up) {
  const GLFWVector3 f = normalize(centre - eye);
  const GLFWVector3 n = normalize(up);
  const GLFWVector3 s = cross(f, n);
  const GLFWVector3 u = cross(s, f);
  // Rows s, u and -f.
  const GLFWMatrix4 rotation(GLFWVector4(s[0], u[0], -f[0], 0.0f), GLFWVector4(s[1], u[1], -f[1], 0.0f),
                             GLFWVector4(s[2], u[2], -f[2], 0.0f), GLFWVector4(0.0f, 0.0f, 0.0f, 1.0f));
  return rotation.multiply(translation(-eye));
}
