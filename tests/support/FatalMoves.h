// Finding, with the solver, the moves that lose a game that could still be won: for the tests
// of the judging in the core and in the window.
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "board/FreeRule.h"
#include "board/GameState.h"
#include "board/Tiles.h"
#include "solver/Solver.h"

namespace quorin::test {

// The answer for the board of `s` without tiles `a` and `b`: within `budgetMs` (well within
// the judging budget by default), or with no limit for 0.
inline SolveAnswer AnswerWithout(const GameState& s, int a, int b, int64_t budgetMs = 100) {
    std::vector<SolverTile> tiles;
    for (const SolverTile& t : TilesOnBoard(s.board))
        if (t.id != a && t.id != b)
            tiles.push_back(t);
    SolveLimits limits;
    limits.budgetMs = budgetMs;
    return Solve(tiles, s.options.Vertical, limits).answer;
}

// A free pair of the position whose removal is proved to lose the game; {0, 0} for none.
inline std::pair<int, int> FatalPair(GameState& s) {
    IsItFree(s);
    for (int i = 1; i <= s.FreeCount; ++i)
        for (int k = i + 1; k <= s.FreeCount; ++k) {
            const int a = s.board.FreeList[i], b = s.board.FreeList[k];
            if (SameGroup(a, b) && AnswerWithout(s, a, b) == SolveAnswer::Unwinnable)
                return {a, b};
        }
    return {0, 0};
}

}  // namespace quorin::test
