// The layout editor's rules: building a layout of 144 positions on the board with the
// mouse or the keys, shifting it as a whole, and checking it before it is saved. The window
// only routes presses here and redraws; nothing in this file knows about Qt.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "board/GameState.h"

namespace quorin {

inline constexpr std::string_view kUnfinishedLayoutMessage =
    "You haven't finished building the layout yet !";

// Enters the editor. A new layout starts empty; an edited one keeps the positions of the
// current layout, each shown with a placement id, so the board drawing can show them.
void StartEditor(GameState& state, bool keepLayout);

// The cell where a left press at a point relative to the board origin adds a position, or
// (0, 0, 0); the ghost tile shows this same cell. The layer is the one above the tile under
// the point (the first over an empty spot), so a press beside a tile puts the next one
// beside it and a press on a tile stacks on it. Only a cell that can take a tile is offered.
TilePosition EditorTarget(const BoardTables& board, int px, int py);

// A left press. Adds a position at `EditorTarget`. Returns whether it did.
bool EditorAdd(GameState& state, int px, int py);

// A right press. Takes away the position under the point unless another rests on it.
bool EditorRemove(GameState& state, int px, int py);

// Where the keys aim: a cell of the board grid, as a pointer over it. Columns 1..35 and rows
// 1..21, as many as the window takes presses on; on the ground layer cell (c, r) is the
// layout's cell (c, r), the upper-left quarter of a tile placed there. The extra column
// reaches the upper layers, drawn further right; nothing can go in the extra row.
struct EditorAim {
    int column = 0, row = 0;
    bool operator==(const EditorAim&) const = default;
};
inline constexpr int kAimColumns = 35, kAimRows = 21;
// The middle of the board, where the aim starts when the editor opens.
inline constexpr EditorAim kStartAim{18, 11};

// One step of the aim (dx, dy each -1, 0 or 1); it stops at the edges of the grid.
EditorAim StepAim(EditorAim aim, int dx, int dy);

// A point relative to the board origin.
struct BoardPoint {
    int x = 0, y = 0;
};

// Where a press from the keys acts, relative to the board origin: a point of the aimed cell
// that aims at that very cell on the ground layer and on the layer above it, and that the
// window's bounds for presses let through.
BoardPoint AimPoint(EditorAim aim);

// The upper-left corner of the aimed cell as drawn on the ground layer, relative to the board
// origin; the cell is 20 x 25 pixels.
BoardPoint AimCorner(EditorAim aim);

// The aim under a pointer at a point relative to the board origin, kept inside the grid.
EditorAim AimAt(int px, int py);

// What a screen reader says of the aim: the cell, the position under it, where the next one
// goes, and how many are left to place.
std::string DescribeAim(const GameState& state, EditorAim aim);

// Shifts the whole layout by one cell (dx, dy each -1, 0 or 1), only when the edge it moves
// toward is empty on every layer. Returns whether it moved.
bool MoveLayout(GameState& state, int dx, int dy);

// Recounts the positions still to place, as the save commands do before anything else.
int RecountTilesLeft(GameState& state);

// The file a typed layout file name stands for: ".lay" is appended when it is missing.
// Gives an empty string and sets `error` when the name cannot be a file name (empty, only
// dots, a folder separator or a control character in the part after the last folder).
std::string LayoutFileFor(std::string_view chosen, std::string* error);

// The layout's name in menus and the hall of fame: the file name without folder and
// extension.
std::string LayoutNameOfFile(std::string_view path);

// Registers a saved layout by name. Returns its 1-based index and whether it is new; the
// caller then adds the menu entry and the hall-of-fame column only for a new one.
struct Registration {
    int index = 0;
    bool added = false;
};
Registration RegisterLayout(std::vector<std::string>& names, std::string_view name);

}  // namespace quorin
