// Any bytes as the corners of one face: the triangulation must end, emit only corner numbers of
// the face, and give n - 2 triangles or none when the positions are finite and distinct.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "mesh/mesh_loader.h"

namespace {

// The first byte picks how corners are read: odd for raw floats (NaN, infinities, anything),
// even for small integer grid points, where straight corners and shared positions are common.
std::vector<objl::Vertex> cornersFrom(const std::uint8_t* bytes, std::size_t size) {
  std::vector<objl::Vertex> corners;
  if (size == 0) return corners;
  const bool rawFloats = bytes[0] & 1;
  ++bytes;
  --size;
  const std::size_t stride = rawFloats ? 12 : 3;
  // The work grows with the cube of the corner count; faces in models are small.
  const std::size_t count = std::min<std::size_t>(size / stride, 256);
  for (std::size_t i = 0; i < count; ++i) {
    float xyz[3];
    for (int k = 0; k < 3; ++k) {
      if (rawFloats) {
        std::memcpy(&xyz[k], bytes + i * stride + 4 * k, 4);
      } else {
        xyz[k] = static_cast<float>(static_cast<std::int8_t>(bytes[i * stride + k]) / 16);
      }
    }
    corners.emplace_back();
    corners.back().position = objl::Vector3(xyz[0], xyz[1], xyz[2]);
  }
  return corners;
}

bool finiteAndDistinct(const std::vector<objl::Vertex>& corners) {
  for (std::size_t i = 0; i < corners.size(); ++i) {
    const objl::Vector3 p = corners[i].position;
    if (!std::isfinite(p.x) || !std::isfinite(p.y) || !std::isfinite(p.z)) return false;
    for (std::size_t j = 0; j < i; ++j) {
      if (corners[j].position == p) return false;
    }
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  const std::vector<objl::Vertex> corners = cornersFrom(bytes, size);
  const std::vector<unsigned> indices = objl::MeshLoader::triangulateFace(corners);
  for (unsigned index : indices) {
    if (index >= corners.size()) std::abort();
  }
  if (corners.size() >= 3 && finiteAndDistinct(corners) && !indices.empty() && indices.size() != 3 * (corners.size() - 2)) {
    std::abort();
  }
  return 0;
}
