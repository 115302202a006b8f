#include "mesh/mesh_loader.h"
#include "platform/platform.h"

namespace objl {
namespace {

// The whole resource by its size; a "~" is an ordinary character here, and a missing resource
// reads as an empty text.
std::string_view resourceText(unsigned id) { return platform::resourceBytes(id & 0xFFFFu, "TEXTFILE"); }

}  // namespace

bool MeshLoader::loadObj(unsigned objResourceId, unsigned mtlResourceId) {
  return loadObjText(resourceText(objResourceId), resourceText(mtlResourceId));
}

bool MeshLoader::loadMaterials(unsigned mtlResourceId) { return loadMaterialsText(resourceText(mtlResourceId)); }

}  // namespace objl
