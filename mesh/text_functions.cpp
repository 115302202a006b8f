#include "mesh/text_functions.h"

namespace objl {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

size_t skipBlanks(std::string_view text, size_t at) {
  while (at < text.size() && isBlank(text[at])) ++at;
  return at;
}

size_t skipNonBlanks(std::string_view text, size_t at) {
  while (at < text.size() && !isBlank(text[at])) ++at;
  return at;
}

}  // namespace

std::string_view leadingToken(std::string_view line) {
  const size_t start = skipBlanks(line, 0);
  return line.substr(start, skipNonBlanks(line, start) - start);
}

std::string_view textAfterToken(std::string_view line) {
  const size_t start = skipBlanks(line, skipNonBlanks(line, skipBlanks(line, 0)));
  size_t end = line.size();
  while (end > start && isBlank(line[end - 1])) --end;
  return line.substr(start, end - start);
}

void splitFields(std::string_view text, char separator, std::vector<std::string_view>& fields) {
  fields.clear();
  FieldCursor cursor(text, separator);
  std::string_view field;
  while (cursor.next(field)) fields.push_back(field);
}

std::vector<std::string_view> splitFields(std::string_view text, char separator) {
  std::vector<std::string_view> fields;
  splitFields(text, separator, fields);
  return fields;
}

std::string_view trimLineBreaks(std::string_view text) {
  size_t end = text.size();
  while (end > 0 && (text[end - 1] == '\r' || text[end - 1] == '\n')) --end;
  return end == 0 ? text : text.substr(0, end);
}

}  // namespace objl
