// Every layout shipped in data/Layouts loads, deals and can be won.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "board/BoardView.h"
#include "board/Clock.h"
#include "board/FreeRule.h"
#include "games/Game.h"
#include "layouts/LayoutFile.h"

namespace quorin {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> ShippedLayoutFiles() {
    std::vector<std::string> files;
    const fs::path folder = fs::path(QUORIN_SOURCE_DIR) / "data" / "Layouts";
    for (const auto& entry : fs::directory_iterator(folder)) {
        const std::string ext = entry.path().extension().string();
        if (entry.is_regular_file() && (ext == ".lay" || ext == ".shp"))
            files.push_back(entry.path().filename().string());
    }
    std::sort(files.begin(), files.end());
    return files;
}

class StoppedClock : public TickSource, public TimeOfDaySource {
  public:
    explicit StoppedClock(uint32_t timeOfDay) : timeOfDay_(timeOfDay) {}
    uint32_t Now() override { return 0; }
    uint32_t MillisecondsOfDayUtc() override { return timeOfDay_; }

  private:
    uint32_t timeOfDay_;
};

class ShippedLayout : public ::testing::TestWithParam<std::string> {
  protected:
    void SetUp() override {
        load = ReadLayoutFile(
            (fs::path(QUORIN_SOURCE_DIR) / "data" / "Layouts" / GetParam()).string());
        ASSERT_TRUE(load.ok) << load.Message();
    }

    // A game on this layout with its generator seeded as a specific game.
    struct Play {
        explicit Play(const LayoutGrid& layout, int seed, uint32_t clock = 0) : clock(clock) {
            GameState& s = game.State();
            s.layout = layout;
            s.GameMode = ModeSolitaire;
            s.options.RandomSeed1 = true;
            s.SeedNumber = seed;
        }
        StoppedClock clock;
        SilentView view;
        Game game{view, clock, clock};
    };

    LayoutLoad load;
};

TEST_P(ShippedLayout, IsAPlayableLayout) {
    EXPECT_EQ(load.grid.PositionCount(), 144);
    EXPECT_EQ(LayoutFault(load.grid), "");
    if (GetParam().ends_with(".lay")) {
        EXPECT_FALSE(load.name.empty());
    }
}

TEST_P(ShippedLayout, ThousandSeededWinnableDealsCanBeCleared) {
    for (int seed = 1; seed <= 1000; ++seed) {
        Play play(load.grid, seed);
        GameState& s = play.game.State();
        std::vector<TilePosition> order;
        ASSERT_EQ(play.game.MakeDealer().CreateBoard(&order), DealResult::Dealt) << "seed " << seed;
        ASSERT_EQ(order.size(), 144u);
        for (size_t k = 0; k < order.size(); k += 2) {
            const int a = s.board.Cell(order[k].x, order[k].y, order[k].layer);
            const int b = s.board.Cell(order[k + 1].x, order[k + 1].y, order[k + 1].layer);
            ASSERT_TRUE(a >= 1 && a <= 144 && b >= 1 && b <= 144 && a != b)
                << "seed " << seed << ", pair " << k / 2 + 1;
            ASSERT_TRUE(SameGroup(a, b)) << "seed " << seed << ", pair " << k / 2 + 1;
            ASSERT_TRUE(Dispo(s, a) && Dispo(s, b)) << "seed " << seed << ", pair " << k / 2 + 1;
            s.board.Lift(a);
            s.board.Lift(b);
        }
    }
}

TEST_P(ShippedLayout, SeededDealIsTheSameEveryTime) {
    for (bool winnable : {false, true}) {
        std::vector<TilePosition> first;
        for (uint32_t clock : {1000u, 50'000'000u}) {
            Play play(load.grid, 4711, clock);
            GameState& s = play.game.State();
            s.options.Winnable = winnable;
            ASSERT_EQ(play.game.DealLayout(), DealResult::Dealt);
            std::vector<TilePosition> deal(s.board.TilePos.begin() + 1, s.board.TilePos.end());
            for (const TilePosition& p : deal)
                ASSERT_TRUE(p.OnBoard());
            if (first.empty())
                first = deal;
            else
                EXPECT_TRUE(deal == first) << (winnable ? "winnable" : "plain") << " deal differs";
        }
    }
}

std::string TestName(const ::testing::TestParamInfo<std::string>& info) {
    std::string name = info.param;
    for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c)))
            c = '_';
    return name;
}

INSTANTIATE_TEST_SUITE_P(DataLayouts, ShippedLayout, ::testing::ValuesIn(ShippedLayoutFiles()),
                         TestName);

}  // namespace
}  // namespace quorin
