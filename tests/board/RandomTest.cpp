// The game's own generator: a deal must come out the same everywhere for a seed.
#include <gtest/gtest.h>

#include "BoardTestSupport.h"
#include "board/Random.h"

namespace quorin {
namespace {

struct Draw {
    uint32_t n;
    uint32_t value;
    uint32_t seedAfter;
};

// Expected values worked out from seed := seed * 134775813 + 1 (mod 2^32) and
// value := (seed * n) >> 32.
void ExpectSequence(uint32_t seed, std::initializer_list<Draw> draws) {
    test::FakeClock clock;
    Random random(clock);
    random.SetSeed(seed);
    int i = 0;
    for (const Draw& d : draws) {
        EXPECT_EQ(random.Next(d.n), d.value) << "draw " << i << " from seed " << seed;
        EXPECT_EQ(random.Seed(), d.seedAfter) << "draw " << i << " from seed " << seed;
        ++i;
    }
}

TEST(Random, SequenceFromSeedOne) {
    ExpectSequence(1, {{34, 1, 134775814u},
                       {20, 17, 3698175007u},
                       {5, 1, 870078620u},
                       {144, 39, 1172187917u},
                       {144, 96, 2884733762u}});
}

TEST(Random, SequenceFromSeed12345) {
    ExpectSequence(12345, {{34, 13, 1655067934u}, {20, 5, 1242767767u}, {5, 0, 342459380u}});
}

TEST(Random, SeedZeroStepsToOne) {
    ExpectSequence(0, {{1000, 0, 1u}, {1000, 31, 134775814u}});
}

TEST(Random, StateWrapsAt32Bits) {
    ExpectSequence(0xFFFFFFFFu, {{34, 32, 4160191484u}, {0xFFFFFFFFu, 866343916u, 866343917u}});
}

TEST(Random, StaysBelowTheBound) {
    test::FakeClock clock;
    Random random(clock);
    random.SetSeed(99);
    for (int i = 0; i < 10000; ++i) {
        EXPECT_EQ(random.Next(1), 0u);
        EXPECT_LT(random.Next(7), 7u);
    }
}

TEST(Random, ClockSeedIsTheUtcMillisecondOfTheDay) {
    test::FakeClock clock;
    clock.timeOfDay = ((12 * 60 + 34) * 60 + 56) * 1000 + 789;  // 12:34:56.789
    Random random(clock);
    random.SeedFromClock();
    EXPECT_EQ(random.Seed(), 45296789u);
    EXPECT_EQ(random.Next(34), 16u);
    clock.timeOfDay = 0;
    random.SeedFromClock();
    EXPECT_EQ(random.Seed(), 0u);
}

}  // namespace
}  // namespace quorin
