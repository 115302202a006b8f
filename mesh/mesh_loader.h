// Reads a Wavefront OBJ model and its MTL library from TEXTFILE resources into meshes.
// loadObj/loadMaterials only fetch the resource text; the *Text forms do the reading, so tests,
// tools and fuzzers feed plain strings.
#pragma once

#include <iosfwd>
#include <string_view>
#include <vector>

#include "mesh/objl.h"

namespace objl {

class MeshLoader {
 public:
  MeshLoader();

  std::vector<Mesh> meshes;
  std::vector<Vertex> vertices;  // every face corner of the model, across meshes
  std::vector<unsigned> indices;  // triangles over `vertices`
  std::vector<Material> materials;  // every material read, duplicates included

  // Only the low 16 bits of the resource identifiers count. False when the model has no face
  // or holds a line that cannot be read (see loadObjText).
  bool loadObj(unsigned objResourceId, unsigned mtlResourceId);
  // Appends the library's materials; always at least one.
  bool loadMaterials(unsigned mtlResourceId);

  // Every "mtllib" line reads `mtlText`. A line that cannot be read ("v" with fewer than three
  // numbers, a face corner outside its list, a number without digits ...) refuses the model:
  // false, with meshes, vertices and indices empty and materials as before the call.
  bool loadObjText(std::string_view objText, std::string_view mtlText);
  bool loadMaterialsText(std::string_view mtlText);

  // The line (from 1) that made the last loadObjText fail; 0 when no line did.
  size_t failedLine() const { return failedLine_; }

  // Progress lines go to standard output unless redirected here; null silences them.
  void setProgressOutput(std::ostream* stream) { progress_ = stream; }

  // Triangle corner numbers (triples, from 0) for one face; only positions count.
  static std::vector<unsigned> triangulateFace(const std::vector<Vertex>& corners);
  // The same into `out`, which is cleared first.
  static void triangulateFace(const std::vector<Vertex>& corners, std::vector<unsigned>& out);

 private:
  std::ostream* progress_;  // standard output unless redirected
  size_t failedLine_ = 0;
};

// The corners of one "f" line, in order, into `corners` (cleared first). False when a corner
// cannot be resolved (no part, more than three, an index without digits or outside its list)
// or when a face of fewer than three corners would need a computed normal.
bool buildFaceVertices(std::string_view line, const std::vector<Vector3>& positions,
                       const std::vector<Vector2>& texCoords, const std::vector<Vector3>& normals,
                       std::vector<Vertex>& corners);

}  // namespace objl
