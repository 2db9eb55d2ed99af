// The games played by picking two tiles of a group on the board: solitaire, its two-player
// form and Rivers. They share the pick (select, deselect, refuse, move the selection), the
// removal of a pair with its move history, taking pairs back, the hint and the free shuffle;
// each says which tiles may be picked and what a pair of one group needs to leave.
#pragma once

#include <utility>
#include <vector>

#include "games/GameRules.h"

namespace quorin {

class TileGame : public GameRules {
  public:
    using GameRules::GameRules;

    void Press(MouseButton button, int px, int py) override;
    bool TakeBack() override;
    // Shows a free pair and charges 40 seconds. The first press in a position shows `safe`
    // when it is a free pair on the board; the presses after it go round the free pairs.
    void Hint(std::pair<int, int> safe) override;
    bool CanShuffle() const override { return true; }

  protected:
    // Both picks are of one group: remove them, or keep only the second.
    virtual void MatchSameGroup() { RemoveSelectedPair(); }

    void ChoisitPai(int px, int py, int column, int row);
    void SonOK(int tile);
    // The second pick becomes the only selection.
    void KeepSecondPick();
    // Writes both picks to the move history at their positions now, or at `firstFrom` for
    // the first pick when given, then lifts them off the board.
    void RemoveSelectedPair(const TilePosition* firstFrom = nullptr);
    // Every tile goes to a random tile's place, on any layer or on its own.
    void FreeShuffle(bool keepLayer);
    // The pairs the hint goes round, after a count: neighbours of one group in the free list.
    virtual std::vector<std::pair<int, int>> HintRound();

  private:
    bool IsFreePair(std::pair<int, int> pair) const;
    void TestStile2();
    void MatchSelection();
};

}  // namespace quorin
