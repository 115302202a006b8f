#include "json_line.h"

#include <cstdio>

namespace {

void appendUtf8(std::string& out, unsigned code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (code >> 18));
    out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

// A JSON string literal from UTF-16 text; lone surrogates become U+FFFD.
std::string jsonString(const std::wstring& text) {
  std::string out = "\"";
  for (size_t i = 0; i < text.size(); ++i) {
    unsigned code = static_cast<unsigned short>(text[i]);
    if (code >= 0xD800 && code <= 0xDBFF && i + 1 < text.size()) {
      const unsigned low = static_cast<unsigned short>(text[i + 1]);
      if (low >= 0xDC00 && low <= 0xDFFF) {
        code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
        ++i;
      } else {
        code = 0xFFFD;
      }
    } else if (code >= 0xD800 && code <= 0xDFFF) {
      code = 0xFFFD;
    }
    switch (code) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default:
        if (code < 0x20) {
          char escaped[8];
          std::snprintf(escaped, sizeof escaped, "\\u%04x", code);
          out += escaped;
        } else {
          appendUtf8(out, code);
        }
    }
  }
  out += '"';
  return out;
}

}  // namespace

std::string boxReportJson(const BoxReport& box) {
  std::string line = "{\"caption\": " + jsonString(box.caption) + ", \"text\": " + jsonString(box.text) +
                     ", \"pid\": " + std::to_string(box.pid);
  if (box.icon) line += std::string(", \"icon\": \"") + box.icon + "\"";
  line += "}";
  return line;
}
