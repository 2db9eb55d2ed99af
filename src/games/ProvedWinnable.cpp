#include "games/ProvedWinnable.h"

#include "solver/Solver.h"

namespace quorin {

ProofSearch MakeUntilProved(const BoardTables& board, Random& random, bool vertical,
                            const ProofBounds& bounds, const std::function<bool()>& make) {
    ProofSearch search;
    const double start = ProcessorMs();
    bool madeOne = false;
    uint32_t lastMade = 0;
    while (search.tries < bounds.tries) {
        const uint32_t before = random.Seed();
        ++search.tries;
        if (!make()) {
            if (madeOne) {
                // The one before stays: make it once more over what this attempt left.
                random.SetSeed(lastMade);
                make();
                search.seedBefore = lastMade;
            } else {
                search.nothingMade = true;
            }
            return search;
        }
        madeOne = true;
        lastMade = before;
        search.seedBefore = before;
        const double left = bounds.budgetMs - (ProcessorMs() - start);
        if (left < 1)
            break;
        SolveLimits limits;
        limits.maxNodes = bounds.nodesPerTry;
        limits.budgetMs = static_cast<int64_t>(left);
        if (Solve(TilesOnBoard(board), vertical, limits).answer == SolveAnswer::Winnable) {
            search.proved = true;
            break;
        }
    }
    return search;
}

}  // namespace quorin
