#include "bench_models.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <sys/stat.h>

namespace loaderbench {
namespace {

bool readFile(const std::string& path, std::string& text) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return true;
}

std::string libraryBeside(const std::string& objPath, const std::string& objText) {
  const size_t at = objText.find("mtllib ");
  if (at == std::string::npos) return "";
  std::string name = objText.substr(at + 7, objText.find('\n', at) - at - 7);
  name.erase(name.find_last_not_of(" \t\r") + 1);
  if (name.rfind("./", 0) == 0) name.erase(0, 2);
  std::string text;
  readFile(objPath.substr(0, objPath.rfind('/') + 1) + name, text);
  return text;
}

}  // namespace

Model generatedGrid(int size) {
  Model model{"grid" + std::to_string(size), "", "newmtl grass\nKd 0.2 0.8 0.2\nnewmtl rock\nKd 0.5 0.5 0.5\n"};
  std::string& obj = model.obj;
  obj.reserve(static_cast<size_t>(size) * size * 120);
  obj += "mtllib terrain.mtl\n";
  char line[160];
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      const float h = 0.5f * std::sin(x * 0.05f) * std::cos(y * 0.07f);
      std::snprintf(line, sizeof line, "v %.6f %.6f %.6f\nvt %.6f %.6f\nvn %.4f %.4f %.4f\n", x * 0.1f, h, y * 0.1f,
                    x / float(size - 1), y / float(size - 1), -h * 0.3f, 0.95f, h * 0.2f);
      obj += line;
    }
  }
  for (int y = 0; y + 1 < size; ++y) {
    if (y % 64 == 0) {
      obj += "g strip" + std::to_string(y / 64) + "\n";
      obj += (y / 64) % 2 ? "usemtl rock\n" : "usemtl grass\n";
    }
    for (int x = 0; x + 1 < size; ++x) {
      const int a = y * size + x + 1, b = a + 1, c = a + size + 1, d = a + size;
      if ((x + y) % 2 == 0) {
        std::snprintf(line, sizeof line, "f %d/%d/%d %d/%d/%d %d/%d/%d %d/%d/%d\n", a, a, a, b, b, b, c, c, c, d, d, d);
      } else {
        std::snprintf(line, sizeof line, "f %d/%d/%d %d/%d/%d %d/%d/%d\nf %d/%d/%d %d/%d/%d %d/%d/%d\n", a, a, a, b, b,
                      b, c, c, c, a, a, a, c, c, c, d, d, d);
      }
      obj += line;
    }
  }
  return model;
}

std::vector<Model> largestCorpusModels(size_t count) {
  std::vector<std::pair<long, std::string>> files;
  std::FILE* listing = popen("dpkg -L assimp-testmodels 2>/dev/null", "r");
  if (!listing) return {};
  char line[4096];
  while (std::fgets(line, sizeof line, listing)) {
    std::string path(line);
    path.erase(path.find_last_not_of("\r\n") + 1);
    struct stat info {};
    if (path.size() > 4 && path.compare(path.size() - 4, 4, ".obj") == 0 && stat(path.c_str(), &info) == 0) {
      files.emplace_back(static_cast<long>(info.st_size), path);
    }
  }
  pclose(listing);
  std::sort(files.rbegin(), files.rend());
  std::vector<Model> models;
  for (size_t i = 0; i < files.size() && models.size() < count; ++i) {
    Model model;
    const std::string& path = files[i].second;
    model.name = path.substr(path.rfind('/') + 1);
    if (!readFile(path, model.obj)) continue;
    model.mtl = libraryBeside(path, model.obj);
    models.push_back(std::move(model));
  }
  return models;
}

std::vector<std::pair<float, float>> ring(int corners, bool star) {
  std::vector<std::pair<float, float>> points;
  for (int i = 0; i < corners; ++i) {
    const double angle = 2.0 * M_PI * i / corners;
    const double radius = star && i % 2 ? 0.6 : 1.0;
    points.emplace_back(static_cast<float>(radius * std::cos(angle)), static_cast<float>(radius * std::sin(angle)));
  }
  return points;
}

}  // namespace loaderbench
