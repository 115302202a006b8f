// The command table follows Khronos' core header of the system: the OpenGL 1.0 to 4.5 commands in
// header order, then the extension commands the header declares.
#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

const std::vector<std::string> table = {
#define GL_COMMAND(type, name) #name,
#include "render/gl_command_table.inc"
#undef GL_COMMAND
};

struct HeaderCommands {
  std::vector<std::string> core;  // versions 1.0 to 4.5, in order
  std::set<std::string> other;    // everything declared outside the version blocks
};

HeaderCommands readHeader(const char* path) {
  HeaderCommands result;
  std::ifstream file(path);
  std::string line, block;
  const std::regex guard(R"(^#ifndef (GL_\w+)$)"), command(R"(^GLAPI .*APIENTRY (gl\w+) *\()"),
      version(R"(^GL_VERSION_(\d)_(\d)$)");
  std::smatch m;
  while (std::getline(file, line)) {
    if (std::regex_match(line, m, guard)) {
      block = m[1];
    } else if (std::regex_search(line, m, command)) {
      std::smatch v;
      if (std::regex_match(block, v, version)) {
        if (std::stoi(v[1]) * 10 + std::stoi(v[2]) <= 45) result.core.push_back(m[1]);
      } else {
        result.other.insert(m[1]);
      }
    }
  }
  return result;
}

TEST(GLCommandTable, FollowsTheSystemHeader) {
  const HeaderCommands header = readHeader("/usr/include/GL/glcorearb.h");
  if (header.core.empty()) GTEST_SKIP() << "no /usr/include/GL/glcorearb.h";

  // Later revisions of the header list glGetPointerv among the 1.1 commands again; the table keeps
  // the 652 commands of the revision it was made from.
  std::vector<std::string> core = header.core;
  std::erase(core, "glGetPointerv");
  ASSERT_EQ(core.size(), 652u);
  ASSERT_EQ(table.size(), 699u);
  EXPECT_EQ(std::vector<std::string>(table.begin(), table.begin() + 652), core);
  EXPECT_EQ(table.front(), "glCullFace");
  EXPECT_EQ(table[651], "glTextureBarrier");
  for (size_t i = 652; i < table.size(); ++i) EXPECT_TRUE(header.other.count(table[i])) << table[i];
  EXPECT_EQ(table[652], "glGetTextureHandleARB");
  EXPECT_EQ(table.back(), "glTexPageCommitmentARB");
  EXPECT_EQ(std::set<std::string>(table.begin(), table.end()).size(), table.size()) << "a name twice";
}

}  // namespace
