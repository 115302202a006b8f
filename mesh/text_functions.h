// Text helpers shared by the OBJ and MTL readers. A blank is a space or a tab; a carriage
// return is an ordinary character. Results are views into the text they were given.
#pragma once

#include <string_view>
#include <vector>

#include "mesh/number_reading.h"

namespace objl {

// The first run of non-blanks; empty for an empty or all-blank line.
std::string_view leadingToken(std::string_view line);

// What follows the leading token and its blanks, up to the last non-blank of the line.
std::string_view textAfterToken(std::string_view line);

// Yields the fields of splitFields one at a time, without a list.
class FieldCursor {
 public:
  FieldCursor(std::string_view text, char separator) : text_(text), separator_(separator) {}

  bool next(std::string_view& field) {
    if (at_ >= text_.size()) return false;
    const size_t end = text_.find(separator_, at_);
    if (end == std::string_view::npos) {
      field = text_.substr(at_);
      at_ = text_.size();
    } else {
      field = text_.substr(at_, end - at_);
      at_ = end + 1;
    }
    return true;
  }

 private:
  std::string_view text_;
  char separator_;
  size_t at_ = 0;
};

// Fields between separators. Two separators in a row or one at the start give an empty
// field; one at the very end gives no empty last field; an empty text gives no field.
std::vector<std::string_view> splitFields(std::string_view text, char separator);
// The same, reusing `fields` (cleared first) so a reader allocates nothing per line.
void splitFields(std::string_view text, char separator, std::vector<std::string_view>& fields);

// Removes the run of carriage returns and line feeds at the end, unless nothing else is left.
std::string_view trimLineBreaks(std::string_view text);

// The element an OBJ index addresses: 1 is the first, -1 the last. Null when the index has no
// digits, is 0, or lies beyond either end of the list.
template <typename T>
const T* elementAt(const std::vector<T>& list, std::string_view indexText) {
  long long n = 0;
  if (!readInteger(indexText, n)) return nullptr;
  const long long length = static_cast<long long>(list.size());
  if (n < 0) return n >= -length ? &list[static_cast<size_t>(length + n)] : nullptr;
  return n >= 1 && n <= length ? &list[static_cast<size_t>(n - 1)] : nullptr;
}

}  // namespace objl
