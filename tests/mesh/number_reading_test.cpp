#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdlib>
#include <string>

#include "mesh/number_reading.h"

namespace {

// Readable floats must match strtod rounded to float, whatever path the reader takes.
TEST(NumberReading, FloatsReadAsStrtodThenRoundedToSinglePrecision) {
  const char* texts[] = {
      "1.5", "  -2.25xyz", "+3", "0x1p3", "-0X1.8p1", ".5", "5.", "1e", "1e+", "-0", "0x", "0x1g", "32\r", "\t\n 7",
      "3.4028235e38", "1e-40", "1e-400", "0.7765", "0.8824", "0.3412", "123456789012345678901234567890",
      // Halfway between two floats once rounded to double: reading straight to float would round up.
      "1.0000000596046447753906250000000001",
  };
  for (const char* text : texts) {
    float value = -1.0f;
    ASSERT_TRUE(objl::readFloat(text, value)) << text;
    EXPECT_EQ(value, static_cast<float>(std::strtod(text, nullptr))) << text;
    EXPECT_EQ(std::signbit(value), std::signbit(static_cast<float>(std::strtod(text, nullptr)))) << text;
  }
}

TEST(NumberReading, InfinityAndNanAreNumbersAsStrtodReadsThem) {
  float value = 0.0f;
  ASSERT_TRUE(objl::readFloat("-inf", value));
  EXPECT_TRUE(std::isinf(value) && value < 0);
  ASSERT_TRUE(objl::readFloat("nan", value));
  EXPECT_TRUE(std::isnan(value));
}

TEST(NumberReading, FloatsWithoutDigitsOrOutOfRangeAreRefused) {
  for (const char* text : {"", " ", "abc", "-", "+", ".", "-.e1", "+-1", "e5", "1e999", "-1e999", "1e39", "-3.5e38"}) {
    float value = 42.0f;
    EXPECT_FALSE(objl::readFloat(text, value)) << text;
    EXPECT_EQ(value, 42.0f) << text;
  }
}

TEST(NumberReading, FloatReadingStopsAtTheEndOfTheView) {
  const std::string text = "12345";
  float value = 0.0f;
  ASSERT_TRUE(objl::readFloat(std::string_view(text).substr(0, 2), value));
  EXPECT_EQ(value, 12.0f);
  ASSERT_TRUE(objl::readFloat(std::string_view("+12345").substr(0, 3), value));
  EXPECT_EQ(value, 12.0f);
}

TEST(NumberReading, IntegersReadAsStrtol) {
  struct Case {
    const char* text;
    long long value;
  };
  const Case cases[] = {
      {"12", 12}, {" -3", -3}, {"+4", 4}, {"2.7", 2}, {"7/8", 7}, {"\t9\r", 9}, {"007", 7},
      {"99999999999999999999999", LLONG_MAX}, {"-99999999999999999999999", -LLONG_MAX},
  };
  for (const Case& c : cases) {
    long long value = 0;
    ASSERT_TRUE(objl::readInteger(c.text, value)) << c.text;
    EXPECT_EQ(value, c.value) << c.text;
  }
  for (const char* text : {"", "x", "-", "+", " ", "+-1", ".5"}) {
    long long value = 5;
    EXPECT_FALSE(objl::readInteger(text, value)) << text;
  }
}

}  // namespace
