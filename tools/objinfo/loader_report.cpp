#include "tools/objinfo/loader_report.h"

#include <cstdio>

namespace objinfo {
namespace {

// Length of the well-formed UTF-8 sequence starting at `at`, or 0.
size_t utf8SequenceLength(std::string_view text, size_t at) {
  const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(at);
  size_t length = 0;
  unsigned char low = 0x80, high = 0xBF;  // allowed range of the second byte
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;   // no overlong forms
    if (lead == 0xED) high = 0x9F;  // no surrogates
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;  // nothing past U+10FFFF
  } else {
    return 0;
  }
  if (at + length > text.size()) return 0;
  if (byte(at + 1) < low || byte(at + 1) > high) return 0;
  for (size_t i = 2; i < length; ++i) {
    if (byte(at + i) < 0x80 || byte(at + i) > 0xBF) return 0;
  }
  return length;
}

void appendEscaped(std::string& out, unsigned code) {
  char buffer[8];
  std::snprintf(buffer, sizeof buffer, "\\u%04x", code);
  out += buffer;
}

}  // namespace

std::string jsonString(std::string_view text) {
  std::string out = "\"";
  for (size_t i = 0; i < text.size();) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c == '\n') {
      out += "\\n";
    } else if (c == '\r') {
      out += "\\r";
    } else if (c == '\t') {
      out += "\\t";
    } else if (c < 0x20) {
      appendEscaped(out, c);
    } else if (c >= 0x80) {
      const size_t length = utf8SequenceLength(text, i);
      if (length == 0) {
        appendEscaped(out, c);
        ++i;
      } else {
        out.append(text.substr(i, length));
        i += length;
      }
      continue;
    } else {
      out += static_cast<char>(c);
    }
    ++i;
  }
  return out + "\"";
}

std::string loaderReport(const objl::MeshLoader& loader) {
  std::string out = "{\"meshes\": [";
  for (size_t i = 0; i < loader.meshes.size(); ++i) {
    const objl::Mesh& mesh = loader.meshes[i];
    if (i > 0) out += ", ";
    out += "{\"name\": " + jsonString(mesh.name) + ", \"vertices\": " + std::to_string(mesh.vertices.size()) +
           ", \"indices\": " + std::to_string(mesh.indices.size()) + ", \"material\": " + jsonString(mesh.material.name) +
           "}";
  }
  out += "], \"vertices\": " + std::to_string(loader.vertices.size()) +
         ", \"indices\": " + std::to_string(loader.indices.size()) +
         ", \"materials\": " + std::to_string(loader.materials.size()) + "}";
  return out;
}

}  // namespace objinfo
