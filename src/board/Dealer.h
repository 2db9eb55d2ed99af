// Dealing the tiles onto the layout: the plain random deal, the winnable deal that builds
// a removal order first, and the reshuffle that keeps the rest of a game winnable.
#pragma once

#include <vector>

#include "board/BoardView.h"
#include "board/GameState.h"
#include "board/Random.h"

namespace quorin {

enum class DealResult {
    Dealt,
    // Dealt, but under the vertical rule no deal the solver could prove winnable was found
    // within the search's bounds: the last one tried is on the board.
    DealtUnproved,
    // The layout never let the removal order be completed (an odd number of positions, or
    // a shape that always jams): nothing is dealt.
    CannotDeal,
};

class Dealer {
  public:
    Dealer(GameState& state, Random& random, BoardView& view)
        : s_(state), random_(random), view_(view) {}

    // A specific game replays its seed number; any other deal starts from the clock.
    void SeedDeal();

    // Tile ids in ascending order go to uniformly random undealt positions.
    void PlainDeal();

    // Removes random free pairs until the layout is empty, then fills the pairs with
    // matching tiles from the last removed to the first. `order`, when given, receives the
    // positions in removal order: removing them two by two solves the deal.
    DealResult CreateBoard(std::vector<TilePosition>* order = nullptr);
    // The same deal, drawn on from where the generator stands rather than from the seed:
    // the next candidate when the caller wants a deal that passes a test of its own.
    DealResult CreateBoardAgain(std::vector<TilePosition>* order = nullptr);

    // Deals the tiles still on the board again over their own positions so that they can
    // all be removed; after 200 unlucky passes everything stays where it was.
    void ShuffleBoard();
    // The same reshuffle, drawn on from where the generator stands instead of the clock.
    void ShuffleBoardAgain();

    // A quiet dealer never animates: for candidates that may be thrown away.
    void SetQuiet(bool quiet) { quiet_ = quiet; }

    // How many times CreateBoard may start the removal over before it gives up.
    static constexpr int kMaxRestarts = 2000;
    static constexpr int kMaxShufflePasses = 200;

  private:
    DealResult Create(std::vector<TilePosition>* order, bool seed);
    void Shuffle(bool seed);
    bool AnimationApplies() const;
    bool AnimationAppliesToMode() const;
    // Positions still marked, that pass the free rule of dealing.
    int CountFreeForDeal(const std::vector<TilePosition>& list) const;
    // Draws a marked free position of the list, other than `other` when given.
    TilePosition DrawFreePosition(const std::vector<TilePosition>& list, int drawRange,
                                  const TilePosition* other);
    void Restore(const std::vector<TilePosition>& saved);

    GameState& s_;
    Random& random_;
    BoardView& view_;
    bool quiet_ = false;
};

}  // namespace quorin
