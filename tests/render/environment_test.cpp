#include "render/environment.h"

#include <cstdlib>
#include <ctime>
#include <limits>
#include <string>

#include <gtest/gtest.h>

namespace {

// Sets TZ for one test and puts the previous value back.
class FixedZone {
 public:
  explicit FixedZone(const char* zone) {
    const char* old = std::getenv("TZ");
    hadOld = old != nullptr;
    if (hadOld) oldValue = old;
    setenv("TZ", zone, 1);
    tzset();
  }
  ~FixedZone() {
    if (hadOld) {
      setenv("TZ", oldValue.c_str(), 1);
    } else {
      unsetenv("TZ");
    }
    tzset();
  }

 private:
  bool hadOld = false;
  std::string oldValue;
};

void expectDate(const std::int32_t (&date)[6], const std::int32_t (&expected)[6]) {
  for (int i = 0; i < 6; ++i) EXPECT_EQ(date[i], expected[i]) << "field " << i;
}

TEST(EnvironmentTest, TimeIsTheCurrentClockReading) {
  GLFWEnvironment environment(0.0f);
  EXPECT_EQ(environment.time(), 0.0f);
  EXPECT_EQ(environment.lightPosition.x, 0.0f);
  EXPECT_EQ(environment.lightPosition.z, 0.0f);
  environment.setStartTime(3.0f);
  environment.setCurrentTime(12.5f);
  EXPECT_EQ(environment.time(), 12.5f);
  EXPECT_EQ(environment.startTime, 3.0f);

  environment.setViewport(1920.0f, 1080.0f);
  EXPECT_EQ(environment.viewportWidth(), 1920.0f);
  EXPECT_EQ(environment.viewportHeight(), 1080.0f);
  environment.setLightPosition(GLFWVector3(50.0f, 80.0f, 80.0f));
  EXPECT_EQ(environment.lightPosition.y, 80.0f);
}

TEST(EnvironmentTest, LocalDateFieldsInSeveralZones) {
  // 13 May 2019, 14:03:07 UTC.
  const std::int64_t moment = 1557756187;
  const struct {
    const char* zone;
    std::int32_t date[6];
  } cases[] = {
      {"UTC0", {13, 5, 2019, 14, 3, 7}},
      {"AAA-11", {14, 5, 2019, 1, 3, 7}},
      {"BBB+15", {12, 5, 2019, 23, 3, 7}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.zone);
    FixedZone zone(c.zone);
    std::int32_t date[6] = {};
    ASSERT_TRUE(localDate(moment, date));
    expectDate(date, c.date);
  }
}

TEST(EnvironmentTest, FailedConversionLeavesTheDate) {
  std::int32_t date[6] = {1, 2, 3, 4, 5, 6};
  EXPECT_FALSE(localDate(std::numeric_limits<std::int64_t>::max(), date));
  expectDate(date, {1, 2, 3, 4, 5, 6});
}

TEST(EnvironmentTest, ReadDateUsesTheWallClockAndCaptureCopiesIt) {
  GLFWEnvironment environment(0.0f);
  std::int32_t before[6] = {};
  std::int32_t after[6] = {};
  // The clock may tick between the readings; one of the two must match.
  ASSERT_TRUE(localDate(std::time(nullptr), before));
  environment.captureDate();
  ASSERT_TRUE(localDate(std::time(nullptr), after));
  bool matchesBefore = true;
  bool matchesAfter = true;
  for (int i = 0; i < 6; ++i) {
    matchesBefore = matchesBefore && environment.date[i] == before[i];
    matchesAfter = matchesAfter && environment.date[i] == after[i];
    EXPECT_EQ(environment.startDate[i], environment.date[i]) << i;
  }
  EXPECT_TRUE(matchesBefore || matchesAfter);
}

}  // namespace
