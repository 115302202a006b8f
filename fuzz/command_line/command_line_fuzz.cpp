// Any bytes as the saver's command line: the parse must stay inside the text, give one of the four
// modes, and let the last "/p", "/s" or "/c" decide it.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string_view>

#include "shell/command_line.h"

namespace {

void check(bool condition) {
  if (!condition) std::abort();
}

// The mode of the last recognised switch in `text`, Unspecified when there is none.
ScreensaverMode lastSwitch(std::string_view text) {
  for (std::size_t i = text.size(); i-- > 1;) {
    if (text[i - 1] != '/') continue;
    if (text[i] == 'p') return Preview;
    if (text[i] == 's') return Fullscreen;
    if (text[i] == 'c') return Configure;
  }
  return Unspecified;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  // A buffer of exactly the input's size, so AddressSanitizer sees the first byte past it.
  const std::unique_ptr<char[]> exact(new char[size ? size : 1]);
  if (size) std::memcpy(exact.get(), bytes, size);
  const std::string_view text(exact.get(), size);

  const ScreensaverCommandLine line = parseCommandLine(text);
  const std::int32_t mode = line.mode;
  check(mode >= Preview && mode <= Unspecified);
  check(line.mode == lastSwitch(text));
  // Without a switch there is no number after one.
  if (line.mode == Unspecified) check(line.hostWindow == 0);
  return 0;
}
