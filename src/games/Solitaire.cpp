#include "games/Solitaire.h"

#include <string>

#include "board/Dealer.h"
#include "board/FreeRule.h"

namespace quorin {

void Solitaire::CountFree() {
    IsItFree(S());
}

bool Solitaire::IsFree(int tile) const {
    return IsTileFree(S(), tile);
}

void Solitaire::MatchSameGroup() {
    RemoveSelectedPair();
    if (S().options.ShowGirls)
        View().RepaintSidePanel();
    if (twoPlayers_)
        PassTurn();
}

void Solitaire::PassTurn() {
    GameState& s = S();
    const uint32_t now = c_.ticks.Now();
    if (!s.PlayerTwoTurn) {
        s.PlayerTwoTurn = true;
        s.Player1Millis += static_cast<int32_t>(now - s.Player1Tick);
        s.Player2Tick = now;
    } else {
        s.PlayerTwoTurn = false;
        s.Player2Millis += static_cast<int32_t>(now - s.Player2Tick);
        s.Player1Tick = now;
    }
}

void Solitaire::Hint() {
    // Two players find their moves themselves.
    if (!twoPlayers_)
        TileGame::Hint();
}

void Solitaire::Shuffle() {
    GameState& s = S();
    if (s.options.Shuffable) {
        Dealer(s, c_.random, View()).ShuffleBoard();
    } else {
        for (int pass = 1; pass <= 101; ++pass) {
            FreeShuffle(false);
            CountFree();
            if (s.MovesLeft > 0)
                break;
        }
    }
    ReportShuffle();
}

void Solitaire::ReportShuffle() {
    GameState& s = S();
    CountFree();
    const int n = s.MovesLeft;
    if (n >= 2)
        View().ShowStatus("Tiles shuffled. " + std::to_string(n) + " new moves found.");
    else if (n == 1)
        View().ShowStatus("Tiles shuffled. 1 new move found.");
    else
        View().ShowStatus("No moves found. Try to press Back a few times.");
    if (!twoPlayers_)
        s.PenaltySeconds += 10 * n;
}

}  // namespace quorin
