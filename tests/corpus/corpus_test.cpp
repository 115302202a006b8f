// Every OBJ file of Debian's assimp-testmodels through the loader: no crash and no sanitizer
// report whatever the file holds; indices always below their vertex counts; and for models
// simple enough to count independently, one vertex per corner and 3 x (corners - 2) indices.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

#include "face_census.h"
#include "mesh/mesh_loader.h"

namespace {

std::vector<std::string> packageObjFiles() {
  std::vector<std::string> files;
  std::FILE* listing = popen("dpkg -L assimp-testmodels 2>/dev/null", "r");
  if (!listing) return files;
  char line[4096];
  while (std::fgets(line, sizeof line, listing)) {
    std::string path(line);
    while (!path.empty() && (path.back() == '\n' || path.back() == '\r')) path.pop_back();
    if (path.size() > 4) {
      std::string ending = path.substr(path.size() - 4);
      for (char& c : ending) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
      if (ending == ".obj") files.push_back(path);
    }
  }
  pclose(listing);
  return files;
}

bool readFile(const std::string& path, std::string& text) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return true;
}

// The library a model names on its first "mtllib" line, when that file sits beside the model.
std::string libraryBeside(const std::string& objPath, const std::string& objText) {
  const std::size_t at = objText.find("mtllib");
  if (at == std::string::npos || (at > 0 && objText[at - 1] != '\n')) return "";
  std::string name = objText.substr(at + 6, objText.find('\n', at) - at - 6);
  name.erase(0, name.find_first_not_of(" \t"));
  name.erase(name.find_last_not_of(" \t\r") + 1);
  if (name.rfind("./", 0) == 0) name.erase(0, 2);
  if (name.empty()) return "";
  const std::string path = objPath.substr(0, objPath.rfind('/') + 1) + name;
  std::string probe;
  return readFile(path, probe) ? path : "";
}

TEST(Corpus, EveryObjFileOfTheTestModels) {
  const std::vector<std::string> files = packageObjFiles();
  if (files.empty()) GTEST_SKIP() << "assimp-testmodels is not installed";

  std::size_t counted = 0;
  for (const std::string& path : files) {
    SCOPED_TRACE(path);
    std::string obj, mtl;
    ASSERT_TRUE(readFile(path, obj));
    const std::string library = libraryBeside(path, obj);
    if (!library.empty()) ASSERT_TRUE(readFile(library, mtl));

    objl::MeshLoader loader;
    loader.setProgressOutput(nullptr);
    const bool ok = loader.loadObjText(obj, mtl);

    for (unsigned index : loader.indices) ASSERT_LT(index, loader.vertices.size());
    for (const objl::Mesh& mesh : loader.meshes) {
      for (unsigned index : mesh.indices) ASSERT_LT(index, mesh.vertices.size());
    }

    const corpus::FaceCensus census = corpus::countFaces(obj);
    std::cout << (ok ? "loaded  " : "refused ") << path << (library.empty() ? "" : " + " + library) << ": "
              << loader.meshes.size() << " meshes, " << loader.vertices.size() << " vertices, "
              << loader.indices.size() << " indices";
    if (!ok && loader.failedLine() != 0) std::cout << " (line " << loader.failedLine() << ")";
    std::cout << (!census.simple ? ", not counted: " + census.reason : census.faces == 0 ? ", no faces" : ", counted") << "\n";

    if (census.simple && census.faces > 0) {
      ++counted;
      EXPECT_TRUE(ok);
      EXPECT_EQ(loader.vertices.size(), census.corners);
      EXPECT_EQ(loader.indices.size(), census.triangleIndices);
    }
  }
  std::cout << files.size() << " files, " << counted << " counted\n";
}

}  // namespace
