// Mah-Jongg Rivers: a flat grid where two tiles of a group leave together when a path of at
// most three straight segments over empty positions joins them, also around the outside.
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "board/BoardView.h"
#include "board/GameState.h"
#include "board/Random.h"
#include "games/TileGame.h"

namespace quorin {

inline constexpr int32_t kRiversEasy = 100;
inline constexpr int32_t kRiversHard = 101;

// Fills the grid of the level (84 tiles on one layer, or 144 on two) with each id on a
// random free position, and sets the tile counts and CurrentLayout.
void DealRivers(GameState& state, Random& random, bool hard);

// The path search between two tiles of the same layer. Positions are anchor cells with even
// x and odd y, one position apart is two cells; paths may use x 2..32 and y 1..19.
class RiverSearch {
  public:
    RiverSearch(GameState& state, BoardView& view) : s_(state), view_(view) {}

    // When set, a successful search moves B along the path, position by position, until it
    // stands beside A.
    bool animate = false;

    // Is there a path from A to B? The search is depth first: first segment right, left,
    // down, up; each turn tries the positive direction before the negative one.
    bool CanBeReached(int a, int b);

    // The tile found by the last successful search and its cell now.
    int32_t MovingTile = 0;
    int32_t MovingX = 0;
    int32_t MovingY = 0;

  private:
    enum class Axis { Horizontal, Vertical };
    // Walks one segment from (x, y) in direction (dx, dy); depth 1..3. True on success, after
    // the travelling tile has been moved back through this segment.
    bool Segment(int depth, int x, int y, int dx, int dy);
    bool Turn(int depth, int x, int y, Axis along);
    bool IsIt(int x, int y);
    void MoveRiverTiles(int x, int y);

    GameState& s_;
    BoardView& view_;
    int layer_ = 0;
    int targetX_ = 0;
    int targetY_ = 0;
};

// The game: any tile may be picked, and a pair of one group leaves when a path joins the
// second pick to the first; the first then travels to the second when animation is on.
class RiversGame : public TileGame {
  public:
    using TileGame::TileGame;

    void Start(bool hard) override;
    // A tile is free when it can be joined with another of its group and no tile lies
    // straight on top of either. Never moves a tile.
    void CountFree() override;
    bool CanTakeBack() const override { return true; }
    void Shuffle() override;

  protected:
    void MatchSameGroup() override;
    // The pairs that can leave now, which are not always neighbours in the free list: with
    // two of a group joined and the other two joined, the list holds all four.
    std::vector<std::pair<int, int>> HintRound() override { return JoinablePairs(); }

  private:
    // Group by group, the pairs that a path joins with neither tile covered, in the order
    // (g, g+1), (g, g+2), (g, g+3), (g+1, g+2), (g+1, g+3), (g+2, g+3).
    std::vector<std::pair<int, int>> JoinablePairs();
};

}  // namespace quorin
