// An exact solver: does a position, seen with every face showing, still clear?
#pragma once

#include <atomic>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "board/BoardTables.h"

namespace quorin {

struct SolverTile {
    int id = 0;  // 1..144
    TilePosition pos;
};

enum class SolveAnswer { Winnable, Unwinnable, Undecided };

struct SolveLimits {
    // Processor time (see ProcessorMs), so that a busy machine does not turn answers into
    // "undecided"; 0: no time limit.
    int64_t budgetMs = 0;
    uint64_t maxNodes = 0;  // 0: no node limit
    // When given and set, from any thread, the solve stops soon and answers "undecided".
    const std::atomic<bool>* cancel = nullptr;
};

struct SolveResult {
    SolveAnswer answer = SolveAnswer::Undecided;
    // For a winnable position: the pairs of tile ids in the order they come off.
    std::vector<std::pair<int, int>> order;
    uint64_t nodes = 0;
};

// The tiles must stand on distinct cells; `vertical` picks the vertical variation.
SolveResult Solve(const std::vector<SolverTile>& tiles, bool vertical, const SolveLimits& limits);

// Every tile of the board that has a position.
std::vector<SolverTile> TilesOnBoard(const BoardTables& board);

const char* AnswerName(SolveAnswer answer);

// The processor time the calling thread has used, in milliseconds: the clock of the time
// budget, so that a solve in the background is not charged for the window's work.
double ProcessorMs();

// Reads lines "ID X Y LAYER". Refuses, with a message naming the line, overlapping tiles,
// cells outside the play area, unknown or repeated ids and an odd number of tiles.
struct PositionLoad {
    bool ok = false;
    std::vector<SolverTile> tiles;
    std::string reason;
};
PositionLoad ParsePosition(const std::string& text);

}  // namespace quorin
