// The watcher's JSON lines must survive any text a message box can hold.
#include "json_line.h"

#include <gtest/gtest.h>

namespace {

struct Case {
  const char* name;
  std::wstring text;
  std::string json;
};

const Case cases[] = {
    {"plain", L"Failed to open window", "\"Failed to open window\""},
    {"line_breaks", L"a\r\nb", "\"a\\r\\nb\""},
    {"quote_backslash_tab", L"say \"C:\\x\"\t!", "\"say \\\"C:\\\\x\\\"\\t!\""},
    {"control_character", std::wstring(L"a\x01z"), "\"a\\u0001z\""},
    {"two_byte_utf8", L"\x00e9", "\"\xc3\xa9\""},
    {"three_byte_utf8", L"\x20ac", "\"\xe2\x82\xac\""},
    {"surrogate_pair", L"\xd83d\xde00", "\"\xf0\x9f\x98\x80\""},
    {"lone_surrogate", L"\xd83dx", "\"\xef\xbf\xbdx\""},
    {"empty", L"", "\"\""},
};

class BoxReportJson : public testing::TestWithParam<Case> {};

TEST_P(BoxReportJson, EscapesTheText) {
  BoxReport box;
  box.caption = L"Error";
  box.text = GetParam().text;
  box.pid = 42;
  EXPECT_EQ(boxReportJson(box), "{\"caption\": \"Error\", \"text\": " + GetParam().json + ", \"pid\": 42}");
}

INSTANTIATE_TEST_SUITE_P(Texts, BoxReportJson, testing::ValuesIn(cases),
                         [](const testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

TEST(BoxReportJsonIcon, NamedWhenKnown) {
  BoxReport box;
  box.caption = L"Debug";
  box.pid = 7;
  box.icon = "information";
  EXPECT_EQ(boxReportJson(box), "{\"caption\": \"Debug\", \"text\": \"\", \"pid\": 7, \"icon\": \"information\"}");
}

}  // namespace
