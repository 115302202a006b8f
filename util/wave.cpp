#include "util/wave.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr std::uint64_t headerBytes = 8;
constexpr std::uint32_t smallestFormat = 14;

std::uint32_t wordAt(std::string_view image, std::uint64_t offset) {
  const auto* p = reinterpret_cast<const unsigned char*>(image.data()) + offset;
  return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
         static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

bool idAt(std::string_view image, std::uint64_t offset, const char* id) {
  return std::memcmp(image.data() + offset, id, 4) == 0;
}

}  // namespace

bool parseWave(std::string_view image, WaveChunks& chunks) {
  chunks = WaveChunks{};
  if (image.size() < 12 || !idAt(image, 0, "RIFF") || !idAt(image, 8, "WAVE")) return false;

  // 64-bit offsets: a RIFF or chunk size near 4 GiB must not wrap around.
  const std::uint64_t imageEnd = image.size();
  const std::uint64_t end = std::min<std::uint64_t>(headerBytes + wordAt(image, 4), imageEnd);
  bool haveFormat = false;

  std::uint64_t chunk = 12;
  while (chunk < end) {
    if (chunk + headerBytes > imageEnd) return false;
    const std::uint64_t payload = chunk + headerBytes;
    const std::uint32_t claimed = wordAt(image, chunk + 4);
    const std::uint64_t size = std::min<std::uint64_t>(claimed, imageEnd - payload);
    const std::string_view bytes = image.substr(static_cast<size_t>(payload), static_cast<size_t>(size));

    if (idAt(image, chunk, "fmt ") && !haveFormat) {
      if (size < smallestFormat) return false;
      chunks.format = bytes;
      haveFormat = true;
      if (!chunks.data.empty()) return true;
    } else if (idAt(image, chunk, "data")) {
      chunks.data = bytes;
      if (haveFormat) return true;
    }
    // Payloads are padded to an even length.
    chunk = payload + ((static_cast<std::uint64_t>(claimed) + 1) & ~std::uint64_t{1});
  }
  return false;
}
