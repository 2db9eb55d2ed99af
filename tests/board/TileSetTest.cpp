// The tile set (groups, faces, where a face sits in a tileset picture) and the board tables.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <utility>

#include "BoardTestSupport.h"
#include "board/BoardTables.h"
#include "board/Placement.h"
#include "board/Tiles.h"

namespace quorin {
namespace {

TEST(TileSet, GroupsAreFourConsecutiveIds) {
    for (int g = 0; g < kGroupCount; ++g)
        for (int id = 4 * g + 1; id <= 4 * g + 4; ++id)
            EXPECT_EQ(TileGroup(id), g) << id;
    EXPECT_EQ(TileGroup(0), 0);  // truncates toward zero
}

TEST(TileSet, FlowersAndSeasonsMatchWithinTheirGroupOnly) {
    EXPECT_TRUE(SameGroup(109, 112));
    EXPECT_TRUE(SameGroup(113, 116));
    EXPECT_FALSE(SameGroup(108, 109));
    EXPECT_FALSE(SameGroup(112, 113));
    EXPECT_FALSE(SameGroup(116, 117));
}

TEST(TileSet, FacesAtTheBordersOfEachSuit) {
    const std::map<int, int> faceOf = {{1, 1},    {4, 1},    {36, 9},   {37, 10},  {72, 18},
                                       {73, 19},  {108, 27}, {109, 28}, {110, 29}, {111, 30},
                                       {112, 31}, {113, 32}, {116, 35}, {117, 36}, {128, 38},
                                       {129, 39}, {144, 42}};
    for (const auto& [id, face] : faceOf)
        EXPECT_EQ(TileFace(id), face) << "tile " << id;
}

TEST(TileSet, EveryFaceIsShownFourTimesExceptFlowersAndSeasons) {
    std::map<int, int> shown;
    for (int id = 1; id <= kTileCount; ++id)
        ++shown[TileFace(id)];
    ASSERT_EQ(shown.size(), static_cast<size_t>(kFaceCount));
    for (const auto& [face, times] : shown)
        EXPECT_EQ(times, face >= 28 && face <= 35 ? 1 : 4) << "face " << face;
}

TEST(TileSet, FaceCellsFillTheTilesetGrid) {
    std::set<std::pair<int, int>> cells;
    for (int face = 1; face <= kFaceCount; ++face) {
        const FaceCellPos c = FaceCell(face);
        EXPECT_TRUE(c.col >= 0 && c.col < 9 && c.row >= 0 && c.row < 5) << "face " << face;
        EXPECT_TRUE(cells.insert({c.col, c.row}).second) << "face " << face << " shares a cell";
    }
    const std::map<int, std::pair<int, int>> expected = {
        {1, {0, 2}},  {9, {8, 2}},  {10, {0, 1}}, {18, {8, 1}}, {19, {0, 0}},
        {27, {8, 0}}, {28, {0, 4}}, {31, {3, 4}}, {32, {0, 3}}, {35, {3, 3}},
        {36, {4, 4}}, {38, {6, 4}}, {39, {4, 3}}, {42, {7, 3}}};
    for (const auto& [face, cell] : expected) {
        EXPECT_EQ(FaceCell(face).col, cell.first) << "face " << face;
        EXPECT_EQ(FaceCell(face).row, cell.second) << "face " << face;
    }
}

TEST(LayoutGridOrder, LayerThenRowThenColumn) {
    EXPECT_EQ(LayoutGrid::Index(1, 1, 1), 0);
    EXPECT_EQ(LayoutGrid::Index(2, 1, 1), 1);
    EXPECT_EQ(LayoutGrid::Index(1, 2, 1), 34);
    EXPECT_EQ(LayoutGrid::Index(1, 1, 2), 680);
    EXPECT_EQ(LayoutGrid::Index(34, 20, 5), 3399);
}

TEST(BoardTables, MarginAroundAFullPlayAreaReadsEmpty) {
    LayoutGrid full;
    for (int i = 0; i < kLayoutCells; ++i)
        full[i] = 1;
    BoardTables board;
    board.CopyLayout(full);
    EXPECT_EQ(board.Cell(1, 1, 1), UndealtMark);
    EXPECT_EQ(board.Cell(34, 20, 5), UndealtMark);
    for (int layer = 0; layer <= 6; ++layer)
        for (int y = -1; y <= 22; ++y)
            for (int x = -1; x <= 36; ++x) {
                if (LayoutGrid::InPlayArea(x, y, layer))
                    continue;
                ASSERT_EQ(board.Cell(x, y, layer), 0) << x << " " << y << " " << layer;
            }
    board.ClearCells();
    EXPECT_TRUE(test::OccupiedCells(board).empty());
}

TEST(BoardTables, PlaceAndLiftKeepBothTablesInStep) {
    BoardTables board;
    board.Place(7, 34, 20, 5);
    EXPECT_EQ(board.Cell(34, 20, 5), 7);
    EXPECT_EQ(board.TilePos[7], (TilePosition{34, 20, 5}));
    board.Lift(7);
    EXPECT_EQ(board.Cell(34, 20, 5), 0);
    EXPECT_FALSE(board.TilePos[7].OnBoard());
    board.Lift(7);  // a tile off the board stays off
    EXPECT_TRUE(test::OccupiedCells(board).empty());
}

TEST(PutLayoutOnBoard, MarksThePositionsAndCountsThemWhateverTheirNumber) {
    test::Table t;
    t.s.board.Place(5, 3, 3, 1);  // left over from an earlier game
    t.s.layout.Clear();
    // Each coordinate alone would give another order: the later row holds the smaller
    // column, and the upper layer the first cell.
    t.s.layout.Set(1, 1, 2, 1);
    t.s.layout.Set(34, 20, 1, 1);
    t.s.layout.Set(5, 3, 1, 1);
    t.s.layout.Set(2, 3, 1, 1);
    t.s.layout.Set(7, 1, 1, 1);
    PutLayoutOnBoard(t.s);
    EXPECT_EQ(t.s.TilesLeft, 5);
    EXPECT_EQ(t.s.TotalTiles, 144);
    EXPECT_FALSE(t.s.board.TilePos[5].OnBoard());
    EXPECT_EQ(t.s.board.Cell(3, 3, 1), 0);
    const auto cells = test::OccupiedCells(t.s.board);
    // Positions are listed layer by layer, then by row, then by column.
    EXPECT_EQ(cells,
              (std::vector<TilePosition>{{7, 1, 1}, {2, 3, 1}, {5, 3, 1}, {34, 20, 1}, {1, 1, 2}}));
    for (const auto& p : cells)
        EXPECT_EQ(t.s.board.Cell(p.x, p.y, p.layer), UndealtMark);
}

}  // namespace
}  // namespace quorin
