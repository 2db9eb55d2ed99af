#include "board/Placement.h"

namespace quorin {

void PutLayoutOnBoard(GameState& state) {
    state.board.CopyLayout(state.layout);
    int count = 0;
    for (int layer = 1; layer <= kLayers; ++layer)
        for (int y = 1; y <= kRows; ++y)
            for (int x = 1; x <= kColumns; ++x)
                count += state.board.Cell(x, y, layer) == UndealtMark;
    state.TilesLeft = count;
    state.TotalTiles = kTileCount;
    state.board.ClearPositions(kTileCount);
}

int WhatTileThere(const BoardTables& board, int px, int py) {
    int result = 0;
    for (int layer = 1; layer <= kLayers; ++layer) {
        for (int x = kColumns; x >= 1; --x) {
            const int left = 20 * x + 6 * layer - 52;
            if (px < left || px >= left + 46)
                continue;
            for (int y = 1; y <= kRows; ++y) {
                const int top = 25 * y - 6 * layer - 59;
                if (py < top || py >= top + 56)
                    continue;
                if (const int c = board.Cell(x, y, layer); c != 0)
                    result = c;
            }
        }
    }
    return result;
}

bool RestsOnSomething(const BoardTables& board, int x, int y, int layer) {
    if (layer == 1)
        return true;
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy)
            if (board.Cell(x + dx, y + dy, layer - 1) != 0)
                return true;
    return false;
}

}  // namespace quorin
