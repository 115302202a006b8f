#include "render/binary_file.h"

#include <fstream>

bool writeBinaryFile(const char* path, const void* bytes, std::size_t count) {
  std::ofstream file(path, std::ios::binary | std::ios::out | std::ios::trunc);
  if (!file.is_open()) return false;
  file.write(static_cast<const char*>(bytes), static_cast<std::streamsize>(count));
  return file.good();
}
