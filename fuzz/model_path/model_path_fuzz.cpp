// The whole model path: an OBJ text and an MTL text, split at the input's first NUL byte, become
// two TEXTFILE resources; the loader reads them and the mesh data is built from its meshes.
// Whatever the texts, every index must name a vertex and the arrays must match their counts.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "mesh/mesh_loader.h"
#include "platform/native_resources.h"
#include "render/mesh_data.h"

namespace {

constexpr unsigned kObjId = 141;
constexpr unsigned kMtlId = 140;

void check(bool condition) {
  if (!condition) std::abort();
}

// The texts live here and are registered again for every input, so nothing piles up.
void registerTexts(std::string_view obj, std::string_view mtl) {
  static std::string objText;
  static std::string mtlText;
  objText.assign(obj);
  mtlText.assign(mtl);
  static platform::native::EmbeddedResource table[2];
  table[0] = {kObjId, "TEXTFILE", reinterpret_cast<const unsigned char*>(objText.data()), objText.size()};
  table[1] = {kMtlId, "TEXTFILE", reinterpret_cast<const unsigned char*>(mtlText.data()), mtlText.size()};
  platform::native::registerResources(table, 2);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  // The loader's progress lines would only slow the run down.
  if (!std::freopen("/dev/null", "w", stdout)) std::abort();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::size_t split = input.find('\0');
  const std::string_view obj = input.substr(0, split);
  const std::string_view mtl = split == std::string_view::npos ? std::string_view{} : input.substr(split + 1);
  registerTexts(obj, mtl);

  // A model the loader refuses ends the process in the mesh data; the same read tells first.
  {
    objl::MeshLoader probe;
    if (!probe.loadObj(kObjId, kMtlId)) return 0;
  }
  GLFWMeshData mesh(static_cast<unsigned short>(kObjId), static_cast<unsigned short>(kMtlId), 1.0f);

  const GLFWMeshGeometry& geometry = *mesh.geometry;
  check(mesh.vertexCount == geometry.vertexCount && mesh.getIndexCount() == geometry.indexCount);
  check(mesh.getIndexCount() % 3 == 0);
  check(mesh.vertexData.size() == static_cast<std::size_t>(mesh.vertexCount) * 24);
  check(mesh.indexData.size() == static_cast<std::size_t>(mesh.getIndexCount()));
  check(geometry.specular.size() == static_cast<std::size_t>(geometry.vertexCount) * 4);
  for (std::uint32_t index : mesh.indexData) check(index < static_cast<std::uint32_t>(mesh.vertexCount));
  return 0;
}
