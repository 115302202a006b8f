#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "mesh/text_functions.h"

namespace {

using Fields = std::vector<std::string_view>;

TEST(TextFunctions, LeadingTokenAndTextAfterIt) {
  struct Case {
    std::string_view line, token, after;
  };
  const Case cases[] = {
      {"", "", ""},
      {" \t ", "", ""},
      {"v 1 2 3", "v", "1 2 3"},
      {"\tKa 0.1 0.2 0.3", "Ka", "0.1 0.2 0.3"},
      {"  g  name with  spaces \t", "g", "name with  spaces"},
      {"f\t1 2 3", "f", "1 2 3"},
      {"usemtl", "usemtl", ""},
      {"newmtl   ", "newmtl", ""},
      {"Ns 32\r", "Ns", "32\r"},
      {"\rv 1", "\rv", "1"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.line));
    EXPECT_EQ(objl::leadingToken(c.line), c.token);
    EXPECT_EQ(objl::textAfterToken(c.line), c.after);
  }
}

TEST(TextFunctions, SplitFields) {
  struct Case {
    std::string_view text;
    char separator;
    Fields fields;
  };
  const Case cases[] = {
      {"1//3", '/', {"1", "", "3"}},
      {"1/2/", '/', {"1", "2"}},
      {"/1", '/', {"", "1"}},
      {"7", '/', {"7"}},
      {"", '/', {}},
      {"/", '/', {""}},
      {"a//", '/', {"a", ""}},
      {"1  2 3", ' ', {"1", "", "2", "3"}},
      {"1\t2 3", ' ', {"1\t2", "3"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.text));
    EXPECT_EQ(objl::splitFields(c.text, c.separator), c.fields);
  }
}

TEST(TextFunctions, SplitFieldsReusesTheListItIsGiven) {
  Fields fields{"stale", "entries"};
  objl::splitFields("x y", ' ', fields);
  EXPECT_EQ(fields, (Fields{"x", "y"}));
}

TEST(TextFunctions, TrimLineBreaksLeavesTextsOfOnlyLineBreaks) {
  struct Case {
    std::string_view text, trimmed;
  };
  const Case cases[] = {
      {"name\r", "name"}, {"name\r\n\r", "name"}, {"a\rb", "a\rb"}, {"\r\n", "\r\n"}, {"", ""}, {"name ", "name "},
  };
  for (const Case& c : cases) EXPECT_EQ(objl::trimLineBreaks(c.text), c.trimmed) << c.text;
}

TEST(TextFunctions, ElementAtCountsFromOneOrFromTheEnd) {
  const std::vector<int> list{10, 20, 30};
  struct Case {
    std::string_view index;
    const int* element;
  };
  const Case cases[] = {
      {"1", &list[0]},   {"3", &list[2]},    {"-1", &list[2]},   {"-3", &list[0]}, {"2abc", &list[1]},
      {"+2", &list[1]},  {"0", nullptr},     {"4", nullptr},     {"-4", nullptr},  {"", nullptr},
      {"x", nullptr},    {"-", nullptr},     {"99999999999999999999999", nullptr},
      {"-99999999999999999999999", nullptr},
  };
  for (const Case& c : cases) EXPECT_EQ(objl::elementAt(list, c.index), c.element) << c.index;
  EXPECT_EQ(objl::elementAt(std::vector<int>{}, "1"), nullptr);
  EXPECT_EQ(objl::elementAt(std::vector<int>{}, "-1"), nullptr);
}

}  // namespace
