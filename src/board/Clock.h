// Time sources the rules depend on. The program passes the system clock; tests pass a
// clock they advance by hand, so nothing ever has to sleep.
#pragma once

#include <cstdint>

namespace quorin {

class TickSource {
  public:
    virtual ~TickSource() = default;
    // Milliseconds since an arbitrary start, wrapping at 2^32 like a tick counter.
    virtual uint32_t Now() = 0;
};

class TimeOfDaySource {
  public:
    virtual ~TimeOfDaySource() = default;
    // Milliseconds since midnight, UTC: 0 .. 86'399'999.
    virtual uint32_t MillisecondsOfDayUtc() = 0;
};

// For deals made away from the window (a specific deal reads no clock): always midnight.
class StillClock : public TickSource, public TimeOfDaySource {
  public:
    uint32_t Now() override { return 0; }
    uint32_t MillisecondsOfDayUtc() override { return 0; }
};

}  // namespace quorin
