// An independent count of what a model's faces should give, for models simple enough to tell:
// single spaces between values, readable numbers, valid indices, 3 or 4 corners per face and
// distinct positions within each face. Larger polygons depend on their shape, so a model with
// one is not counted.
#pragma once

#include <cstddef>
#include <string>

namespace corpus {

struct FaceCensus {
  bool simple = true;  // every line and face meets the rules above
  std::string reason;  // why not, for the log
  std::size_t faces = 0;
  std::size_t corners = 0;
  std::size_t triangleIndices = 0;  // 3 x (corners - 2), summed over the faces
};

FaceCensus countFaces(const std::string& objText);

}  // namespace corpus
