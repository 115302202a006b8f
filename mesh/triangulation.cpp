#include <cstddef>
#include <vector>

#include "mesh/mesh_loader.h"

namespace objl {
namespace {

// Emits every corner whose position equals p, then q, then r, walking the corners in ascending
// order, so coinciding positions emit more than one number.
void emitTriangle(const std::vector<Vertex>& corners, Vector3 p, Vector3 q, Vector3 r, std::vector<unsigned>& out) {
  for (size_t j = 0; j < corners.size(); ++j) {
    const Vector3 at = corners[j].position;
    if (at == p) out.push_back(static_cast<unsigned>(j));
    if (at == q) out.push_back(static_cast<unsigned>(j));
    if (at == r) out.push_back(static_cast<unsigned>(j));
  }
}

bool holdsOtherCorner(const std::vector<Vertex>& corners, Vector3 prev, Vector3 cur, Vector3 next) {
  for (const Vertex& corner : corners) {
    const Vector3 at = corner.position;
    if (at != prev && at != cur && at != next && insideTriangle(at, prev, cur, next)) return true;
  }
  return false;
}

}  // namespace

void MeshLoader::triangulateFace(const std::vector<Vertex>& corners, std::vector<unsigned>& out) {
  out.clear();
  if (corners.size() < 3) return;
  if (corners.size() == 3) {
    out.assign({0u, 1u, 2u});
    return;
  }

  std::vector<Vector3> ring;
  ring.reserve(corners.size());
  for (const Vertex& corner : corners) ring.push_back(corner.position);

  // One cut shortens the ring by one and starts the scan over; the ring never drops below
  // four, where the last two triangles end the work.
  for (size_t i = 0; i < ring.size();) {
    const Vector3 prev = ring[i == 0 ? ring.size() - 1 : i - 1];
    const Vector3 cur = ring[i];
    const Vector3 next = ring[i + 1 == ring.size() ? 0 : i + 1];

    if (ring.size() == 4) {
      emitTriangle(corners, cur, prev, next, out);
      Vector3 other;
      for (const Vector3& at : ring) {
        if (at != cur && at != prev && at != next) {
          other = at;
          break;
        }
      }
      emitTriangle(corners, prev, next, other, out);
      return;
    }

    const double angle = angleBetween(prev - cur, next - cur) * 57.29577951307855;
    if (angle <= 0.0 || angle >= 180.0 || holdsOtherCorner(corners, prev, cur, next)) {
      ++i;
      continue;
    }

    emitTriangle(corners, cur, prev, next, out);
    // The first corner at cur's position goes; a NaN position equals nothing, and then the
    // ear itself goes, so every cut shortens the ring.
    size_t cut = i;
    for (size_t k = 0; k < ring.size(); ++k) {
      if (ring[k] == cur) {
        cut = k;
        break;
      }
    }
    ring.erase(ring.begin() + static_cast<std::ptrdiff_t>(cut));
    i = 0;
  }

  // No ear left: a first scan without one gives nothing for the face. After earlier cuts,
  // scanning again would find the same nothing forever, so a fan from the first remaining
  // corner closes the rest and the face keeps its n - 2 triangles.
  if (out.empty()) return;
  for (size_t k = 1; k + 1 < ring.size(); ++k) emitTriangle(corners, ring[0], ring[k], ring[k + 1], out);
}

std::vector<unsigned> MeshLoader::triangulateFace(const std::vector<Vertex>& corners) {
  std::vector<unsigned> out;
  triangulateFace(corners, out);
  return out;
}

}  // namespace objl
