// The loader's results as one JSON object: meshes with their counts and material name, and the
// loader's totals.
#pragma once

#include <string>
#include <string_view>

#include "mesh/mesh_loader.h"

namespace objinfo {

// A JSON string literal. Valid UTF-8 passes through; any other byte is taken as Latin-1 so the
// output stays valid JSON whatever the model's names hold.
std::string jsonString(std::string_view text);

std::string loaderReport(const objl::MeshLoader& loader);

}  // namespace objinfo
