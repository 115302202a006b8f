#include "mesh/number_reading.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

namespace objl {
namespace {

// The white space strtod and strtol skip in the "C" locale.
bool isSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Everything from_chars does not read the way strtod does (a '+' sign, hexadecimal, inf, nan,
// underflow, overflow): strtod itself, on a zero-terminated copy so it cannot run past the field.
bool readDoubleSlowly(std::string_view text, double& value) {
  const std::string copy(text);
  char* end = nullptr;
  errno = 0;
  const double read = std::strtod(copy.c_str(), &end);
  if (end == copy.c_str()) return false;
  if (errno == ERANGE && std::isinf(read)) return false;
  value = read;
  return true;
}

}  // namespace

bool readFloat(std::string_view text, float& value) {
  size_t at = 0;
  while (at < text.size() && isSpace(text[at])) ++at;
  text.remove_prefix(at);

  double read = 0.0;
  const size_t digitsAt = !text.empty() && text[0] == '-' ? 1 : 0;
  const bool plainDecimal = digitsAt < text.size() && (isDigit(text[digitsAt]) || text[digitsAt] == '.') &&
                            !(text[digitsAt] == '0' && digitsAt + 1 < text.size() &&
                              (text[digitsAt + 1] == 'x' || text[digitsAt + 1] == 'X'));
  bool ok = false;
  if (plainDecimal) {
    const auto result = std::from_chars(text.data(), text.data() + text.size(), read);
    ok = result.ec == std::errc();
  }
  if (!ok && !readDoubleSlowly(text, read)) return false;

  // A value that only overflows once rounded to single precision is out of range as well.
  const float rounded = static_cast<float>(read);
  if (std::isinf(rounded) && !std::isinf(read)) return false;
  value = rounded;
  return true;
}

bool readInteger(std::string_view text, long long& value) {
  size_t at = 0;
  while (at < text.size() && isSpace(text[at])) ++at;
  bool negative = false;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) negative = text[at++] == '-';
  if (at >= text.size() || !isDigit(text[at])) return false;

  constexpr long long limit = std::numeric_limits<long long>::max();
  long long magnitude = 0;
  for (; at < text.size() && isDigit(text[at]); ++at) {
    const int digit = text[at] - '0';
    magnitude = magnitude > (limit - digit) / 10 ? limit : magnitude * 10 + digit;
  }
  value = negative ? -magnitude : magnitude;
  return true;
}

}  // namespace objl
