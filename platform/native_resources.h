// Native builds: resources are compiled into the program (cmake/embed_resources.cmake turns the
// entries of a .rc script into a table that registers itself), and tests may add their own.
#pragma once

#include <string_view>

namespace platform::native {

struct EmbeddedResource {
  unsigned id;
  const char* type;
  const unsigned char* bytes;
  unsigned long size;
};

// Makes the entries of a table findable by resourceBytes; later entries win over earlier ones.
void registerResources(const EmbeddedResource* table, unsigned long count);

// Adds or replaces one resource; the bytes are copied and kept until the process ends.
void registerResource(unsigned id, const char* type, std::string_view bytes);

// Every message box shown so far, as "caption|text" lines, for tests of the portable code.
const char* messageBoxLog();

}  // namespace platform::native
