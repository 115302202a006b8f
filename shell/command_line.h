// The screensaver's command line: the switch Windows' screensaver host passes, and the window
// handle that may follow it.
#pragma once

#include <cstdint>
#include <string_view>

enum ScreensaverMode : std::int32_t {
  Preview = 0,      // "/p <handle>": draw into the display-settings preview window
  Fullscreen = 1,   // "/s": run full screen
  Configure = 2,    // "/c": show the About window
  Unspecified = 3,  // no recognised switch: run full screen, like "/s"
};

struct ScreensaverCommandLine {
  ScreensaverMode mode = Unspecified;
  // The number after the switch. Windows' handles carry 32 significant bits, so the number is
  // kept as those bits and widened (sign-extended) where it is used as a handle.
  std::uint32_t hostWindow = 0;
};

// Reads the switches of `text`; the last recognised one wins. Never reads past the text.
ScreensaverCommandLine parseCommandLine(std::string_view text);

// The one command line of the process, created by the entry point and never freed.
extern ScreensaverCommandLine* commandLine;
