// Any bytes as a shader resource, read into a buffer of any capacity: the copy must end at the
// first '~' inside the capacity, or give an empty text, and stay inside both buffers.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string_view>

#include "render/shader_text.h"

namespace {

void check(bool condition) {
  if (!condition) std::abort();
}

// Bytes of the destination the copy did not write; zero would hide a missing terminator.
constexpr char kUnwritten = '\xA5';

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  if (size < 2) return 0;
  // The first two bytes pick the capacity, from 0 to a little past the resource's end.
  const std::size_t resourceSize = size - 2;
  const std::size_t capacity = (bytes[0] | bytes[1] << 8) % (resourceSize + 9);

  // Both buffers are exactly as large as allowed, so AddressSanitizer sees the first byte past them.
  const std::unique_ptr<char[]> resourceBytes(new char[resourceSize ? resourceSize : 1]);
  if (resourceSize) std::memcpy(resourceBytes.get(), bytes + 2, resourceSize);
  const std::string_view resource(resourceBytes.get(), resourceSize);
  const std::unique_ptr<char[]> destination(new char[capacity + 4]);
  std::fill_n(destination.get(), capacity + 4, kUnwritten);

  const bool copied = copyShaderText(resource, destination.get(), capacity);

  const std::size_t end = resource.substr(0, capacity).find('~');
  check(copied == (end != std::string_view::npos));
  if (!copied) {
    check(destination[0] == '\0');
    return 0;
  }
  check(std::memcmp(destination.get(), resource.data(), end) == 0);
  check(std::all_of(destination.get() + end, destination.get() + end + 4, [](char c) { return c == '\0'; }));
  return 0;
}
