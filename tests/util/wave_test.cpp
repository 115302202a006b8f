// The RIFF walk on crafted images. Each image sits in a buffer of exactly its own size, so a read
// past the end shows up under AddressSanitizer.
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "util/wave.h"

namespace {

std::string word(std::uint32_t value) {
  std::string bytes(4, '\0');
  for (int i = 0; i < 4; ++i) bytes[i] = static_cast<char>(value >> (8 * i));
  return bytes;
}

// A chunk with its id, a size (the payload's own unless given) and the payload.
std::string chunk(const char* id, const std::string& payload, std::int64_t claimed = -1) {
  return std::string(id, 4) + word(claimed < 0 ? static_cast<std::uint32_t>(payload.size())
                                               : static_cast<std::uint32_t>(claimed)) + payload;
}

// A PCM format whose first byte tells the cases apart.
std::string format(char tag, size_t size = 16) {
  std::string payload(size, '\x01');
  payload[0] = tag;
  return payload;
}

// "RIFF", the size of everything after it (unless given), "WAVE", then the chunks.
std::string riff(const std::string& chunks, std::int64_t claimed = -1) {
  const std::string body = "WAVE" + chunks;
  return "RIFF" + word(claimed < 0 ? static_cast<std::uint32_t>(body.size()) : static_cast<std::uint32_t>(claimed)) +
         body;
}

struct Case {
  const char* name;
  std::string image;
  bool found;
  char formatTag;        // first byte of the format found, 0 for none
  size_t formatSize;
  const char* data;      // the data found, nullptr for none
};

std::vector<Case> cases() {
  const std::string fmt = chunk("fmt ", format('A'));
  return {
      {"FormatThenData", riff(fmt + chunk("data", "abcd")), true, 'A', 16, "abcd"},
      {"DataBeforeFormat", riff(chunk("data", "abcd") + fmt + chunk("data", "late")), true, 'A', 16, "abcd"},
      {"LaterDataReplacesEarlier", riff(chunk("data", "one") + std::string(1, '\0') + chunk("data", "two!") + fmt),
       true, 'A', 16, "two!"},
      {"SecondFormatSkipped", riff(fmt + chunk("fmt ", format('B')) + chunk("data", "xy")), true, 'A', 16, "xy"},
      {"FormatOf14Bytes", riff(chunk("fmt ", format('C', 14)) + chunk("data", "xy")), true, 'C', 14, "xy"},
      {"OddChunkIsPadded", riff(chunk("LIST", "abc") + std::string(1, '\0') + fmt + chunk("data", "xy")), true, 'A',
       16, "xy"},
      {"OddDataIsPadded", riff(chunk("data", "abc") + std::string(1, '\0') + fmt), true, 'A', 16, "abc"},
      {"BadRiffMagic", "RIFX" + riff(fmt + chunk("data", "xy")).substr(4), false, 0, 0, nullptr},
      {"BadWaveMagic", riff("").substr(0, 8) + "WAVX" + fmt + chunk("data", "xy"), false, 0, 0, nullptr},
      {"ShorterThanHeader", std::string("RIFF\x04\0\0\0WAV", 11), false, 0, 0, nullptr},
      {"FormatOf12Bytes", riff(chunk("fmt ", format('A', 12)) + chunk("data", "xy")), false, 0, 0, nullptr},
      {"EmptyDataThenFormat", riff(chunk("data", "") + fmt), false, 'A', 16, ""},
      {"NoDataChunk", riff(fmt + chunk("LIST", "ab")), false, 'A', 16, nullptr},
      // The RIFF size bounds the walk: chunks past it are not read.
      {"RiffSizeEndsBeforeData", riff(fmt + chunk("data", "xy"), 4 + 8 + 16), false, 'A', 16, nullptr},
      // A RIFF size past the image is cut at the image's end.
      {"RiffSizePastImageFound", riff(fmt + chunk("data", "xy"), 0xFFFFFFF0), true, 'A', 16, "xy"},
      {"RiffSizePastImageMissing", riff(fmt + chunk("LIST", "ab"), 0xFFFFFFF0), false, 'A', 16, nullptr},
      // A payload longer than the image is cut at the image's end.
      {"DataSizePastImage", riff(fmt + chunk("data", "tail", 0xFFFFFFFF), 0xFFFFFFFF), true, 'A', 16, "tail"},
      {"FormatSizePastImage", riff(chunk("data", "xy") + chunk("fmt ", format('D'), 1000), 1000), true, 'D', 16, "xy"},
      {"FormatCutBelow14", riff(chunk("data", "xy") + chunk("fmt ", format('E', 10), 1000), 1000), false, 0, 0, "xy"},
      {"HugeChunkSizeDoesNotWrap", riff(fmt + chunk("LIST", "", 0xFFFFFFFF) + chunk("data", "xy"), 0xFFFFFFFF), false,
       'A', 16, nullptr},
      // A chunk header cut by the image's end is not read.
      {"TruncatedHeaderId", riff(fmt + "da"), false, 'A', 16, nullptr},
      {"TruncatedHeaderSize", riff(fmt + std::string("data\x02\0", 6)), false, 'A', 16, nullptr},
  };
}

void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

class ParseWave : public testing::TestWithParam<Case> {};

TEST_P(ParseWave, WalksOnlyInsideTheImage) {
  const Case& c = GetParam();
  const std::unique_ptr<char[]> exact(new char[c.image.size()]);
  std::copy(c.image.begin(), c.image.end(), exact.get());
  const std::string_view image(exact.get(), c.image.size());

  WaveChunks chunks;
  EXPECT_EQ(parseWave(image, chunks), c.found);
  if (c.formatTag) {
    ASSERT_EQ(chunks.format.size(), c.formatSize);
    EXPECT_EQ(chunks.format[0], c.formatTag);
  } else {
    EXPECT_TRUE(chunks.format.empty());
  }
  if (c.data) {
    ASSERT_NE(chunks.data.data(), nullptr);
    EXPECT_EQ(chunks.data, c.data);
  } else {
    EXPECT_EQ(chunks.data.data(), nullptr);
  }
  // Whatever was found lies inside the image.
  for (std::string_view found : {chunks.format, chunks.data}) {
    if (!found.data()) continue;
    EXPECT_GE(found.data(), image.data());
    EXPECT_LE(found.data() + found.size(), image.data() + image.size());
  }
}

INSTANTIATE_TEST_SUITE_P(Images, ParseWave, testing::ValuesIn(cases()),
                         [](const testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

}  // namespace
