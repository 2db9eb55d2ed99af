// The game's own random generator, so that a seed gives the same deal everywhere.
#pragma once

#include <cstdint>

#include "board/Clock.h"

namespace quorin {

class Random {
  public:
    explicit Random(TimeOfDaySource& timeOfDay) : timeOfDay_(timeOfDay) {}

    void SetSeed(uint32_t seed) { seed_ = seed; }
    uint32_t Seed() const { return seed_; }

    // Seeds from the UTC time of day in milliseconds.
    void SeedFromClock() { seed_ = timeOfDay_.MillisecondsOfDayUtc(); }

    // A number in 0 .. n-1 for n > 0: one step, then the upper half of seed x n.
    uint32_t Next(uint32_t n) {
        seed_ = seed_ * 134775813u + 1u;
        return static_cast<uint32_t>((static_cast<uint64_t>(seed_) * n) >> 32);
    }

  private:
    TimeOfDaySource& timeOfDay_;
    uint32_t seed_ = 0;
};

}  // namespace quorin
