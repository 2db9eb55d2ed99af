#include "BoardTestSupport.h"

#include <array>
#include <bitset>
#include <unordered_set>

#include "board/FreeRule.h"
#include "board/Placement.h"
#include "layouts/LayoutFile.h"

namespace quorin::test {

void RecordingView::RedrawTile(int tile) {
    events.push_back("tile " + std::to_string(tile));
    if (onRedrawTile)
        onRedrawTile(tile);
}

void RecordingView::PlaySound(Sound sound) {
    switch (sound) {
        case Sound::Select:
            events.emplace_back("select");
            break;
        case Sound::NoWay:
            events.emplace_back("noway");
            break;
        case Sound::Done:
            events.emplace_back("done");
            break;
    }
}

void RecordingView::ShowStatus(std::string_view message) {
    events.push_back("status: " + std::string(message));
}

std::vector<std::string> RecordingView::Take() {
    std::vector<std::string> taken;
    taken.swap(events);
    return taken;
}

Pixel TileCentre(int x, int y, int layer) {
    // The picture of a tile spans 46 x 56 pixels from (20x + 6L - 52, 25y - 6L - 59) on the
    // board, whose origin is at (36, 25) in the window.
    return {36 + 20 * x + 6 * layer - 52 + 23, 25 + 25 * y - 6 * layer - 59 + 28};
}

LayoutGrid ShippedLayout(const std::string& fileName) {
    const LayoutLoad load =
        ReadLayoutFile(std::string(QUORIN_SOURCE_DIR) + "/data/Layouts/" + fileName);
    EXPECT_TRUE(load.ok) << load.Message();
    return load.grid;
}

void Table::Clear(uint8_t mode) {
    s.board.ClearCells();
    s.board.ClearPositions(kTileCount);
    s.TotalTiles = kTileCount;
    s.TilesLeft = 0;
    s.GameMode = mode;
    game.Choose(mode);
}

void Table::Put(int tile, int x, int y, int layer) {
    s.board.Place(tile, x, y, layer);
    ++s.TilesLeft;
}

void Table::Deal(const LayoutGrid& layout, bool winnable, int seed, uint8_t mode) {
    s.layout = layout;
    s.GameMode = mode;
    game.Choose(mode);
    s.options.Winnable = winnable;
    s.options.RandomSeed1 = true;
    s.SeedNumber = seed;
    ASSERT_EQ(game.DealLayout(), DealResult::Dealt);
    game.ResetForNewGame();
}

void Table::PressAt(int x, int y, int layer, MouseButton button) {
    const Pixel p = TileCentre(x, y, layer);
    game.ButtonDown(button, p.X, p.Y);
}

void Table::Press(int tile) {
    const TilePosition pos = s.board.TilePos[tile];
    ASSERT_TRUE(pos.OnBoard()) << "tile " << tile << " is not on the board";
    const int left = 20 * pos.x + 6 * pos.layer - 52;
    const int top = 25 * pos.y - 6 * pos.layer - 59;
    for (int py = top; py < top + 56; ++py)
        for (int px = left; px < left + 46; ++px)
            if (WhatTileThere(s.board, px, py) == tile && px >= 0 && py >= 0) {
                game.ButtonDown(MouseButton::Left, px + s.BoardOriginX, py + s.BoardOriginY);
                return;
            }
    FAIL() << "no pixel shows tile " << tile;
}

void Table::RemovePair(int a, int b) {
    Press(a);
    Press(b);
}

::testing::AssertionResult ClearsInOrder(GameState& state, const std::vector<TilePosition>& order) {
    if (order.size() % 2 != 0)
        return ::testing::AssertionFailure() << "odd removal order";
    for (size_t k = 0; k < order.size(); k += 2) {
        const TilePosition pa = order[k], pb = order[k + 1];
        const int a = state.board.Cell(pa.x, pa.y, pa.layer);
        const int b = state.board.Cell(pb.x, pb.y, pb.layer);
        if (a < 1 || a > kTileCount || b < 1 || b > kTileCount || a == b)
            return ::testing::AssertionFailure() << "pair " << k / 2 + 1 << " is not two tiles";
        if (!SameGroup(a, b))
            return ::testing::AssertionFailure()
                   << "pair " << k / 2 + 1 << ": tiles " << a << " and " << b << " do not match";
        if (!Dispo(state, a) || !Dispo(state, b))
            return ::testing::AssertionFailure() << "pair " << k / 2 + 1 << ": tiles " << a
                                                 << " and " << b << " are not both free";
        state.board.Lift(a);
        state.board.Lift(b);
    }
    if (!OccupiedCells(state.board).empty())
        return ::testing::AssertionFailure() << "tiles are left on the board";
    return ::testing::AssertionSuccess();
}

namespace {

using TileSet = std::bitset<kTileCount + 1>;

struct TileSetHash {
    size_t operator()(const TileSet& set) const { return std::hash<TileSet>()(set); }
};

class Solver {
  public:
    explicit Solver(const GameState& state) : s_(state) {
        s_.GameMode = ModeSolitaire;
        s_.options.Vertical = false;
    }

    bool Run() {
        TileSet on;
        for (int t = 1; t <= kTileCount; ++t)
            on[t] = s_.board.TilePos[t].OnBoard();
        return Search(on);
    }

  private:
    bool Search(const TileSet& on) {
        if (on.none())
            return true;
        if (!seen_.insert(on).second)
            return false;
        std::vector<int> free;
        for (int t = 1; t <= kTileCount; ++t)
            if (on[t] && Dispo(s_, t))
                free.push_back(t);
        for (size_t i = 0; i < free.size(); ++i)
            for (size_t j = i + 1; j < free.size() && SameGroup(free[i], free[j]); ++j) {
                const int a = free[i], b = free[j];
                const TilePosition pa = s_.board.TilePos[a], pb = s_.board.TilePos[b];
                s_.board.Lift(a);
                s_.board.Lift(b);
                TileSet next = on;
                next[a] = next[b] = false;
                const bool solved = Search(next);
                s_.board.Place(a, pa.x, pa.y, pa.layer);
                s_.board.Place(b, pb.x, pb.y, pb.layer);
                if (solved)
                    return true;
            }
        return false;
    }

    GameState s_;
    std::unordered_set<TileSet, TileSetHash> seen_;
};

}  // namespace

bool Solvable(const GameState& state) {
    return Solver(state).Run();
}

::testing::AssertionResult TablesAgree(const BoardTables& board) {
    for (int t = 1; t <= kTileCount; ++t) {
        const TilePosition p = board.TilePos[t];
        if (p.OnBoard() && board.Cell(p.x, p.y, p.layer) != t)
            return ::testing::AssertionFailure() << "tile " << t << " is not in its cell";
    }
    for (const TilePosition& p : OccupiedCells(board)) {
        const int c = board.Cell(p.x, p.y, p.layer);
        if (c > kTileCount || !(board.TilePos[c] == p))
            return ::testing::AssertionFailure()
                   << "cell (" << p.x << ", " << p.y << ", " << p.layer << ") holds " << c
                   << ", which is not placed there";
    }
    return ::testing::AssertionSuccess();
}

std::vector<TilePosition> OccupiedCells(const BoardTables& board) {
    return EnumeratePositions(
        [&](int x, int y, int layer) { return board.Cell(x, y, layer) != 0; });
}

}  // namespace quorin::test
