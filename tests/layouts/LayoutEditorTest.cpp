// The layout editor's rules, driven by presses at board pixels as the window sends them.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "board/Placement.h"
#include "layouts/LayoutEditor.h"
#include "layouts/LayoutFile.h"

namespace quorin {
namespace {

// A point that the editor maps to exactly this cell, and that lies on a tile placed there:
// right of the target of the column before and above the target of the row after.
int Px(int x, int layer) {
    return 20 * x + 6 * layer - 40;
}
int Py(int y, int layer) {
    return 25 * y - 6 * layer - 50;
}

// A press meant for this cell; true only when it added a position exactly there.
bool Add(GameState& s, int x, int y, int layer) {
    const bool added = EditorAdd(s, Px(x, layer), Py(y, layer));
    return added && s.EditX == x && s.EditY == y && s.EditLayer == layer;
}

// A press on a visible part of the tile at this cell, wherever one is left.
bool Remove(GameState& s, int x, int y, int layer) {
    const int tile = s.board.Cell(x, y, layer);
    if (tile == 0)
        return EditorRemove(s, Px(x, layer), Py(y, layer));
    const int left = 20 * x + 6 * layer - 52, top = 25 * y - 6 * layer - 59;
    for (int py = top; py < top + 56; ++py)
        for (int px = left; px < left + 46; ++px)
            if (WhatTileThere(s.board, px, py) == tile)
                return EditorRemove(s, px, py);
    ADD_FAILURE() << "no part of the tile at " << x << ", " << y << ", " << layer << " shows";
    return false;
}

// Board and TilePos must always tell the same story as the layout grid.
void ExpectConsistent(const GameState& s) {
    int placed = 0;
    for (int t = 1; t <= kTileCount; ++t) {
        const TilePosition p = s.board.TilePos[t];
        if (!p.OnBoard())
            continue;
        ++placed;
        EXPECT_EQ(s.board.Cell(p.x, p.y, p.layer), t);
        EXPECT_EQ(s.layout.At(p.x, p.y, p.layer), 1) << "tile " << t;
    }
    EXPECT_EQ(placed, s.layout.PositionCount());
    EXPECT_EQ(s.EditorTilesLeft, kTileCount - placed);
}

// 144 positions on the first layer, two cells apart, by clicks.
void FillFirstLayer(GameState& s) {
    int added = 0;
    // From the far corner, so that no press lands near a tile placed before it.
    for (int y = kRows - 1; y >= 1 && added < kTileCount; y -= 2)
        for (int x = kColumns - 1; x >= 1 && added < kTileCount; x -= 2)
            added += Add(s, x, y, 1);
    ASSERT_EQ(added, kTileCount);
}

TEST(LayoutEditor, AddsWhereTheNeighbourhoodIsFreeAndSomethingLiesBelow) {
    GameState s;
    StartEditor(s, false);
    EXPECT_EQ(s.GameMode, ModeEditor);
    EXPECT_EQ(s.EditorTilesLeft, 144);

    EXPECT_TRUE(Add(s, 1, 1, 1));    // the corner of the play area
    EXPECT_TRUE(Add(s, 34, 20, 1));  // and the opposite one
    EXPECT_TRUE(Add(s, 20, 10, 1));
    EXPECT_TRUE(Add(s, 21, 10, 2));  // rests on the tile below, half a tile aside
    EXPECT_EQ(s.EditorTilesLeft, 140);

    // Nothing below: a press aimed at the second layer finds the first-layer cell there.
    EXPECT_TRUE(EditorAdd(s, Px(10, 2), Py(15, 2)));
    EXPECT_EQ(s.EditLayer, 1);
    // The top layer offers no higher cell, so a press beside a top tile meets it.
    for (int layer = 1; layer <= kLayers; ++layer)
        ASSERT_TRUE(Add(s, 28, 5, layer)) << layer;
    EXPECT_FALSE(EditorAdd(s, Px(29, 5), Py(5, 5)));
    EXPECT_EQ(s.EditorTilesLeft, 134);
    ExpectConsistent(s);

    // A freed id is the next one given out.
    const int cornerId = s.board.Cell(34, 20, 1);
    EXPECT_TRUE(Remove(s, 34, 20, 1));
    EXPECT_TRUE(Add(s, 3, 18, 1));
    EXPECT_EQ(s.board.Cell(3, 18, 1), cornerId);
    ExpectConsistent(s);
}

TEST(LayoutEditor, OnAnEmptyBoardTheUpperLeft30By35PixelsOfACellAimAtIt) {
    BoardTables board;
    auto left = [](int x) { return 20 * x + 6 - 52; };
    auto top = [](int y) { return 25 * y - 6 - 59; };
    for (const auto& [x, y] : {std::pair{10, 10}, {1, 1}, {34, 20}})
        EXPECT_EQ(EditorTarget(board, left(x) + 15, top(y) + 15), (TilePosition{x, y, 1}));
    const int midY = top(10) + 15;
    EXPECT_EQ(EditorTarget(board, left(1), midY), (TilePosition{1, 10, 1}));
    EXPECT_EQ(EditorTarget(board, left(1) - 1, midY), TilePosition{});
    EXPECT_EQ(EditorTarget(board, left(34) + 29, midY), (TilePosition{34, 10, 1}));
    EXPECT_EQ(EditorTarget(board, left(34) + 30, midY), TilePosition{});
    const int midX = left(10) + 15;
    EXPECT_EQ(EditorTarget(board, midX, top(1)), (TilePosition{10, 1, 1}));
    EXPECT_EQ(EditorTarget(board, midX, top(1) - 1), TilePosition{});
    EXPECT_EQ(EditorTarget(board, midX, top(20) + 34), (TilePosition{10, 20, 1}));
    EXPECT_EQ(EditorTarget(board, midX, top(20) + 35), TilePosition{});
    // Neighbouring targets overlap: the smaller column and the larger row win.
    EXPECT_EQ(EditorTarget(board, left(11) + 5, top(11) + 5), (TilePosition{10, 11, 1}));
}

TEST(LayoutEditor, AnUpperTileRestsOnAnyOfTheNineCellsBelow) {
    for (const auto& [dx, dy] : {std::pair{0, 0}, {1, 1}, {-1, -1}, {1, -1}, {-1, 0}}) {
        BoardTables b;
        b.SetCell(10 + dx, 10 + dy, 1, 1);
        EXPECT_TRUE(RestsOnSomething(b, 10, 10, 2)) << dx << " " << dy;
        EXPECT_FALSE(RestsOnSomething(b, 10, 10, 3)) << dx << " " << dy;
    }
    BoardTables aside;
    aside.SetCell(12, 10, 1, 1);  // two cells away: the new tile would not rest on it
    EXPECT_FALSE(RestsOnSomething(aside, 10, 10, 2));
    EXPECT_TRUE(RestsOnSomething(aside, 10, 10, 1));
}

TEST(LayoutEditor, PressesBesideATileStayOnItsLayerAndPressesOnItStack) {
    GameState s;
    StartEditor(s, false);
    // A row from left to right, each press just past the right edge of the tile before it,
    // where the upper layer's aim used to reach out and stack the new tile half aside.
    ASSERT_TRUE(Add(s, 2, 8, 1));
    for (int x = 4; x <= 30; x += 2) {
        const int rightEdge = 20 * (x - 2) + 6 - 52 + 46;
        for (int py : {Py(8, 1), Py(8, 1) - 8})
            ASSERT_EQ(EditorTarget(s.board, rightEdge + 1, py), (TilePosition{x, 8, 1}))
                << x << ", " << py;
        ASSERT_TRUE(EditorAdd(s, rightEdge + 1, Py(8, 1)));
    }
    for (int x = 2; x <= 30; x += 2)
        EXPECT_NE(s.board.Cell(x, 8, 1), 0) << x;
    EXPECT_EQ(s.EditorTilesLeft, 144 - 15);

    // A press on a tile stacks on it: straight above from its upper-left area, half aside
    // (resting on two tiles) from where they meet.
    EXPECT_TRUE(Add(s, 4, 8, 2));
    EXPECT_TRUE(Add(s, 9, 8, 2));
    EXPECT_EQ(EditorTarget(s.board, Px(9, 2) + 5, Py(8, 2)), (TilePosition{9, 8, 3}));
    // Just past a layer-2 tile, over the first layer: beside it on layer 2, not on top.
    const int upperRightEdge = 20 * 9 + 12 - 52 + 46;
    EXPECT_EQ(EditorTarget(s.board, upperRightEdge + 1, Py(8, 2)), (TilePosition{11, 8, 2}));
    ExpectConsistent(s);
}

TEST(LayoutEditor, TheKeysAimAtEveryCellOfTheTwoLowestLayers) {
    // Every aim's point gets through the window's bounds for presses, and the pointer there
    // has that aim.
    for (int column = 1; column <= kAimColumns; ++column)
        for (int row = 1; row <= kAimRows; ++row) {
            const BoardPoint p = AimPoint({column, row});
            ASSERT_LE(static_cast<unsigned>(p.x / 20), 34u) << column;
            ASSERT_LE(static_cast<unsigned>(p.y / 25), 20u) << row;
            ASSERT_EQ(AimAt(p.x, p.y), (EditorAim{column, row}));
        }
    // The aim of a cell adds there on the ground layer, and then right on top.
    for (int x = 1; x <= kColumns; ++x)
        for (int y = 1; y <= kRows; ++y) {
            GameState s;
            StartEditor(s, false);
            const BoardPoint p = AimPoint({x, y});
            for (int layer = 1; layer <= 2; ++layer) {
                ASSERT_TRUE(EditorAdd(s, p.x, p.y));
                ASSERT_EQ((TilePosition{s.EditX, s.EditY, s.EditLayer}),
                          (TilePosition{x, y, layer}));
            }
        }
    // Steps and the pointer stop at the edges of the grid.
    EXPECT_EQ(StepAim(kStartAim, 1, -1), (EditorAim{19, 10}));
    EXPECT_EQ(StepAim({1, 1}, -1, -1), (EditorAim{1, 1}));
    EXPECT_EQ(StepAim({kAimColumns, kAimRows}, 1, 1), (EditorAim{kAimColumns, kAimRows}));
    EXPECT_EQ(AimAt(-19, -24), (EditorAim{1, 1}));
    EXPECT_EQ(AimAt(699, 524), (EditorAim{kAimColumns, kAimRows}));
}

TEST(LayoutEditor, TheAimIsToldWithWhatLiesThereAndWhereTheNextOneGoes) {
    GameState s;
    StartEditor(s, false);
    EXPECT_EQ(DescribeAim(s, kStartAim),
              "Column 18, row 11: empty; the next one goes here on layer 1. 144 positions left "
              "to place.");
    ASSERT_TRUE(Add(s, 18, 11, 1));
    EXPECT_EQ(DescribeAim(s, {19, 12}),
              "Column 19, row 12: part of the position of column 18, row 11 on layer 1; the next "
              "one goes here on layer 2. 143 positions left to place.");
    ASSERT_TRUE(Add(s, 19, 12, 2));
    EXPECT_EQ(DescribeAim(s, {18, 11}),
              "Column 18, row 11: a position on layer 1, under another; no position can go "
              "here. 142 positions left to place.");
    EXPECT_EQ(DescribeAim(s, {19, 12}),
              "Column 19, row 12: a position on layer 2; the next one goes to column 18, row 13 "
              "on layer 3. 142 positions left to place.");
    // A full layout promises no next one.
    GameState full;
    StartEditor(full, false);
    FillFirstLayer(full);
    EXPECT_EQ(DescribeAim(full, {33, 19}),
              "Column 33, row 19: a position on layer 1. 0 positions left to place.");
}

TEST(LayoutEditor, CountsStopAdditionsAtFullAndRemovalsAtEmpty) {
    GameState s;
    StartEditor(s, false);
    EXPECT_FALSE(EditorRemove(s, Px(1, 1), Py(1, 1)));
    FillFirstLayer(s);
    EXPECT_EQ(s.EditorTilesLeft, 0);
    EXPECT_FALSE(Add(s, 34, 20, 1)) << "a 145th position";
    EXPECT_EQ(RecountTilesLeft(s), 0);
    ExpectConsistent(s);
}

TEST(LayoutEditor, RemovesOnlyWhatNothingRestsOn) {
    GameState s;
    StartEditor(s, false);
    ASSERT_TRUE(Add(s, 10, 10, 1));
    ASSERT_TRUE(Add(s, 11, 11, 2));  // covers a corner of the tile below
    EXPECT_FALSE(Remove(s, 10, 10, 1));
    EXPECT_TRUE(Remove(s, 11, 11, 2));
    EXPECT_TRUE(Remove(s, 10, 10, 1));

    // A tower up to the top layer: only its top can go, the top always can.
    for (int layer = 1; layer <= kLayers; ++layer)
        ASSERT_TRUE(Add(s, 5, 5, layer)) << layer;
    for (int layer = 1; layer < kLayers; ++layer)
        EXPECT_FALSE(Remove(s, 5, 5, layer)) << layer;
    for (int layer = kLayers; layer >= 1; --layer)
        EXPECT_TRUE(Remove(s, 5, 5, layer)) << layer;
    EXPECT_EQ(s.EditorTilesLeft, 144);
    ExpectConsistent(s);
}

TEST(LayoutEditor, MovesOnlyWhenTheEdgeIsEmpty) {
    GameState s;
    StartEditor(s, false);
    ASSERT_TRUE(Add(s, 1, 5, 1));
    ASSERT_TRUE(Add(s, 2, 6, 2));
    ASSERT_TRUE(Add(s, 20, 20, 1));
    const LayoutGrid before = s.layout;

    EXPECT_FALSE(MoveLayout(s, -1, 0));  // column 1 taken
    EXPECT_FALSE(MoveLayout(s, 0, 1));   // row 20 taken
    EXPECT_EQ(s.layout, before);

    EXPECT_TRUE(MoveLayout(s, 1, 0));
    EXPECT_TRUE(MoveLayout(s, 0, -1));
    EXPECT_EQ(s.layout.At(2, 4, 1), 1);
    EXPECT_EQ(s.layout.At(3, 5, 2), 1);
    EXPECT_EQ(s.layout.At(21, 19, 1), 1);
    EXPECT_EQ(s.layout.At(1, 5, 1), 0) << "the vacated edge is emptied";
    EXPECT_EQ(s.board.Cell(1, 5, 1), 0);
    ExpectConsistent(s);

    // Presses follow the tiles to where they went.
    EXPECT_FALSE(Remove(s, 2, 4, 1));
    EXPECT_TRUE(Remove(s, 3, 5, 2));

    EXPECT_TRUE(MoveLayout(s, -1, 0));
    EXPECT_TRUE(MoveLayout(s, 0, 1));
    EXPECT_FALSE(MoveLayout(s, 0, 0));
    EXPECT_EQ(s.layout.At(1, 5, 1), 1);
    EXPECT_EQ(s.layout.At(20, 20, 1), 1);
    ExpectConsistent(s);

    // Packed against the right edge, a full row of tiles cannot go further right.
    GameState full;
    StartEditor(full, false);
    FillFirstLayer(full);
    ASSERT_TRUE(MoveLayout(full, 1, 0));
    EXPECT_FALSE(MoveLayout(full, 1, 0));
    EXPECT_EQ(full.layout.PositionCount(), kTileCount);
    ExpectConsistent(full);
}

TEST(LayoutEditor, EditingKeepsTheLayoutAndSavedFilesReadBackIdentical) {
    GameState s;
    StartEditor(s, false);
    ASSERT_TRUE(Add(s, 3, 3, 1));
    EXPECT_EQ(RecountTilesLeft(s), 143);  // "Save" must refuse this

    GameState built;
    StartEditor(built, false);
    FillFirstLayer(built);
    ASSERT_TRUE(Remove(built, 33, 19, 1));
    ASSERT_TRUE(Add(built, 1, 1, 1));
    ASSERT_EQ(RecountTilesLeft(built), 0);
    EXPECT_EQ(LayoutFault(built.layout), "");

    const std::string path =
        (std::filesystem::temp_directory_path() / "quorin-editor-roundtrip.lay").string();
    ASSERT_EQ(WriteLayFile(path, "Checker Board", built.layout), "");
    const LayoutLoad load = ReadLayoutFile(path);
    std::filesystem::remove(path);
    ASSERT_TRUE(load.ok) << load.Message();
    EXPECT_EQ(load.name, "Checker Board");
    EXPECT_EQ(load.grid, built.layout);

    // "Edit Layout" shows every position of the current layout.
    GameState edit;
    edit.layout = load.grid;
    StartEditor(edit, true);
    EXPECT_EQ(edit.layout, built.layout);
    EXPECT_EQ(edit.EditorTilesLeft, 0);
    ExpectConsistent(edit);
}

TEST(LayoutEditor, FileNamesAndRegistration) {
    std::string error;
    EXPECT_EQ(LayoutFileFor("dir/Star", &error), "dir/Star.lay");
    EXPECT_EQ(LayoutFileFor("dir/Star.lay", &error), "dir/Star.lay");
    // Only a real extension counts, not ".lay" inside the name.
    EXPECT_EQ(LayoutFileFor("dir/my.layout", &error), "dir/my.layout.lay");
    EXPECT_EQ(error, "");
    for (const char* bad : {"", "dir/", "dir/..", "dir/a\tb", "dir/a\\b"}) {
        error.clear();
        EXPECT_EQ(LayoutFileFor(bad, &error), "") << bad;
        EXPECT_NE(error, "") << bad;
    }

    EXPECT_EQ(LayoutNameOfFile("x/Layouts/Big Star.lay"), "Big Star");
    std::vector<std::string> names{"Bridge", "Traditional"};
    const Registration first = RegisterLayout(names, "Big Star");
    EXPECT_TRUE(first.added);
    EXPECT_EQ(first.index, 3);
    const Registration again = RegisterLayout(names, "Big Star");
    EXPECT_FALSE(again.added);
    EXPECT_EQ(again.index, 3);
    EXPECT_FALSE(RegisterLayout(names, "Traditional").added);
    EXPECT_TRUE(RegisterLayout(names, "traditional").added) << "names compare exactly";
    EXPECT_EQ(names.size(), 4U);
}

}  // namespace
}  // namespace quorin
