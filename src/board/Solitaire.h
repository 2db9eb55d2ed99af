// Tile-matching solitaire and its two-player form: a tile may be picked when it is free,
// any pair of one group leaves, and in the two-player game the turn passes with it.
#pragma once

#include "board/TileGame.h"

namespace quorin {

class Solitaire : public TileGame {
  public:
    using TileGame::TileGame;

    void CountFree() override;
    // Two-player games are not taken back.
    bool CanTakeBack() const override { return S().GameMode == ModeSolitaire; }
    void Hint() override;
    void Shuffle() override;

  protected:
    bool IsFree(int tile) const override;
    void MatchSameGroup() override;

  private:
    void PassTurn();
    void ReportShuffle();
};

}  // namespace quorin
