#include "platform/SystemClock.h"

#include <chrono>

namespace quorin {

uint32_t SystemClock::Now() {
    using namespace std::chrono;
    const auto ms = duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
    return static_cast<uint32_t>(static_cast<uint64_t>(ms));
}

uint32_t SystemClock::MillisecondsOfDayUtc() {
    using namespace std::chrono;
    // The system clock counts Unix time, which is UTC without leap seconds, so whole days
    // are exactly 86'400'000 ms and the remainder is the time of day.
    constexpr int64_t kDay = 86'400'000;
    const int64_t ms = duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
    return static_cast<uint32_t>(((ms % kDay) + kDay) % kDay);
}

}  // namespace quorin
