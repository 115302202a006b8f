#include "render/shader_text.h"

#include <cstring>

bool copyShaderText(std::string_view resource, char* destination, std::size_t capacity) {
  const std::string_view window = resource.substr(0, capacity);
  const std::size_t end = window.find('~');
  if (end == std::string_view::npos) {
    std::memset(destination, 0, 4);
    return false;
  }
  std::memcpy(destination, window.data(), end);
  std::memset(destination + end, 0, 4);
  return true;
}
