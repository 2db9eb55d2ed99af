// Playing without a mouse: the places of the board a player can act on, the step from one
// to the next with the arrow keys, and the names a screen reader gives them.
#pragma once

#include <string>
#include <vector>

#include "board/GameState.h"

namespace quorin {

// Something on the board a press acts on: a tile, or in Clicks a group of pieces. `id` is
// the tile, or in Clicks 1000 + the grid index of the group's first piece. The press point
// and the outline are window pixels of the board surface.
struct FocusTarget {
    int id = 0;
    int pressX = 0, pressY = 0;
    int left = 0, top = 0, width = 0, height = 0;
};

enum class FocusStep { Left, Right, Up, Down };

// The target a step leads to from target `from` (its id). Left and right go to the previous
// and next target in reading order (rows from the top, each from the left, round the ends),
// so that every target can be reached; up and down to the nearest target that way, or
// `from` itself when none lies that way. From an id not among the targets (or 0), the first
// target in reading order.
int StepFocus(const std::vector<FocusTarget>& targets, int from, FocusStep step);

// The target nearest window pixel (x, y), or 0 when there is none: where the focus goes
// when what it was on has left the board.
int NearestFocus(const std::vector<FocusTarget>& targets, int x, int y);

// The target of `id`, or none.
const FocusTarget* FindTarget(const std::vector<FocusTarget>& targets, int id);

// The free-standing tile targets: every tile on the board for which `pickable` is true, with
// a press point where that tile, not another, is hit.
template <typename Pickable>
std::vector<FocusTarget> TileTargets(const GameState& s, Pickable pickable);

// The name of a tile's face, as a player says it: "Bamboo 3", "Red dragon", "East wind".
std::string FaceName(int tile);

// For TileTargets: the target of one tile, or none (id 0) when no pixel of it shows.
FocusTarget TileTarget(const GameState& s, int tile);

template <typename Pickable>
std::vector<FocusTarget> TileTargets(const GameState& s, Pickable pickable) {
    std::vector<FocusTarget> targets;
    for (int t = 1; t <= kTileCount; ++t) {
        if (!s.board.TilePos[t].OnBoard() || !pickable(t))
            continue;
        const FocusTarget target = TileTarget(s, t);
        if (target.id)
            targets.push_back(target);
    }
    return targets;
}

}  // namespace quorin
