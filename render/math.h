// The framework's linear algebra: fixed-size float vectors, a column-major 4x4 matrix and the
// builders the camera and the frame need. Plain values: no heap, nothing virtual, and default
// construction leaves the components unset, so a matrix can be built in place without a
// wasted clear.
#pragma once

#include <type_traits>

// The named components of an N-float vector; the members are the whole storage.
template <int N>
struct GLFWVectorComponents;

template <>
struct GLFWVectorComponents<2> {
  float x, y;
};

template <>
struct GLFWVectorComponents<3> {
  float x, y, z;
};

template <>
struct GLFWVectorComponents<4> {
  float x, y, z, w;
};

template <int N>
class GLFWVector : public GLFWVectorComponents<N> {
 public:
  GLFWVector() = default;

  // One float per component, component 0 first.
  template <typename... C,
            typename = std::enable_if_t<sizeof...(C) == N && (std::is_convertible_v<C, float> && ...)>>
  constexpr GLFWVector(C... components) : GLFWVectorComponents<N>{static_cast<float>(components)...} {}

  static constexpr int size() { return N; }

  // No range check, like an array.
  float& operator[](int i) { return this->*member(i); }
  const float& operator[](int i) const { return this->*member(i); }

  void fill(const float& value) {
    for (int i = 0; i < N; ++i) (*this)[i] = value;
  }

 private:
  // Member pointers rather than pointer arithmetic across fields, so indexing stays well defined.
  static float GLFWVectorComponents<N>::*member(int i) {
    using C = GLFWVectorComponents<N>;
    if constexpr (N == 2) {
      constexpr float C::*members[] = {&C::x, &C::y};
      return members[i];
    } else if constexpr (N == 3) {
      constexpr float C::*members[] = {&C::x, &C::y, &C::z};
      return members[i];
    } else {
      constexpr float C::*members[] = {&C::x, &C::y, &C::z, &C::w};
      return members[i];
    }
  }
};

using GLFWVector2 = GLFWVector<2>;
using GLFWVector3 = GLFWVector<3>;
using GLFWVector4 = GLFWVector<4>;

GLFWVector3 operator+(const GLFWVector3& a, const GLFWVector3& b);
GLFWVector3 operator-(const GLFWVector3& a, const GLFWVector3& b);
GLFWVector3 operator*(const GLFWVector3& a, const float& s);
GLFWVector3 operator/(const GLFWVector3& a, const float& s);
// Flips every sign bit: a zero component becomes -0.0.
GLFWVector3 operator-(const GLFWVector3& a);
GLFWVector2 operator-(const GLFWVector2& a, const GLFWVector2& b);

// Degrees times the float nearest to pi/180.
float radians(float degrees);
float length(const GLFWVector3& v);
// v / length(v); a zero vector gives non-finite components, by design without a check.
GLFWVector3 normalize(const GLFWVector3& v);
GLFWVector3 cross(const GLFWVector3& a, const GLFWVector3& b);

// Four columns of four floats, column 0 first: the layout glUniformMatrix4fv takes untransposed.
class GLFWMatrix4 {
 public:
  GLFWMatrix4() = default;
  explicit GLFWMatrix4(float value);
  GLFWMatrix4(const GLFWVector4& c0, const GLFWVector4& c1, const GLFWVector4& c2, const GLFWVector4& c3);

  // Column access; no range check.
  GLFWVector4& operator[](int column) { return columns[column]; }
  const GLFWVector4& operator[](int column) const { return columns[column]; }

  // this x other: applied to a column vector, `other` acts first.
  GLFWMatrix4 multiply(const GLFWMatrix4& other) const;

  // The 16 floats, row 0 of column 0 first.
  float* data() { return &columns[0].x; }
  const float* data() const { return &columns[0].x; }

  GLFWVector4 columns[4];
};

// Right-handed eye space looking down -z; depth -zNear maps to -1 and -zFar to +1.
GLFWMatrix4 perspective(float fovDegrees, float aspect, float zNear, float zFar);
GLFWMatrix4 translation(float x, float y, float z);
GLFWMatrix4 translation(const GLFWVector3& v);
// The side vector is not renormalised: it has unit length only when the eye direction and `up`
// are perpendicular, which the camera keeps true.
GLFWMatrix4 lookAt(const GLFWVector3& eye, const GLFWVector3& centre, const GLFWVector3& up);

// The layouts the GL upload and the vertex records rely on.
static_assert(sizeof(GLFWVector2) == 2 * sizeof(float));
static_assert(sizeof(GLFWVector3) == 3 * sizeof(float));
static_assert(sizeof(GLFWVector4) == 4 * sizeof(float));
static_assert(sizeof(GLFWMatrix4) == 16 * sizeof(float));
static_assert(std::is_standard_layout_v<GLFWVector3> && std::is_trivially_copyable_v<GLFWVector3>);
static_assert(std::is_standard_layout_v<GLFWVector4> && std::is_trivially_copyable_v<GLFWVector4>);
static_assert(std::is_standard_layout_v<GLFWMatrix4> && std::is_trivially_copyable_v<GLFWMatrix4>);
static_assert(std::is_trivially_default_constructible_v<GLFWVector4> &&
              std::is_trivially_default_constructible_v<GLFWMatrix4>);
