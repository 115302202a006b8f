#include "bench_models.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <sys/stat.h>

#include "tests/support/test_models.h"

namespace loaderbench {

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
  for (const std::string& path : testmodels::installedObjFiles()) {
    struct stat info {};
    if (stat(path.c_str(), &info) == 0) files.emplace_back(static_cast<long>(info.st_size), path);
  }
  std::sort(files.rbegin(), files.rend());
  std::vector<Model> models;
  for (size_t i = 0; i < files.size() && models.size() < count; ++i) {
    Model model;
    const std::string& path = files[i].second;
    model.name = path.substr(path.rfind('/') + 1);
    if (!testmodels::readFile(path, model.obj)) continue;
    const std::string library = testmodels::libraryBeside(path, model.obj);
    if (!library.empty()) testmodels::readFile(library, model.mtl);
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
