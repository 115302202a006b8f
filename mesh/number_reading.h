// Numbers in OBJ and MTL text follow strtod/strtol (base 10): leading white space is skipped,
// the longest numeric prefix counts and the rest is ignored. These report a field that holds
// no number, or one out of range, instead of silently giving 0.
#pragma once

#include <string_view>

namespace objl {

// A float as strtod reads it, rounded to single precision. False when there are no digits or
// the magnitude is beyond the float range (an underflow reads as the rounded value).
bool readFloat(std::string_view text, float& value);

// A base-10 integer as strtol reads it. False when there are no digits; values beyond the
// 64-bit range saturate (no list or field is that large).
bool readInteger(std::string_view text, long long& value);

}  // namespace objl
