// The real OBJ files of Debian's assimp-testmodels, as the corpus test and the loader benchmark
// read them.
#pragma once

#include <string>
#include <vector>

namespace testmodels {

// Every installed OBJ file of the package (empty when it is not installed).
std::vector<std::string> installedObjFiles();

// The whole file as bytes; false when it cannot be opened.
bool readFile(const std::string& path, std::string& text);

// The library a model names on its first "mtllib" line, when that file sits beside the model:
// its path, or empty.
std::string libraryBeside(const std::string& objPath, const std::string& objText);

}  // namespace testmodels
