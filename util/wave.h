// The chunk walk of a RIFF "WAVE" image, on a bounded view of its bytes: finds the format chunk
// and the sampled data without reading outside the view, whatever sizes the image claims.
#pragma once

#include <cstdint>
#include <string_view>

struct WaveChunks {
  std::string_view format;  // payload of the first "fmt " chunk, at least 14 bytes
  std::string_view data;    // payload of the last "data" chunk seen before the walk ended
};

// True once both chunks are known: at a "fmt " chunk when non-empty data was already seen, or at
// a "data" chunk when the format was already seen. On failure `chunks` holds what was found so far.
//
// Bounds: the chunks end at 8 + the RIFF size or at the end of the image, whichever comes first;
// a chunk header must lie wholly inside the image; a payload claiming more bytes than the image
// holds is cut at the image's end (a "fmt " cut below 14 bytes fails).
bool parseWave(std::string_view image, WaveChunks& chunks);
