#include "shell/command_line.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Case {
  const char* name;
  std::string text;
  ScreensaverMode mode;
  std::uint32_t hostWindow;
};

const Case cases[] = {
    {"PreviewWithHandle", "/p 4242", Preview, 4242},
    {"ConfigureWithColon", "/c:4242", Configure, 4242},
    {"FullscreenAlone", "/s", Fullscreen, 0},
    {"Empty", "", Unspecified, 0},
    {"UpperCaseSwitchesCountForNothing", "/S", Unspecified, 0},
    {"UpperCasePreview", "/P 4242", Unspecified, 0},
    {"NoSeparatorLosesTheFirstDigit", "/p4242", Preview, 242},
    {"LaterSwitchWinsAndRereadsTheHandle", "/p 4242 /s", Fullscreen, 0},
    {"UnknownSwitchRereadsTheHandle", "/s /x 17", Fullscreen, 17},
    {"UnknownSwitchBeforeAnyMode", "/x 17", Unspecified, 0},
    {"TextEndsRightAfterTheSwitch", "/p", Preview, 0},
    {"TextEndsAtTheSeparator", "/p ", Preview, 0},
    {"SlashAtTheEnd", "/s /", Fullscreen, 0},
    {"OnlySlashes", "////", Unspecified, 0},
    {"LeadingWhiteSpaceBeforeTheNumber", "/p    77", Preview, 77},
    {"SignedNumber", "/p -5", Preview, 0xFFFFFFFBu},
    {"PlusSign", "/p +12", Preview, 12},
    {"DigitsStopAtTheFirstNonDigit", "/p 12ab34", Preview, 12},
    {"NoDigits", "/p abc", Preview, 0},
    {"HugeNumberSaturates", "/p 99999999999999999999999", Preview, 0x7FFFFFFFu},
    {"HugeNegativeNumberSaturates", "/p -99999999999999999999999", Preview, 0x80000000u},
    {"WindowsStyleArguments", "/p 1311000", Preview, 1311000},
    {"QuotedProgramNameIsNotPartOfTheText", "garbage without switches", Unspecified, 0},
};

class ParseCommandLine : public ::testing::TestWithParam<Case> {};

TEST_P(ParseCommandLine, GivesModeAndHandle) {
  const Case& c = GetParam();
  const ScreensaverCommandLine line = parseCommandLine(c.text);
  EXPECT_EQ(line.mode, c.mode);
  EXPECT_EQ(line.hostWindow, c.hostWindow);
}

INSTANTIATE_TEST_SUITE_P(Cases, ParseCommandLine, ::testing::ValuesIn(cases),
                         [](const ::testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

// The text is read only within its bounds: a view into a larger buffer must not see what follows.
TEST(ParseCommandLineBounds, StopsAtTheEndOfTheView) {
  const std::string buffer = "/p 1234";
  EXPECT_EQ(parseCommandLine(std::string_view(buffer).substr(0, 3)).hostWindow, 0u);
  EXPECT_EQ(parseCommandLine(std::string_view(buffer).substr(0, 5)).hostWindow, 12u);
  EXPECT_EQ(parseCommandLine(std::string_view(buffer).substr(0, 2)).mode, Preview);
}

TEST(ParseCommandLineBounds, ThousandsOfCharacters) {
  std::string text(100000, 'x');
  for (size_t i = 0; i < text.size(); i += 7) text[i] = '/';
  text += "/c:99";
  const ScreensaverCommandLine line = parseCommandLine(text);
  EXPECT_EQ(line.mode, Configure);
  EXPECT_EQ(line.hostWindow, 99u);
}

}  // namespace
