#include <algorithm>
#include <cstring>
#include <iostream>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "mesh/line_reader.h"
#include "mesh/mesh_loader.h"
#include "mesh/text_functions.h"

namespace objl {
namespace {

// Each carriage return goes together with the character after it; the usual CR LF end costs
// no copy.
std::string_view withoutCarriageReturns(std::string_view line, std::string& buffer) {
  const void* found = std::memchr(line.data(), '\r', line.size());
  if (!found) return line;
  const size_t first = static_cast<size_t>(static_cast<const char*>(found) - line.data());
  if (first + 1 == line.size()) return line.substr(0, first);
  buffer.assign(line.data(), first);
  for (size_t i = first; i < line.size();) {
    if (line[i] == '\r') {
      i += 2;
    } else {
      buffer.push_back(line[i++]);
    }
  }
  return buffer;
}

// The first `count` fields of a line, all readable as floats; false otherwise.
bool readFloats(std::string_view line, size_t count, float* values) {
  FieldCursor fields(textAfterToken(line), ' ');
  std::string_view field;
  for (size_t i = 0; i < count; ++i) {
    if (!fields.next(field) || !readFloat(field, values[i])) return false;
  }
  return true;
}

// About how many corners the "f" lines hold (blank runs followed by a field), so the model-wide
// lists grow once instead of doubling through copies into fresh memory. Only capacity depends on
// it, and it never exceeds the corners such lines can give.
size_t estimateCorners(std::string_view text) {
  size_t corners = 0;
  LineReader lines(text);
  std::string_view line;
  while (lines.next(line)) {
    if (line.size() < 2 || line[0] != 'f' || line[1] != ' ') continue;
    for (size_t i = 1; i + 1 < line.size(); ++i) {
      if (line[i] == ' ' && line[i + 1] != ' ') ++corners;
    }
  }
  return corners;
}

// State of one read of an OBJ text; nothing of it outlives the read.
class ObjReader {
 public:
  ObjReader(MeshLoader& loader, std::ostream* progress, std::string_view mtlText)
      : loader_(loader), progress_(progress), mtlText_(mtlText) {}

  // False at the first line that cannot be read; `line` numbers it from 1.
  bool readLines(std::string_view objText, size_t& lineNumber) {
    LineReader lines(objText);
    std::string_view rawLine;
    lineNumber = 0;
    while (lines.next(rawLine)) {
      ++lineNumber;
      if (!readLine(withoutCarriageReturns(rawLine, cleaned_))) {
        write("\n");
        return false;
      }
    }
    write("\n");
    if (!openVertices_.empty() && !openIndices_.empty()) closeMesh(currentName_);
    assignMaterials();
    return true;
  }

 private:
  bool readLine(std::string_view line) {
    counter_ = (counter_ + 1) % 1000;
    if (counter_ == 1 && !currentName_.empty()) writeProgress();

    const std::string_view token = leadingToken(line);
    if (token == "o" || token == "g" || (!line.empty() && line[0] == 'g')) {
      readGroup(line, token);
    } else if (token == "v" || token == "vn") {
      float xyz[3];
      if (!readFloats(line, 3, xyz)) return false;
      (token == "v" ? positions_ : normals_).emplace_back(xyz[0], xyz[1], xyz[2]);
    } else if (token == "vt") {
      float uv[2];
      if (!readFloats(line, 2, uv)) return false;
      texCoords_.emplace_back(uv[0], uv[1]);
    } else if (token == "f") {
      return readFace(line);
    } else if (token == "usemtl") {
      materialNames_.emplace_back(textAfterToken(line));
      if (!openVertices_.empty() && !openIndices_.empty()) closeMesh(freeSplitName());
      counter_ = 0;
    } else if (token == "mtllib") {
      loader_.loadMaterialsText(mtlText_);
    }
    return true;
  }

  void readGroup(std::string_view line, std::string_view token) {
    const bool named = token == "o" || token == "g";
    if (listening_ && !openVertices_.empty() && !openIndices_.empty()) {
      closeMesh(currentName_);
      currentName_ = textAfterToken(line);
    } else {
      // Vertices without indices pass on into the next mesh.
      listening_ = true;
      currentName_ = named ? std::string(textAfterToken(line)) : std::string("unnamed");
    }
    write("\n");
    counter_ = 0;
  }

  bool readFace(std::string_view line) {
    if (!buildFaceVertices(line, positions_, texCoords_, normals_, corners_)) return false;
    openVertices_.insert(openVertices_.end(), corners_.begin(), corners_.end());
    loader_.vertices.insert(loader_.vertices.end(), corners_.begin(), corners_.end());

    MeshLoader::triangulateFace(corners_, faceIndices_);
    const unsigned cornerCount = static_cast<unsigned>(corners_.size());
    const unsigned openBase = static_cast<unsigned>(openVertices_.size()) - cornerCount;
    const unsigned loaderBase = static_cast<unsigned>(loader_.vertices.size()) - cornerCount;
    for (unsigned k : faceIndices_) {
      openIndices_.push_back(openBase + k);
      loader_.indices.push_back(loaderBase + k);
    }
    return true;
  }

  // A "usemtl" inside a group closes the part before it as name_2; when a mesh already has that
  // name (a third material in the same group), the next free number is taken instead.
  std::string freeSplitName() const {
    for (size_t suffix = 2;; ++suffix) {
      std::string name = currentName_ + "_" + std::to_string(suffix);
      if (closedNames_.count(name) == 0) return name;
    }
  }

  void closeMesh(const std::string& name) {
    Mesh mesh;
    mesh.name = name;
    mesh.vertices = std::move(openVertices_);
    mesh.indices = std::move(openIndices_);
    openVertices_.clear();
    openIndices_.clear();
    closedNames_.insert(name);
    loader_.meshes.push_back(std::move(mesh));
  }

  // The i-th "usemtl" name goes to the i-th mesh, by position; names beyond the last mesh have
  // no mesh to go to. The first material of a name wins.
  void assignMaterials() {
    if (materialNames_.empty()) return;
    std::unordered_map<std::string_view, size_t> firstByName;
    for (size_t i = 0; i < loader_.materials.size(); ++i) firstByName.emplace(loader_.materials[i].name, i);
    const size_t count = std::min(materialNames_.size(), loader_.meshes.size());
    for (size_t i = 0; i < count; ++i) {
      const auto match = firstByName.find(materialNames_[i]);
      if (match != firstByName.end()) loader_.meshes[i].material = loader_.materials[match->second];
    }
  }

  void writeProgress() {
    if (!progress_) return;
    std::ostream& out = *progress_;
    out << "\r- " << currentName_ << "\t| vertices > " << positions_.size() << "\t| texcoords > "
        << texCoords_.size() << "\t| normals > " << normals_.size() << "\t| triangles > "
        << openVertices_.size() / 3;
    if (!materialNames_.empty()) out << "\t| material: " << materialNames_.back();
  }

  void write(const char* text) {
    if (progress_) *progress_ << text;
  }

  MeshLoader& loader_;
  std::ostream* progress_;
  std::string_view mtlText_;

  std::vector<Vector3> positions_;
  std::vector<Vector2> texCoords_;
  std::vector<Vector3> normals_;
  std::vector<Vertex> openVertices_;
  std::vector<unsigned> openIndices_;
  std::vector<std::string> materialNames_;
  std::unordered_set<std::string> closedNames_;
  bool listening_ = false;
  std::string currentName_;
  unsigned counter_ = 1000;

  // Scratch space kept across lines so a line allocates nothing.
  std::string cleaned_;
  std::vector<Vertex> corners_;
  std::vector<unsigned> faceIndices_;
};

}  // namespace

MeshLoader::MeshLoader() : progress_(&std::cout) {}

bool MeshLoader::loadObjText(std::string_view objText, std::string_view mtlText) {
  meshes.clear();
  vertices.clear();
  indices.clear();
  failedLine_ = 0;
  const size_t materialsBefore = materials.size();

  const size_t corners = estimateCorners(objText);
  vertices.reserve(corners);
  indices.reserve(corners * 3 / 2);

  ObjReader reader(*this, progress_, mtlText);
  size_t lineNumber = 0;
  if (!reader.readLines(objText, lineNumber)) {
    // A model with a line that cannot be read is refused whole rather than read with holes.
    meshes.clear();
    vertices.clear();
    indices.clear();
    materials.resize(materialsBefore);
    failedLine_ = lineNumber;
    return false;
  }
  return !(meshes.empty() && vertices.empty() && indices.empty());
}

}  // namespace objl
