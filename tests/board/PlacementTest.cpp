// Turning a point of the board surface into a tile (play) or into a cell (layout editor).
#include <gtest/gtest.h>

#include "board/BoardTables.h"
#include "board/Placement.h"

namespace quorin {
namespace {

// Upper-left pixel of a tile picture on the board.
int Left(int x, int layer) {
    return 20 * x + 6 * layer - 52;
}
int Top(int y, int layer) {
    return 25 * y - 6 * layer - 59;
}

TEST(WhatTileThere, TilePictureIsHalfOpen46By56Pixels) {
    for (int layer : {1, 3}) {
        BoardTables board;
        board.Place(9, 10, 8, layer);
        const int l = Left(10, layer), t = Top(8, layer);
        EXPECT_EQ(WhatTileThere(board, l, t), 9);
        EXPECT_EQ(WhatTileThere(board, l + 45, t + 55), 9);
        EXPECT_EQ(WhatTileThere(board, l - 1, t), 0);
        EXPECT_EQ(WhatTileThere(board, l + 46, t), 0);
        EXPECT_EQ(WhatTileThere(board, l, t - 1), 0);
        EXPECT_EQ(WhatTileThere(board, l, t + 56), 0);
    }
}

TEST(WhatTileThere, CornersOfThePlayArea) {
    BoardTables board;
    board.Place(1, 1, 1, 1);
    board.Place(2, 34, 20, 5);
    EXPECT_EQ(WhatTileThere(board, -26, -40), 1);  // left of and above the board origin
    EXPECT_EQ(WhatTileThere(board, 703, 466), 2);
    EXPECT_EQ(WhatTileThere(board, 704, 466), 0);
    EXPECT_EQ(WhatTileThere(board, 703, 467), 0);
}

TEST(WhatTileThere, UpperLayerWins) {
    BoardTables board;
    board.Place(1, 10, 8, 1);
    board.Place(2, 11, 9, 2);  // rests half on tile 1
    board.Place(3, 10, 8, 3);
    EXPECT_EQ(WhatTileThere(board, Left(10, 1), Top(8, 1)), 1);  // corner no other covers
    EXPECT_EQ(WhatTileThere(board, Left(11, 2) + 40, Top(9, 2) + 50), 2);
    EXPECT_EQ(WhatTileThere(board, Left(10, 1) + 23, Top(8, 1) + 28), 3);
}

TEST(WhatTileThere, LeftTileWinsTheStripShared) {
    BoardTables board;
    board.Place(1, 10, 8, 1);
    board.Place(2, 12, 8, 1);
    const int shared = Left(12, 1);  // the right tile starts 6 pixels before the left one ends
    EXPECT_EQ(shared, Left(10, 1) + 40);
    EXPECT_EQ(WhatTileThere(board, shared - 1, Top(8, 1) + 10), 1);
    EXPECT_EQ(WhatTileThere(board, shared, Top(8, 1) + 10), 1);
    EXPECT_EQ(WhatTileThere(board, shared + 5, Top(8, 1) + 10), 1);
    EXPECT_EQ(WhatTileThere(board, shared + 6, Top(8, 1) + 10), 2);
}

TEST(WhatTileThere, LowerTileWinsTheStripSharedWithTheOneAbove) {
    BoardTables board;
    board.Place(1, 10, 8, 1);
    board.Place(2, 10, 10, 1);
    const int shared = Top(10, 1);
    EXPECT_EQ(shared, Top(8, 1) + 50);
    EXPECT_EQ(WhatTileThere(board, Left(10, 1) + 10, shared - 1), 1);
    EXPECT_EQ(WhatTileThere(board, Left(10, 1) + 10, shared), 2);
    EXPECT_EQ(WhatTileThere(board, Left(10, 1) + 10, shared + 5), 2);
}

TEST(WhatTileThere, EmptyBoardGivesNothing) {
    BoardTables board;
    for (int py = -60; py < 480; py += 7)
        for (int px = -60; px < 720; px += 7)
            ASSERT_EQ(WhatTileThere(board, px, py), 0);
}

// A point 15 pixels into the target of a cell lies in that cell's target only, on its layer.
TilePosition AddAt(const BoardTables& board, int x, int y, int layer) {
    return WhatAdd(board, Left(x, layer) + 15, Top(y, layer) + 15);
}

TEST(WhatAdd, FirstLayerIsAlwaysOffered) {
    BoardTables board;
    EXPECT_EQ(AddAt(board, 10, 10, 1), (TilePosition{10, 10, 1}));
    EXPECT_EQ(AddAt(board, 1, 1, 1), (TilePosition{1, 1, 1}));
    EXPECT_EQ(AddAt(board, 34, 20, 1), (TilePosition{34, 20, 1}));
}

TEST(WhatAdd, UpperLayerNeedsSomethingBelow) {
    BoardTables board;
    // Nothing on layer 1: the point over the layer-2 cell offers the layer-1 cell under it.
    EXPECT_EQ(AddAt(board, 10, 10, 2), (TilePosition{10, 10, 1}));

    for (const auto& [dx, dy] : {std::pair{0, 0}, {1, 1}, {-1, -1}, {1, -1}, {-1, 0}}) {
        BoardTables b;
        b.SetCell(10 + dx, 10 + dy, 1, 1);
        EXPECT_EQ(AddAt(b, 10, 10, 2), (TilePosition{10, 10, 2})) << dx << " " << dy;
    }
    BoardTables aside;
    aside.SetCell(12, 10, 1, 1);  // two cells away: the new tile would not rest on it
    EXPECT_EQ(AddAt(aside, 10, 10, 2), (TilePosition{10, 10, 1}));

    BoardTables one;
    one.SetCell(10, 10, 1, 1);
    // Layer 3 rests on layer 2, which is empty: the best offer is layer 2.
    EXPECT_EQ(AddAt(one, 10, 10, 3), (TilePosition{10, 10, 2}));
}

TEST(WhatAdd, TargetIsTheUpperLeft30By35Pixels) {
    BoardTables board;
    const int midY = Top(10, 1) + 15;
    EXPECT_EQ(WhatAdd(board, Left(1, 1), midY), (TilePosition{1, 10, 1}));
    EXPECT_EQ(WhatAdd(board, Left(1, 1) - 1, midY), TilePosition{});
    EXPECT_EQ(WhatAdd(board, Left(34, 1) + 29, midY), (TilePosition{34, 10, 1}));
    EXPECT_EQ(WhatAdd(board, Left(34, 1) + 30, midY), TilePosition{});
    const int midX = Left(10, 1) + 15;
    EXPECT_EQ(WhatAdd(board, midX, Top(1, 1)), (TilePosition{10, 1, 1}));
    EXPECT_EQ(WhatAdd(board, midX, Top(1, 1) - 1), TilePosition{});
    EXPECT_EQ(WhatAdd(board, midX, Top(20, 1) + 34), (TilePosition{10, 20, 1}));
    EXPECT_EQ(WhatAdd(board, midX, Top(20, 1) + 35), TilePosition{});
    // Neighbouring targets overlap: the smaller column and the larger row win.
    EXPECT_EQ(WhatAdd(board, Left(11, 1) + 5, Top(11, 1) + 5), (TilePosition{10, 11, 1}));
}

}  // namespace
}  // namespace quorin
