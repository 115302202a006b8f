#include "face_census.h"

#include <array>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <sstream>
#include <vector>

namespace corpus {
namespace {

std::vector<std::string> split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::string part;
  std::istringstream in(text);
  while (std::getline(in, part, separator)) parts.push_back(part);
  return parts;
}

bool wholeFloat(const std::string& field, float& value) {
  if (field.empty()) return false;
  errno = 0;
  char* end = nullptr;
  const double read = std::strtod(field.c_str(), &end);
  value = static_cast<float>(read);
  return errno == 0 && *end == '\0' && std::isfinite(value);
}

bool wholeIndex(const std::string& field, std::size_t count, std::size_t& position) {
  if (field.empty()) return false;
  char* end = nullptr;
  const long n = std::strtol(field.c_str(), &end, 10);
  if (*end != '\0') return false;
  const long length = static_cast<long>(count);
  if (n >= 1 && n <= length) {
    position = static_cast<std::size_t>(n - 1);
    return true;
  }
  if (n < 0 && n >= -length) {
    position = static_cast<std::size_t>(length + n);
    return true;
  }
  return false;
}

}  // namespace

FaceCensus countFaces(const std::string& objText) {
  FaceCensus census;
  auto refuse = [&](const std::string& why, std::size_t lineNumber) {
    census.simple = false;
    census.reason = "line " + std::to_string(lineNumber) + ": " + why;
    return census;
  };

  std::vector<std::array<float, 3>> positions;
  std::size_t texCoords = 0, normals = 0;
  std::size_t lineNumber = 0;
  for (std::string line : split(objText, '\n')) {
    ++lineNumber;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.find('\r') != std::string::npos) return refuse("carriage return inside", lineNumber);

    std::size_t start = line.find_first_not_of(" \t");
    if (start == std::string::npos) continue;
    std::size_t keywordEnd = line.find_first_of(" \t", start);
    const std::string keyword = line.substr(start, keywordEnd == std::string::npos ? std::string::npos : keywordEnd - start);
    if (keyword != "v" && keyword != "vt" && keyword != "vn" && keyword != "f") continue;

    std::string rest = keywordEnd == std::string::npos ? "" : line.substr(keywordEnd);
    rest.erase(0, rest.find_first_not_of(" \t") == std::string::npos ? rest.size() : rest.find_first_not_of(" \t"));
    rest.erase(rest.find_last_not_of(" \t") + 1);
    if (rest.find('\t') != std::string::npos || rest.find("  ") != std::string::npos) {
      return refuse("values not separated by single spaces", lineNumber);
    }
    const std::vector<std::string> fields = split(rest, ' ');

    if (keyword == "v" || keyword == "vn" || keyword == "vt") {
      const std::size_t needed = keyword == "vt" ? 2 : 3;
      std::array<float, 3> values{};
      if (fields.size() < needed) return refuse("too few values", lineNumber);
      for (std::size_t i = 0; i < needed; ++i) {
        if (!wholeFloat(fields[i], values[i])) return refuse("unreadable value", lineNumber);
      }
      if (keyword == "v") positions.push_back(values);
      if (keyword == "vt") ++texCoords;
      if (keyword == "vn") ++normals;
      continue;
    }

    if (fields.size() < 3 || fields.size() > 4) return refuse("face of " + std::to_string(fields.size()) + " corners", lineNumber);
    std::vector<std::array<float, 3>> facePositions;
    for (const std::string& corner : fields) {
      std::vector<std::string> parts = split(corner, '/');
      if (parts.empty() || parts.size() > 3 || corner.back() == '/') return refuse("corner " + corner, lineNumber);
      std::size_t at = 0;
      if (!wholeIndex(parts[0], positions.size(), at)) return refuse("position index " + corner, lineNumber);
      facePositions.push_back(positions[at]);
      std::size_t unused = 0;
      if (parts.size() >= 2 && !(parts.size() == 3 && parts[1].empty()) && !wholeIndex(parts[1], texCoords, unused)) {
        return refuse("texture index " + corner, lineNumber);
      }
      if (parts.size() == 3 && !wholeIndex(parts[2], normals, unused)) return refuse("normal index " + corner, lineNumber);
    }
    for (std::size_t i = 0; i < facePositions.size(); ++i) {
      for (std::size_t j = 0; j < i; ++j) {
        if (facePositions[i] == facePositions[j]) return refuse("corners share a position", lineNumber);
      }
    }
    ++census.faces;
    census.corners += fields.size();
    census.triangleIndices += 3 * (fields.size() - 2);
  }
  return census;
}

}  // namespace corpus
