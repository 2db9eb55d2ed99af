#include "games/TileGame.h"

#include <algorithm>
#include <utility>

#include "board/Placement.h"

namespace quorin {

namespace {

bool InCellRange(int column, int row) {
    // Compared unsigned, so points left of or above the board fail as well.
    return static_cast<unsigned>(column) <= 34u && static_cast<unsigned>(row) <= 20u;
}

}  // namespace

void TileGame::Press(MouseButton button, int px, int py) {
    (void)button;  // both the left and the middle button pick
    ChoisitPai(px, py, px / 20, py / 25);
}

void TileGame::ChoisitPai(int px, int py, int column, int row) {
    GameState& s = S();
    s.HallPanelDirty = false;
    // Only a dealt tile can be chosen; an undealt position is never one.
    int t = WhatTileThere(s.board, px, py);
    if (t > kTileCount)
        t = 0;

    if (InCellRange(column, row) && !s.ClickHandled && t > 0) {
        if (s.Selected1 == 0) {
            s.Selected1 = static_cast<uint8_t>(t);
            if (IsFree(t)) {
                SonOK(t);
            } else {
                s.Selected1 = 0;
                View().PlaySound(Sound::NoWay);
            }
        } else {
            s.PrevSelected2 = s.Selected2;
            s.Selected2 = static_cast<uint8_t>(t);
            if (IsFree(t)) {
                TestStile2();
            } else {
                s.Selected2 = static_cast<uint8_t>(s.PrevSelected2);
                View().PlaySound(Sound::NoWay);
            }
        }
    }

    if (s.Selected1 != 0 && s.Selected2 != 0)
        MatchSelection();
}

void TileGame::SonOK(int tile) {
    View().PlaySound(Sound::Select);
    if (tile > 0)
        View().RedrawTile(tile);
}

void TileGame::TestStile2() {
    GameState& s = S();
    s.ClickHandled = true;
    int redraw = s.Selected2;
    if (s.Selected1 == s.Selected2) {
        // The selected tile clicked again: deselect it.
        redraw = s.Selected1;
        s.Selected1 = s.Selected2 = 0;
        View().PlaySound(Sound::Select);
    }
    if (redraw > 0)
        View().RedrawTile(redraw);
}

void TileGame::MatchSelection() {
    if (!SameGroup(S().Selected1, S().Selected2)) {
        KeepSecondPick();
        return;
    }
    MatchSameGroup();
}

void TileGame::KeepSecondPick() {
    GameState& s = S();
    const int dropped = s.Selected1;
    s.Selected1 = s.Selected2;
    s.Selected2 = 0;
    View().RedrawTile(dropped);
    View().PlaySound(Sound::Select);
}

void TileGame::RemoveSelectedPair(const TilePosition* firstFrom) {
    RemovePair(S().Selected1, S().Selected2, firstFrom);
}

bool TileGame::TakeBack() {
    GameState& s = S();
    if (s.TilesLeft >= s.TotalTiles)
        return false;
    s.TilesLeft += 2;
    s.Selected1 = s.Selected2 = 0;
    s.HintTile1 = s.HintTile2 = 0;
    s.SafeHintShown = false;
    const int k = s.TotalTiles - s.TilesLeft;
    for (int e = k; e <= k + 1; ++e) {
        const MoveEntry& m = s.board.MoveHistory[e];
        if (m.tile == 0)
            continue;
        s.board.Place(m.tile, m.x, m.y, m.layer);
    }
    return true;
}

bool TileGame::IsFreePair(std::pair<int, int> pair) const {
    const auto [a, b] = pair;
    const auto& pos = S().board.TilePos;
    return a >= 1 && a <= kTileCount && b >= 1 && b <= kTileCount && a != b && SameGroup(a, b) &&
           pos[a].OnBoard() && pos[b].OnBoard() && IsFree(a) && IsFree(b);
}

std::vector<std::pair<int, int>> TileGame::HintRound() {
    const GameState& s = S();
    const auto& list = s.board.FreeList;
    std::vector<std::pair<int, int>> round;
    for (int k = 1; k < s.FreeCount; ++k)
        if (SameGroup(list[k], list[k + 1]))
            round.emplace_back(list[k], list[k + 1]);
    return round;
}

void TileGame::Hint(std::pair<int, int> safe) {
    GameState& s = S();
    if (s.MovesLeft == 0)
        return;
    s.HintTile1 = s.HintTile2 = 0;
    CountFree();
    if (s.FreeCount < 2 || s.MovesLeft == 0)
        return;
    const std::vector<std::pair<int, int>> round = HintRound();
    if (!s.SafeHintShown && IsFreePair(safe)) {
        s.SafeHintShown = true;
        const std::pair<int, int> shown = std::minmax(safe.first, safe.second);
        s.HintTile1 = shown.first;
        s.HintTile2 = shown.second;
        // When the round holds it too, the next press goes on from there rather than show
        // it again.
        const auto at = std::find(round.begin(), round.end(), shown);
        if (at != round.end())
            s.HintIndex = static_cast<int32_t>(at - round.begin()) + 1;
    } else if (!round.empty()) {
        s.HintIndex = s.HintIndex % static_cast<int32_t>(round.size()) + 1;
        s.HintTile1 = round[s.HintIndex - 1].first;
        s.HintTile2 = round[s.HintIndex - 1].second;
    }
    s.PenaltySeconds += 40;
    View().FullRedraw();
}

void TileGame::FreeShuffle(bool keepLayer) {
    auto& b = S().board;
    Random& random = c_.random;
    for (int layer = 1; layer <= kLayers; ++layer) {
        for (int x = 1; x <= kColumns; ++x) {
            for (int y = 1; y <= kRows; ++y) {
                const int t = b.Cell(x, y, layer);
                if (t < 1 || t > kTileCount)
                    continue;
                int x2, y2, layer2, u;
                do {
                    x2 = static_cast<int>(random.Next(kColumns)) + 1;
                    y2 = static_cast<int>(random.Next(kRows)) + 1;
                    layer2 = keepLayer ? layer : static_cast<int>(random.Next(kLayers)) + 1;
                    u = b.Cell(x2, y2, layer2);
                } while (u < 1 || u > kTileCount);
                std::swap(b.TilePos[t], b.TilePos[u]);
                b.SetCell(x2, y2, layer2, static_cast<uint8_t>(t));
                b.SetCell(x, y, layer, static_cast<uint8_t>(u));
            }
        }
    }
}

}  // namespace quorin
