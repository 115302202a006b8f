// Any bytes as a RIFF image: the walk must stay inside them and report only chunks that do.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "util/wave.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  // A buffer of exactly the input's size, so AddressSanitizer sees the first byte past it.
  const std::unique_ptr<char[]> exact(new char[size ? size : 1]);
  if (size) std::memcpy(exact.get(), bytes, size);
  const std::string_view image(exact.get(), size);

  WaveChunks chunks;
  const bool found = parseWave(image, chunks);
  for (std::string_view part : {chunks.format, chunks.data}) {
    if (!part.data()) continue;
    if (part.data() < image.data() || part.data() + part.size() > image.data() + image.size()) std::abort();
  }
  if (found && chunks.format.size() < 14) std::abort();
  return 0;
}
