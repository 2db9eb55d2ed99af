// Tile-matching solitaire and its two-player form: a tile may be picked when it is free,
// any pair of one group leaves, and in the two-player game the turn passes with it.
#pragma once

#include "games/TileGame.h"

namespace quorin {

class Solitaire : public TileGame {
  public:
    using TileGame::TileGame;

    // The two-player form is chosen with the game and kept until the next one.
    void SetTwoPlayers(bool two) { twoPlayers_ = two; }
    bool TwoPlayers() const { return twoPlayers_; }

    void CountFree() override;
    bool IsFree(int tile) const override;
    // Two-player games are not taken back.
    bool CanTakeBack() const override { return !twoPlayers_; }
    void Hint(std::pair<int, int> safe) override;
    void Shuffle() override;

  protected:
    void MatchSameGroup() override;

  private:
    void PassTurn();
    // Reshuffles until the solver proves the board winnable, within bounds; the last one
    // made stays when none is.
    void WinnableShuffle();
    void ReportShuffle();
    bool twoPlayers_ = false;
};

}  // namespace quorin
