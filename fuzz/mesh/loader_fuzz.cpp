// Any bytes as an OBJ text and an MTL text (split at the first NUL byte): the loader must stay
// inside the texts, end, and store only indices below the vertex counts they refer to.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string_view>

#include "mesh/mesh_loader.h"

namespace {

// A copy of exactly the text's size, so AddressSanitizer sees the first byte past it.
std::unique_ptr<char[]> exactCopy(std::string_view text) {
  std::unique_ptr<char[]> copy(new char[text.size() ? text.size() : 1]);
  if (!text.empty()) std::memcpy(copy.get(), text.data(), text.size());
  return copy;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(bytes), size);
  const size_t split = input.find('\0');
  const std::string_view obj = input.substr(0, split);
  const std::string_view mtl = split == std::string_view::npos ? std::string_view() : input.substr(split + 1);
  const auto objCopy = exactCopy(obj);
  const auto mtlCopy = exactCopy(mtl);

  objl::MeshLoader loader;
  loader.setProgressOutput(nullptr);
  const bool ok = loader.loadObjText({objCopy.get(), obj.size()}, {mtlCopy.get(), mtl.size()});

  if (!ok && !loader.meshes.empty()) std::abort();
  for (unsigned index : loader.indices) {
    if (index >= loader.vertices.size()) std::abort();
  }
  for (const objl::Mesh& mesh : loader.meshes) {
    if (mesh.vertices.empty() || mesh.indices.empty()) std::abort();
    for (unsigned index : mesh.indices) {
      if (index >= mesh.vertices.size()) std::abort();
    }
  }
  return 0;
}
