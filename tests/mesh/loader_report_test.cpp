#include <gtest/gtest.h>

#include <string>

#include "mesh_test_support.h"
#include "tools/objinfo/loader_report.h"

namespace {

TEST(LoaderReport, JsonStrings) {
  struct Case {
    std::string text, json;
  };
  const Case cases[] = {
      {"Plane001", "\"Plane001\""},
      {"a\"b\\c", "\"a\\\"b\\\\c\""},
      {"tab\tcr\rlf\n", "\"tab\\tcr\\rlf\\n\""},
      {std::string("nul\0x", 5), "\"nul\\u0000x\""},
      {"\x1f\x7f", "\"\\u001f\x7f\""},
      {"caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x98\x80", "\"caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x98\x80\""},
      // Bytes that are no UTF-8 are taken as Latin-1.
      {"caf\xe9", "\"caf\\u00e9\""},
      {"\xc3", "\"\\u00c3\""},
      {"\xc0\xaf", "\"\\u00c0\\u00af\""},             // overlong
      {"\xed\xa0\x80", "\"\\u00ed\\u00a0\\u0080\""},  // surrogate
  };
  for (const Case& c : cases) EXPECT_EQ(objinfo::jsonString(c.text), c.json) << c.text;
}

TEST(LoaderReport, TheQuadModel) {
  objl::MeshLoader loader;
  loader.setProgressOutput(nullptr);
  ASSERT_TRUE(loader.loadObjText(meshtest::fixture("quad.obj"), meshtest::fixture("quad.mtl")));
  EXPECT_EQ(objinfo::loaderReport(loader),
            "{\"meshes\": [{\"name\": \"Plane001\", \"vertices\": 6, \"indices\": 6, \"material\": \"wire_198225087\"}], "
            "\"vertices\": 6, \"indices\": 6, \"materials\": 1}");
}

}  // namespace
