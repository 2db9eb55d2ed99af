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

}  // namespace quorin
