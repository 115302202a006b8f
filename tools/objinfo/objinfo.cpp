// objinfo MODEL.obj [LIBRARY.mtl]
// Runs the two files through the same text path as the program's resources and prints what the
// loader made of them as one JSON object. Exit 1 when a file cannot be read; a model the loader
// refuses still prints its (empty) results, with a note on stderr.
#include <cstdio>
#include <iostream>
#include <string>

#include "mesh/mesh_loader.h"
#include "tools/objinfo/loader_report.h"

namespace {

bool readFile(const char* path, std::string& text) {
  std::FILE* file = std::fopen(path, "rb");
  if (!file) return false;
  char buffer[1 << 16];
  size_t got = 0;
  while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) text.append(buffer, got);
  const bool failed = std::ferror(file) != 0;
  std::fclose(file);
  return !failed;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3) {
    std::fprintf(stderr, "usage: objinfo MODEL.obj [LIBRARY.mtl]\n");
    return 2;
  }
  std::string obj, mtl;
  if (!readFile(argv[1], obj)) {
    std::fprintf(stderr, "objinfo: cannot read %s\n", argv[1]);
    return 1;
  }
  if (argc == 3 && !readFile(argv[2], mtl)) {
    std::fprintf(stderr, "objinfo: cannot read %s\n", argv[2]);
    return 1;
  }

  objl::MeshLoader loader;
  loader.setProgressOutput(nullptr);  // stdout carries only the JSON
  if (!loader.loadObjText(obj, mtl)) {
    if (loader.failedLine() != 0) {
      std::fprintf(stderr, "objinfo: %s: line %zu cannot be read; the model is refused\n", argv[1], loader.failedLine());
    } else {
      std::fprintf(stderr, "objinfo: %s: no faces\n", argv[1]);
    }
  }
  std::cout << objinfo::loaderReport(loader) << "\n";
  return 0;
}
