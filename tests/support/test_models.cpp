#include "tests/support/test_models.h"

#include <cctype>
#include <cstdio>
#include <fstream>
#include <iterator>

namespace testmodels {

std::vector<std::string> installedObjFiles() {
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

}  // namespace testmodels
