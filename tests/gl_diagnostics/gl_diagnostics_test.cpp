// The extension test of the saver's application on the real context (Wine's WGL over llvmpipe).
#include <gtest/gtest.h>

#include <string>
#include <type_traits>
#include <vector>

#include "render/diagnostics.h"
#include "tests/gl_diagnostics/gl_application.h"
#include "tests/gl_diagnostics/old_context.h"
#include "util/messages.h"

namespace {

// Both debug sinks can be handed to glDebugMessageCallback as they are.
static_assert(std::is_same_v<decltype(&debugMessage), GLDEBUGPROC>);
static_assert(std::is_same_v<decltype(&debugOutput), GLDEBUGPROC>);

std::vector<std::string> listedExtensions() {
  GLint count = 0;
  glGetIntegerv(GL_NUM_EXTENSIONS, &count);
  std::vector<std::string> names;
  for (GLint i = 0; i < count; ++i) names.emplace_back(reinterpret_cast<const char*>(glGetStringi(GL_EXTENSIONS, i)));
  return names;
}

TEST(HasExtension, FindsListedNamesWhereverTheyStand) {
  GLFWApplication& application = testApplication();
  const std::vector<std::string> names = listedExtensions();
  ASSERT_GE(names.size(), 3u) << "the context lists too few extensions to test positions";
  for (size_t position : {size_t{0}, names.size() / 2, names.size() - 1}) {
    EXPECT_TRUE(application.hasExtension(names[position].c_str())) << names[position] << " at " << position;
  }
}

TEST(HasExtension, MatchesOnlyTheWholeExactName) {
  GLFWApplication& application = testApplication();
  const std::string listed = listedExtensions().at(0);
  std::string otherCase = listed;
  for (char& c : otherCase) c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 32 : (c >= 'A' && c <= 'Z' ? c + 32 : c));
  for (const std::string& name : {std::string(), listed.substr(0, listed.size() - 1), listed + " ", " " + listed,
                                  otherCase, std::string("GL_TESSELUME_not_an_extension")}) {
    EXPECT_FALSE(application.hasExtension(name.c_str())) << "'" << name << "'";
  }
  EXPECT_FALSE(application.hasExtension(nullptr));
}

TEST(HasExtension, OldContextWithoutIndexedStringsAnswersNo) {
  GLFWApplication& application = testApplication();
  const std::string listed = listedExtensions().at(0);
  {
    OldContext old;
    EXPECT_FALSE(application.hasExtension(listed.c_str()));
  }
  EXPECT_TRUE(application.hasExtension(listed.c_str()));
}

}  // namespace
