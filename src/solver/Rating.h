// How hard a deal is to clear, 1 (easy) to 5 (very hard), from what the solver and random
// play tell of it. The same tiles always get the same rating: nothing here reads a clock.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "solver/Solver.h"

namespace quorin {

struct DealRating {
    // The solver's answer within the rating's node limit. A deal left undecided is rated
    // from its play-outs, and one that a play-out clears counts as winnable.
    SolveAnswer answer = SolveAnswer::Undecided;
    int level = 0;  // 1..5, from the share of play-outs that clear; 0: cannot be won
    // Random play: free pairs taken uniformly at random until the board is clear or stuck.
    int playouts = 0;
    int cleared = 0;
    double tilesLeft = 0;  // on average, when a play-out ends
    // Along the solver's winning line, where every plainly safe pair (the last two of a
    // group, or all four of it free) comes off at once: the positions left with a real
    // choice, the free pairs offered there and, of them, those of the line, which keep the
    // board winnable (others may as well). A choice is narrow when a single free pair is
    // of the line. Told, not counted in the level.
    int decisions = 0;
    int narrow = 0;
    int choices = 0;
    int safeChoices = 0;
    uint64_t nodes = 0;  // the solver's nodes, those of the checks along the line included
};

DealRating RateDeal(const std::vector<SolverTile>& tiles, bool vertical);

// "3 of 5", or "cannot be won".
std::string DifficultyText(const DealRating& rating);

}  // namespace quorin
