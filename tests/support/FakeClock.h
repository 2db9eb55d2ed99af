// A clock the tests advance by hand, so that no test ever sleeps.
#pragma once

#include <cstdint>

#include "board/Clock.h"

namespace quorin::test {

class FakeClock : public TickSource, public TimeOfDaySource {
  public:
    uint32_t Now() override { return ticks; }
    uint32_t MillisecondsOfDayUtc() override { return timeOfDay; }
    void Advance(uint32_t ms) {
        ticks += ms;
        timeOfDay = (timeOfDay + ms) % 86'400'000u;
    }

    uint32_t ticks = 1'000'000;
    uint32_t timeOfDay = 0;
};

}  // namespace quorin::test
