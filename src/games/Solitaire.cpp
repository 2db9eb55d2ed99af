#include "games/Solitaire.h"

#include <string>

#include "board/Dealer.h"
#include "board/FreeRule.h"
#include "games/ProvedWinnable.h"

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

void Solitaire::Hint(std::pair<int, int> safe) {
    // Two players find their moves themselves.
    if (!twoPlayers_)
        TileGame::Hint(safe);
}

void Solitaire::Shuffle() {
    GameState& s = S();
    if (s.options.Shuffable) {
        WinnableShuffle();
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

void Solitaire::WinnableShuffle() {
    // The reshuffle builds its removal order by the horizontal dealing rule and gives up on
    // an unlucky board, so what it makes may still jam; the solver judges each one under the
    // rule being played.
    Dealer dealer(S(), c_.random, View());
    Random& random = c_.random;
    random.SeedFromClock();
    dealer.SetQuiet(true);
    const ProofSearch search =
        MakeUntilProved(S().board, random, S().options.Vertical, kShuffleBounds, [&] {
            dealer.ShuffleBoardAgain();
            return true;
        });
    dealer.SetQuiet(false);
    // The one kept is made once more over the same cells, for the animation.
    random.SetSeed(search.seedBefore);
    dealer.ShuffleBoardAgain();
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
