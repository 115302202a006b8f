// The texts the loader benchmark reads: a large generated model and the largest real OBJ files
// that are installed.
#pragma once

#include <string>
#include <vector>

namespace loaderbench {

struct Model {
  std::string name;
  std::string obj;
  std::string mtl;
};

// A grid of size x size positions, each with a texture coordinate and a normal; its cells are
// quads and triangle pairs in turn (2 x (size - 1)^2 triangles), in groups with two materials.
Model generatedGrid(int size);

// Up to `count` of the largest OBJ files of assimp-testmodels, each with the library beside it.
std::vector<Model> largestCorpusModels(size_t count);

// A ring of `corners` positions: regular, or a star whose corners alternate between two radii.
std::vector<std::pair<float, float>> ring(int corners, bool star);

}  // namespace loaderbench
