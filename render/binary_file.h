#pragma once

#include <cstddef>

// Writes `count` bytes to `path` (replacing the file) in binary mode. True when the file opened
// and the stream was still good after the write; shows nothing on failure.
bool writeBinaryFile(const char* path, const void* bytes, std::size_t count);
