// Shader texts read from the program's TEXTFILE resources into the program's fixed buffers.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "platform/platform.h"
#include "render/program.h"
#include "render/shader_text.h"

namespace {

constexpr unsigned char kGuard = 0xA5;
constexpr size_t kGuardBytes = 64;

// The resource's bytes up to its first '~'.
std::string upToTilde(unsigned short id) {
  const std::string_view bytes = platform::resourceBytes(id, "TEXTFILE");
  return std::string(bytes.substr(0, bytes.find('~')));
}

struct TextCase {
  const char* name;
  unsigned short id;
  bool read;
  std::string expected;
};

TEST(ShaderTextResource, CutAtTheFirstTildeWithFourZerosAndNothingPastTheBuffer) {
  const TextCase cases[] = {
      {"vertex shader", 137, true, upToTilde(137)},
      {"fragment shader", 136, true, upToTilde(136)},
      {"tilde in a comment", 900, true, "void main()\n{\n}\n// a comment with a first"},
      {"only a tilde", 901, true, ""},
      {"no tilde", 902, false, ""},
      {"tilde in the last place", 903, true, std::string(shaderTextCapacity - 1, 'a')},
      {"tilde one past the room", 904, false, ""},
      {"missing resource", 999, false, ""},
  };
  for (const TextCase& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<unsigned char> buffer(shaderBufferSize + kGuardBytes, kGuard);
    char* text = reinterpret_cast<char*>(buffer.data());
    EXPECT_EQ(GLFWProgram::readResourceText(c.id, text, shaderTextCapacity), c.read);
    const size_t length = c.expected.size();
    EXPECT_EQ(std::string(text, length), c.expected);
    for (size_t i = length; i < length + 4; ++i) EXPECT_EQ(buffer[i], 0) << "byte " << i;
    for (size_t i = shaderBufferSize; i < buffer.size(); ++i) ASSERT_EQ(buffer[i], kGuard) << "byte " << i;
  }
}

// The saver's shaders end with a last line "//~": what is left is an empty comment after CR LF.
TEST(ShaderTextResource, SaverShadersEndInAnEmptyComment) {
  for (unsigned short id : {137, 136}) {
    SCOPED_TRACE(id);
    const std::string text = upToTilde(id);
    ASSERT_GE(text.size(), 4u);
    EXPECT_EQ(text.substr(0, 12), "#version 110");
    EXPECT_EQ(text.substr(text.size() - 4), "\r\n//");
  }
}

}  // namespace
