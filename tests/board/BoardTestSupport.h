// Test doubles and small helpers shared by the board tests: a view that records what the
// rules asked for, a clock advanced by hand, and a table to lay tiles on by hand.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "board/BoardView.h"
#include "board/Clock.h"
#include "board/GameState.h"
#include "games/Game.h"
#include "support/FakeClock.h"

namespace quorin {
// Readable positions in failure messages.
inline void PrintTo(const TilePosition& p, std::ostream* os) {
    *os << "(" << p.x << ", " << p.y << ", " << p.layer << ")";
}
}  // namespace quorin

namespace quorin::test {

// Redraws, sounds and status texts in the order the rules asked for them, as short words:
// "tile 12", "board", "panel", "panel restored", "repaint", "select", "noway", "done",
// "status: Game restarted.".
class RecordingView : public BoardView {
  public:
    void RedrawTile(int tile) override;
    void FullRedraw() override { events.emplace_back("board"); }
    void RepaintSidePanel() override { events.emplace_back("panel"); }
    void RestoreSidePanel() override { events.emplace_back("panel restored"); }
    void PlaySound(Sound sound) override;
    void ShowStatus(std::string_view message) override;
    void RepaintNow() override { events.emplace_back("repaint"); }

    // The events so far; the record starts again empty.
    std::vector<std::string> Take();

    std::vector<std::string> events;
    // Called on every single-tile redraw, to look at the state the drawing would see.
    std::function<void(int)> onRedrawTile;
};

// Window pixel in the middle of the visible face of a tile at (x, y, layer): away from the
// 6-pixel strips its neighbours share with it.
struct Pixel {
    int X;
    int Y;
};
Pixel TileCentre(int x, int y, int layer);

// The layout file of that name in data/Layouts of the source tree.
LayoutGrid ShippedLayout(const std::string& fileName);

// A game on a table: tiles are laid by hand or dealt from a layout.
struct Table {
    Table() = default;
    Table(const Table&) = delete;
    Table& operator=(const Table&) = delete;

    // No tile on the board, nothing removed yet, the game in `mode`.
    void Clear(uint8_t mode = ModeSolitaire);
    // The window enters `mode`: a game of that kind starts, or none is being played.
    void Play(uint8_t mode) {
        s.GameMode = mode;
        game.Choose(mode);
    }
    // Lays tile `tile` at (x, y, layer) and counts it as on the board.
    void Put(int tile, int x, int y, int layer);
    // Puts the layout on the board and deals it as a specific game of that seed.
    void Deal(const LayoutGrid& layout, bool winnable, int seed, uint8_t mode = ModeSolitaire);

    // Left press in the middle of the tile laid at (x, y, layer).
    void PressAt(int x, int y, int layer, MouseButton button = MouseButton::Left);
    // Left press on some pixel where `tile` is the one hit; fails the test if there is none.
    void Press(int tile);
    // Removes the pair with two presses.
    void RemovePair(int a, int b);

    RecordingView view;
    FakeClock clock;
    Game game{view, clock, clock};
    GameState& s = game.State();
};

// Removes the positions of `order` two by two, checking that each pair is a matching pair of
// free tiles under the horizontal rule; the board must end empty.
::testing::AssertionResult ClearsInOrder(GameState& state, const std::vector<TilePosition>& order);

// Whether the tiles on the board can all be removed under the horizontal rule (depth-first
// search over the sets of tiles left, each set looked at once).
bool Solvable(const GameState& state);

// Each id on the board with its cell, checking that the two tables agree.
::testing::AssertionResult TablesAgree(const BoardTables& board);

// The occupied cells of the play area, in enumeration order.
std::vector<TilePosition> OccupiedCells(const BoardTables& board);

}  // namespace quorin::test
