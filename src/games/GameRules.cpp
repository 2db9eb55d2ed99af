#include "games/GameRules.h"

namespace quorin {

std::vector<FocusTarget> GameRules::FocusTargets() const {
    return TileTargets(S(), [this](int tile) { return IsFree(tile); });
}

void GameRules::RightPress() {
    GameState& s = S();
    s.HintTile1 = s.HintTile2 = 0;
    s.Selected1 = s.Selected2 = 0;
    View().FullRedraw();
    View().RestoreSidePanel();
}

void GameRules::RemovePair(int a, int b, const TilePosition* fromA) {
    GameState& s = S();
    const int k = s.TotalTiles - s.TilesLeft;
    if (k >= 0 && k + 1 < kTileCount) {
        const TilePosition pa = fromA ? *fromA : s.board.TilePos[a];
        const TilePosition pb = s.board.TilePos[b];
        s.board.MoveHistory[k] = {static_cast<uint8_t>(a), pa.x, pa.y, pa.layer};
        s.board.MoveHistory[k + 1] = {static_cast<uint8_t>(b), pb.x, pb.y, pb.layer};
    }
    s.Selected1 = s.Selected2 = 0;
    for (const int tile : {a, b}) {
        // The tile's area is redrawn while its position is still known.
        const TilePosition p = s.board.TilePos[tile];
        s.board.SetCell(p.x, p.y, p.layer, 0);
        View().RedrawTile(tile);
        s.board.TilePos[tile] = {};
    }
    s.TilesLeft -= 2;
    s.SafeHintShown = false;
    View().PlaySound(Sound::Done);
}

bool GameRules::ClockStep() {
    GameState& s = S();
    s.ElapsedSeconds = static_cast<int32_t>((c_.ticks.Now() - s.StartTick) / 1000);
    return s.ElapsedSeconds + s.PenaltySeconds >= kTimeLimitSeconds;
}

}  // namespace quorin
