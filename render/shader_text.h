// Shader texts are stored as TEXTFILE resources that end at their first '~' (a last line "//~"
// leaves an empty comment). Portable so it can be tested and fuzzed on plain bytes.
#pragma once

#include <cstddef>
#include <string_view>

// Room for text in a shader buffer; the buffer holds four terminating zero bytes more.
constexpr std::size_t shaderTextCapacity = 32768;
constexpr std::size_t shaderBufferSize = shaderTextCapacity + 4;

// Copies `resource` up to its first '~' into `destination` and writes four zero bytes after the
// copy. False, with `destination` holding an empty text, when no '~' lies within the first
// `capacity` bytes; `destination` must have room for `capacity` + 4 bytes.
bool copyShaderText(std::string_view resource, char* destination, std::size_t capacity);
