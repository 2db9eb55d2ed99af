#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

#include "platform/DisplayMode.h"
#include "platform/SystemClock.h"

namespace quorin {
namespace {

TEST(SystemClockTest, TimeOfDayIsUtc) {
    SystemClock clock;
    const std::time_t now = std::time(nullptr);
    const std::tm utc = *std::gmtime(&now);
    const int64_t expected = (utc.tm_hour * 3600 + utc.tm_min * 60 + utc.tm_sec) * 1000LL;
    const int64_t got = clock.MillisecondsOfDayUtc();
    ASSERT_LT(got, 86'400'000);
    // Within two seconds, allowing for midnight falling between the two readings.
    const int64_t apart = (got - expected + 86'400'000 + 43'200'000) % 86'400'000 - 43'200'000;
    EXPECT_LT(std::abs(apart), 2000) << got << " vs " << expected;
}

TEST(DisplayModeTest, AnyDeepEnough800x600ScreenFits) {
    EXPECT_TRUE(ScreenIs800x600At16Bits(800, 600, 32));
    EXPECT_FALSE(ScreenIs800x600At16Bits(800, 600, 8));
}

}  // namespace
}  // namespace quorin
