#include "mesh/mesh_loader.h"
#include "mesh/text_functions.h"

namespace objl {
namespace {

bool appendCorners(std::string_view line, const std::vector<Vector3>& positions,
                   const std::vector<Vector2>& texCoords, const std::vector<Vector3>& normals,
                   std::vector<Vertex>& corners) {
  // One working vertex serves every corner: what a corner does not set, the one before set.
  Vertex working;
  bool missingNormal = false;

  FieldCursor cornerFields(textAfterToken(line), ' ');
  std::string_view corner;
  while (cornerFields.next(corner)) {
    std::string_view parts[3];
    size_t count = 0;
    FieldCursor partFields(corner, '/');
    std::string_view part;
    while (partFields.next(part)) {
      if (count == 3) return false;
      parts[count++] = part;
    }
    if (count == 0) return false;

    const Vector3* position = elementAt(positions, parts[0]);
    if (!position) return false;
    working.position = *position;

    if (count == 3 && parts[1].empty()) {
      working.texCoord = Vector2();
    } else if (count >= 2) {
      const Vector2* texCoord = elementAt(texCoords, parts[1]);
      if (!texCoord) return false;
      working.texCoord = *texCoord;
    } else {
      working.texCoord = Vector2();
    }

    if (count == 3) {
      const Vector3* normal = elementAt(normals, parts[2]);
      if (!normal) return false;
      working.normal = *normal;
    } else {
      missingNormal = true;
    }
    corners.push_back(working);
  }

  if (missingNormal) {
    // The computed normal needs three corners; it replaces given normals too and stays unnormalised.
    if (corners.size() < 3) return false;
    const Vector3 normal = crossProduct(corners[0].position - corners[1].position, corners[2].position - corners[1].position);
    for (Vertex& vertex : corners) vertex.normal = normal;
  }
  return true;
}

}  // namespace

bool buildFaceVertices(std::string_view line, const std::vector<Vector3>& positions,
                       const std::vector<Vector2>& texCoords, const std::vector<Vector3>& normals,
                       std::vector<Vertex>& corners) {
  corners.clear();
  if (appendCorners(line, positions, texCoords, normals, corners)) return true;
  corners.clear();
  return false;
}

}  // namespace objl
