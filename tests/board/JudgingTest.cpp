// Positions judged in the background while solitaire is played: the fatal move, the way back
// to a winnable position, the safe pair, and positions left behind.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "BoardTestSupport.h"
#include "board/FreeRule.h"
#include "games/Judging.h"
#include "solver/Solver.h"
#include "support/FatalMoves.h"

namespace quorin {
namespace {

using test::AnswerWithout;
using test::FatalPair;
using test::ShippedLayout;
using test::Table;

// Collects verdicts as the window does when woken, until the position is decided.
Winnability Await(Judging& judging) {
    for (int i = 0; i < 2000 && judging.Current() == Winnability::NotYetKnown; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
        judging.Collect();
    }
    return judging.Current();
}

void WaitUntilIdle(const Judging& judging) {
    for (int i = 0; i < 2000 && judging.Busy(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
}

TEST(JudgingTest, AFatalMoveIsToldOnceAndTheWayBackLeadsToAWinnablePosition) {
    Table t;
    const LayoutGrid layout = ShippedLayout("Traditional.lay");
    // Follows a winning line until a free pair would lose the game (seed 3 has one early).
    std::pair<int, int> fatal{0, 0};
    for (int seed = 3; seed <= 30 && !fatal.first; ++seed) {
        t.Deal(layout, false, seed);
        const SolveResult line = Solve(TilesOnBoard(t.s.board), false, {});
        if (line.answer != SolveAnswer::Winnable)
            continue;
        for (size_t k = 0; k < 20 && !fatal.first; ++k) {
            fatal = FatalPair(t.s);
            if (!fatal.first)
                t.RemovePair(line.order[k].first, line.order[k].second);
        }
    }
    ASSERT_NE(fatal.first, 0) << "no fatal move found to test with";

    Judging judging([] {});
    judging.Look(t.s);
    ASSERT_EQ(Await(judging), Winnability::Winnable);
    EXPECT_FALSE(judging.TakeFatalMove());

    t.RemovePair(fatal.first, fatal.second);
    judging.Look(t.s);
    EXPECT_EQ(Await(judging), Winnability::Unwinnable);
    EXPECT_TRUE(judging.TakeFatalMove());
    EXPECT_FALSE(judging.TakeFatalMove()) << "told twice";
    EXPECT_EQ(judging.PairsBackToWinnable(t.s), 1);
    EXPECT_EQ(judging.SafePair(t.s), std::make_pair(0, 0));

    // Taken back, the position is known at once, with a pair that keeps it winnable.
    t.game.GoBack(judging.PairsBackToWinnable(t.s));
    judging.Look(t.s);
    EXPECT_EQ(judging.Current(), Winnability::Winnable);
    const auto [a, b] = judging.SafePair(t.s);
    ASSERT_TRUE(a && b && SameGroup(a, b));
    EXPECT_TRUE(IsTileFree(t.s, a) && IsTileFree(t.s, b));
    EXPECT_EQ(AnswerWithout(t.s, a, b, 0), SolveAnswer::Winnable);

    // Following the winning line needs no solving: the rest of the line still clears.
    t.RemovePair(a, b);
    judging.Look(t.s);
    EXPECT_EQ(judging.Current(), Winnability::Winnable);
    EXPECT_FALSE(judging.Busy());
    // The fatal move made again is told again.
    t.game.GoBack(1);
    judging.Look(t.s);
    t.RemovePair(fatal.first, fatal.second);
    judging.Look(t.s);
    EXPECT_EQ(judging.Current(), Winnability::Unwinnable);
    EXPECT_TRUE(judging.TakeFatalMove());
}

// A solver that works until it is called off, as on a position too hard for its budget.
SolveResult UntilCancelled(const std::vector<SolverTile>&, bool, const SolveLimits& limits) {
    while (!limits.cancel->load())
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    return {};
}

TEST(JudgingTest, APositionLeftBehindIsJudgedAgainWhenItComesBack) {
    Table t;
    t.Deal(ShippedLayout("Traditional.lay"), false, 650);
    Judging judging([] {});
    judging.SetSolver(UntilCancelled);
    judging.Look(t.s);
    EXPECT_TRUE(judging.Busy());
    std::this_thread::sleep_for(std::chrono::milliseconds(100));  // well into the judging
    IsItFree(t.s);
    int a = 0, b = 0;
    for (int i = 1; i < t.s.FreeCount && !a; ++i)
        if (SameGroup(t.s.board.FreeList[i], t.s.board.FreeList[i + 1])) {
            a = t.s.board.FreeList[i];
            b = t.s.board.FreeList[i + 1];
        }
    ASSERT_NE(a, 0);
    judging.SetSolver(Solve);
    t.RemovePair(a, b);
    judging.Look(t.s);
    WaitUntilIdle(judging);
    judging.Collect();
    // Dropped half-way, the first position was not called undecided: it is judged anew.
    judging.SetSolver(UntilCancelled);
    t.game.GoBack(1);
    judging.Look(t.s);
    EXPECT_EQ(judging.Current(), Winnability::NotYetKnown);
    EXPECT_TRUE(judging.Busy());
}

}  // namespace
}  // namespace quorin
