#include <climits>
#include <string>
#include <vector>

#include "mesh/line_reader.h"
#include "mesh/mesh_loader.h"
#include "mesh/text_functions.h"

namespace objl {
namespace {

// A colour line counts only with exactly three readable fields; otherwise the colour stays.
void readColour(std::string_view line, std::vector<std::string_view>& fields, Vector3& colour) {
  splitFields(textAfterToken(line), ' ', fields);
  Vector3 read;
  if (fields.size() == 3 && readFloat(fields[0], read.x) && readFloat(fields[1], read.y) && readFloat(fields[2], read.z)) {
    colour = read;
  }
}

// A value without digits or out of range leaves the field as it was.
void readScalar(std::string_view line, float& field) {
  float read = 0.0f;
  if (readFloat(textAfterToken(line), read)) field = read;
}

void readIllumination(std::string_view line, int& field) {
  long long read = 0;
  if (readInteger(textAfterToken(line), read) && read >= INT_MIN && read <= INT_MAX) field = static_cast<int>(read);
}

}  // namespace

bool MeshLoader::loadMaterialsText(std::string_view mtlText) {
  Material material;
  bool listening = false;
  std::vector<std::string_view> fields;

  // Carriage returns stay in the lines here: only the material name drops them.
  LineReader lines(mtlText);
  std::string_view line;
  while (lines.next(line)) {
    const std::string_view token = leadingToken(line);
    if (token == "newmtl") {
      if (listening) {
        materials.push_back(std::move(material));
        material = Material();
      }
      listening = true;
      material.name = line.size() > 7 ? std::string(trimLineBreaks(textAfterToken(line))) : std::string("none");
    } else if (token == "Ka") {
      readColour(line, fields, material.Ka);
    } else if (token == "Kd") {
      readColour(line, fields, material.Kd);
    } else if (token == "Ks") {
      readColour(line, fields, material.Ks);
    } else if (token == "Ns") {
      readScalar(line, material.Ns);
    } else if (token == "Ni") {
      readScalar(line, material.Ni);
    } else if (token == "d") {
      readScalar(line, material.d);
    } else if (token == "illum") {
      readIllumination(line, material.illum);
    } else if (token == "map_Ka") {
      material.map_Ka = std::string(textAfterToken(line));
    } else if (token == "map_Kd") {
      material.map_Kd = std::string(textAfterToken(line));
    } else if (token == "map_Ks") {
      material.map_Ks = std::string(textAfterToken(line));
    } else if (token == "map_Ns") {
      material.map_Ns = std::string(textAfterToken(line));
    } else if (token == "map_d") {
      material.map_d = std::string(textAfterToken(line));
    } else if (token == "map_Bump" || token == "map_bump" || token == "bump") {
      material.map_bump = std::string(textAfterToken(line));
    }
  }
  // Lines before any "newmtl", or a library without one, still make a material.
  materials.push_back(std::move(material));
  return true;
}

}  // namespace objl
