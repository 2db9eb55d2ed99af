// The real clocks behind the game's time sources: a steady millisecond tick for the game
// clock and the players' clocks, and the UTC time of day that seeds random deals.
#pragma once

#include <cstdint>

#include "board/Clock.h"

namespace quorin {

class SystemClock : public TickSource, public TimeOfDaySource {
  public:
    // Milliseconds of a monotonic clock, so changing the system time never stops or jumps a
    // game clock; cut to 32 bits, wrapping as a tick counter does.
    uint32_t Now() override;
    // Milliseconds since midnight UTC, 0 .. 86'399'999.
    uint32_t MillisecondsOfDayUtc() override;
};

}  // namespace quorin
