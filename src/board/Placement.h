// Putting the layout on the board, listing its positions, and finding what lies under a
// point of the board surface.
#pragma once

#include <vector>

#include "board/BoardTables.h"
#include "board/GameState.h"

namespace quorin {

// Marks every layout position as undealt and clears the rest; TilesLeft becomes the number
// of positions, TotalTiles 144, and no tile has a position.
void PutLayoutOnBoard(GameState& state);

// The cells of the play area for which `isPosition` holds, layer by layer, then row by row,
// then column by column.
template <typename Pred>
std::vector<TilePosition> EnumeratePositions(Pred isPosition) {
    std::vector<TilePosition> list;
    list.reserve(kTileCount);
    for (int layer = 1; layer <= kLayers; ++layer)
        for (int y = 1; y <= kRows; ++y)
            for (int x = 1; x <= kColumns; ++x)
                if (isPosition(x, y, layer))
                    list.push_back({x, y, layer});
    return list;
}

// The tile under a point relative to the board origin, or 0. The highest layer wins, then
// the smaller column, then the lower row: the tile the drawing paints on top.
int WhatTileThere(const BoardTables& board, int px, int py);

// Whether a tile at the cell would lie on something: always on the first layer, above it
// when one of the nine cells below is taken.
bool RestsOnSomething(const BoardTables& board, int x, int y, int layer);

}  // namespace quorin
