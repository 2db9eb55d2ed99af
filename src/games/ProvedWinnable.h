// Deals and reshuffles the solver has proved can be cleared: candidates are made one after
// another until the solver proves one, within bounds that keep the player from waiting.
#pragma once

#include <cstdint>
#include <functional>

#include "board/BoardTables.h"
#include "board/Random.h"

namespace quorin {

struct ProofBounds {
    int tries = 0;  // candidates made at most
    // Solver nodes for each candidate. A node count, not a time, decides the answer, so a
    // seed number gives the same deal on a fast machine and a slow one.
    uint64_t nodesPerTry = 0;
    // Processor time for the whole search, the making of the candidates included: the last
    // guard, for a layout whose candidates all take long to judge.
    double budgetMs = 0;
};

// A new game under the vertical variation: a few milliseconds on the shipped layouts, about
// three candidates on Cat, where two deals of three built by the dealing rule jam.
inline constexpr ProofBounds kVerticalDealBounds{100, 2000, 400};
// A reshuffle in the middle of a game, under the rule being played. Fewer tiles give quick
// answers, but under the vertical rule few reshuffles may clear: on some boards of Cat one
// in a hundred.
inline constexpr ProofBounds kShuffleBounds{200, 2000, 250};

struct ProofSearch {
    bool proved = false;
    // Nothing could be made at all: the board is left as the first attempt left it.
    bool nothingMade = false;
    int tries = 0;
    // The generator as it stood before the candidate kept was made: setting it back and
    // making a candidate again gives the same one, this time for the eye.
    uint32_t seedBefore = 0;
};

// Calls `make` (false: it could make nothing) until the solver proves the tiles of `board`
// winnable under the rule chosen by `vertical`, or the bounds are reached; then the last
// candidate made stays on the board. Each candidate goes on from where the generator stands.
ProofSearch MakeUntilProved(const BoardTables& board, Random& random, bool vertical,
                            const ProofBounds& bounds, const std::function<bool()>& make);

}  // namespace quorin
