// Every OBJ file of Debian's assimp-testmodels through the loader: no crash and no sanitizer
// report whatever the file holds; indices always below their vertex counts; and for models
// simple enough to count independently, one vertex per corner and 3 x (corners - 2) indices.
#include <gtest/gtest.h>

#include <iostream>
#include <string>
#include <vector>

#include "face_census.h"
#include "mesh/mesh_loader.h"
#include "tests/support/test_models.h"

namespace {

TEST(Corpus, EveryObjFileOfTheTestModels) {
  const std::vector<std::string> files = testmodels::installedObjFiles();
  if (files.empty()) GTEST_SKIP() << "assimp-testmodels is not installed";

  std::size_t counted = 0;
  for (const std::string& path : files) {
    SCOPED_TRACE(path);
    std::string obj, mtl;
    ASSERT_TRUE(testmodels::readFile(path, obj));
    const std::string library = testmodels::libraryBeside(path, obj);
    if (!library.empty()) ASSERT_TRUE(testmodels::readFile(library, mtl));

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
