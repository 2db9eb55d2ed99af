#include "games/Memory.h"

#include "board/Placement.h"

namespace quorin {

void DealMemory(GameState& state, Random& random, bool hard) {
    BoardTables& board = state.board;
    random.SeedFromClock();
    board.ClearCells();
    board.ClearPositions(kTileCount);
    state.CurrentLayout = hard ? kMemoryHard : kMemoryEasy;
    const int tiles = hard ? 84 : 32;
    const uint32_t columns = hard ? 14 : 8;
    const uint32_t rows = hard ? 6 : 4;
    const int firstColumn = hard ? 2 : 5;
    const int firstRow = hard ? 2 : 3;
    for (int id = 1; id <= tiles; ++id) {
        int x = 0, y = 0;
        do {
            x = 2 * (static_cast<int>(random.Next(columns)) + firstColumn);
            y = 2 * (static_cast<int>(random.Next(rows)) + firstRow) + 1;
        } while (board.Cell(x, y, 1) != 0);
        board.Place(id, x, y, 1);
    }
    state.TilesLeft = state.TotalTiles = tiles;
}

void MemoryGame::Press(MouseButton button, int px, int py) {
    (void)button;
    GameState& s = S();
    s.HallPanelDirty = false;
    const int column = px / 20, row = py / 25;
    if (static_cast<unsigned>(column) > 34u || static_cast<unsigned>(row) > 20u || s.ClickHandled)
        return;
    int t = WhatTileThere(s.board, px, py);
    if (t < 1 || t > kTileCount)
        return;
    if (s.Selected1 == 0) {
        s.Selected1 = static_cast<uint8_t>(t);
        View().PlaySound(Sound::Select);
        View().RedrawTile(t);
        return;
    }
    s.PrevSelected2 = s.Selected2;
    s.Selected2 = static_cast<uint8_t>(t);
    if (t == s.Selected1)
        return;  // the turned tile again: nothing happens
    s.ClickHandled = true;
    View().PlaySound(Sound::Select);
    View().RedrawTile(t);
    s.MemoryCountdown = kMemoryShowTicks;
}

void MemoryGame::RightPress() {
    View().FullRedraw();
    View().RestoreSidePanel();
}

void MemoryGame::Tick() {
    GameState& s = S();
    if (s.MemoryCountdown <= 0 || --s.MemoryCountdown > 0)
        return;
    if (s.options.ShowGirls)
        View().RepaintSidePanel();
    const int a = s.Selected1, b = s.Selected2;
    if (a < 1 || b < 1 || a == b)
        return;
    if (!SameGroup(a, b)) {
        s.Selected1 = s.Selected2 = 0;
        View().FullRedraw();
        s.PenaltySeconds += kMemoryMissPenalty;
        return;
    }
    RemovePair(a, b);
}

}  // namespace quorin
