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

}  // namespace
}  // namespace quorin
