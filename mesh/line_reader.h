// Walks a text line by line: each line ends before a line feed, which is dropped; a text that
// ends with a line feed has no empty last line.
#pragma once

#include <cstring>
#include <string_view>

namespace objl {

class LineReader {
 public:
  explicit LineReader(std::string_view text) : rest_(text) {}

  bool next(std::string_view& line) {
    if (rest_.empty()) return false;
    const void* feed = std::memchr(rest_.data(), '\n', rest_.size());
    const size_t length = feed ? static_cast<size_t>(static_cast<const char*>(feed) - rest_.data()) : rest_.size();
    line = rest_.substr(0, length);
    rest_.remove_prefix(feed ? length + 1 : length);
    return true;
  }

 private:
  std::string_view rest_;
};

}  // namespace objl
