#include "shell/command_line.h"

#include <cstdint>

ScreensaverCommandLine* commandLine = nullptr;

namespace {

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

// Decimal reading with the rules of strtol: leading white space, an optional sign, then digits up
// to the first non-digit; no digits give 0. Out-of-range values saturate at the limits of a
// 32-bit long, as on Windows.
std::int32_t readDecimal(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && isSpace(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  std::int64_t magnitude = 0;
  const std::int64_t limit = negative ? -static_cast<std::int64_t>(INT32_MIN) : INT32_MAX;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    magnitude = magnitude * 10 + (text[i] - '0');
    if (magnitude > limit) magnitude = limit;  // saturated; keep consuming digits
  }
  return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

}  // namespace

ScreensaverCommandLine parseCommandLine(std::string_view text) {
  ScreensaverCommandLine result;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '/') continue;
    if (i + 1 < text.size()) {
      switch (text[i + 1]) {
        case 'p': result.mode = Preview; break;
        case 's': result.mode = Fullscreen; break;
        case 'c': result.mode = Configure; break;
        default: break;
      }
    }
    if (result.mode != Unspecified) {
      // The number starts after the switch letter and exactly one separator ("/p 1234", "/c:1234").
      const size_t start = i + 3;
      result.hostWindow = start <= text.size() ? static_cast<std::uint32_t>(readDecimal(text.substr(start))) : 0;
    }
  }
  return result;
}
