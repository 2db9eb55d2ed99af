#include "layouts/LayoutEditor.h"

#include <algorithm>

#include "board/Placement.h"

namespace quorin {

namespace {

// Whether the 3 x 3 cells around (x, y) on a layer are all empty. The board's margin keeps
// the lookups beside the play area in bounds.
bool NeighbourhoodEmpty(const BoardTables& board, int x, int y, int layer) {
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy)
            if (board.Cell(x + dx, y + dy, layer) != 0)
                return false;
    return true;
}

// Whether another position rests on this one, which then cannot be taken away.
bool HeldDown(const BoardTables& board, const TilePosition& p) {
    return p.layer < kLayers && !NeighbourhoodEmpty(board, p.x, p.y, p.layer + 1);
}

int LowestFreeId(const BoardTables& board) {
    for (int t = 1; t <= kTileCount; ++t)
        if (!board.TilePos[t].OnBoard())
            return t;
    return 0;
}

bool EdgeEmpty(const LayoutGrid& grid, int dx, int dy) {
    for (int layer = 1; layer <= kLayers; ++layer) {
        if (dx != 0) {
            const int x = dx < 0 ? 1 : kColumns;
            for (int y = 1; y <= kRows; ++y)
                if (grid.At(x, y, layer) != 0)
                    return false;
        }
        if (dy != 0) {
            const int y = dy < 0 ? 1 : kRows;
            for (int x = 1; x <= kColumns; ++x)
                if (grid.At(x, y, layer) != 0)
                    return false;
        }
    }
    return true;
}

}  // namespace

TilePosition EditorTarget(const BoardTables& board, int px, int py) {
    // Aiming by the target rectangles of every layer at once would let the layer above a
    // tile win over the empty cell beside it, stacking a row placed from left to right.
    const int under = WhatTileThere(board, px, py);
    const int layer = under > 0 && under <= kTileCount ? board.TilePos[under].layer + 1 : 1;
    if (layer > kLayers)
        return {};
    // The upper-left 30 x 35 pixels of a cell's tile aim at it; where two overlap, the
    // smaller column and then the larger row win, as for the tile under a point.
    TilePosition result;
    for (int x = kColumns; x >= 1; --x) {
        const int left = 20 * x + 6 * layer - 52;
        if (px < left || px >= left + 30)
            continue;
        for (int y = 1; y <= kRows; ++y) {
            const int top = 25 * y - 6 * layer - 59;
            if (py < top || py >= top + 35)
                continue;
            if (RestsOnSomething(board, x, y, layer) && NeighbourhoodEmpty(board, x, y, layer))
                result = {x, y, layer};
        }
    }
    return result;
}

void StartEditor(GameState& state, bool keepLayout) {
    state.GameMode = ModeEditor;
    if (!keepLayout)
        state.layout.Clear();
    state.board.ClearCells();
    state.board.ClearPositions(kTileCount);
    // More than 144 cells cannot come from a checked file; the extra ones stay in the grid
    // but get no id, and the count below keeps "Save" refusing them.
    int id = 0;
    for (const TilePosition& p : EnumeratePositions(
             [&](int x, int y, int layer) { return state.layout.At(x, y, layer) == 1; })) {
        if (++id > kTileCount)
            break;
        state.board.Place(id, p.x, p.y, p.layer);
    }
    state.TotalTiles = kTileCount;
    state.TilesLeft = std::min(id, kTileCount);
    state.EditorTilesLeft = kTileCount - state.layout.PositionCount();
    state.EditX = state.EditY = state.EditLayer = 0;
}

bool EditorAdd(GameState& state, int px, int py) {
    if (state.EditorTilesLeft <= 0)
        return false;
    const TilePosition cell = EditorTarget(state.board, px, py);
    state.EditX = cell.x;
    state.EditY = cell.y;
    state.EditLayer = cell.layer;
    if (cell.layer <= 0)
        return false;
    const int id = LowestFreeId(state.board);
    if (id == 0)
        return false;
    state.board.Place(id, cell.x, cell.y, cell.layer);
    state.layout.Set(cell.x, cell.y, cell.layer, 1);
    --state.EditorTilesLeft;
    return true;
}

bool EditorRemove(GameState& state, int px, int py) {
    if (state.EditorTilesLeft >= kTileCount)
        return false;
    const int tile = WhatTileThere(state.board, px, py);
    if (tile <= 0 || tile > kTileCount)
        return false;
    const TilePosition p = state.board.TilePos[tile];
    if (HeldDown(state.board, p))
        return false;
    state.layout.Set(p.x, p.y, p.layer, 0);
    state.board.Lift(tile);
    ++state.EditorTilesLeft;
    return true;
}

bool MoveLayout(GameState& state, int dx, int dy) {
    if ((dx == 0 && dy == 0) || !EdgeEmpty(state.layout, dx, dy))
        return false;
    LayoutGrid moved;
    for (int layer = 1; layer <= kLayers; ++layer)
        for (int y = 1; y <= kRows; ++y)
            for (int x = 1; x <= kColumns; ++x)
                if (state.layout.At(x, y, layer) != 0 &&
                    LayoutGrid::InPlayArea(x + dx, y + dy, layer))
                    moved.Set(x + dx, y + dy, layer, state.layout.At(x, y, layer));
    state.layout = moved;
    // Lift every tile first so that none overwrites a neighbour that has not moved yet.
    std::vector<std::pair<int, TilePosition>> placed;
    for (int t = 1; t <= kTileCount; ++t)
        if (state.board.TilePos[t].OnBoard())
            placed.emplace_back(t, state.board.TilePos[t]);
    state.board.ClearCells();
    for (auto& [tile, p] : placed)
        state.board.Place(tile, p.x + dx, p.y + dy, p.layer);
    return true;
}

EditorAim StepAim(EditorAim aim, int dx, int dy) {
    return {std::clamp(aim.column + dx, 1, kAimColumns), std::clamp(aim.row + dy, 1, kAimRows)};
}

BoardPoint AimCorner(EditorAim aim) {
    return {20 * aim.column - 40, 25 * aim.row - 65};
}

BoardPoint AimPoint(EditorAim aim) {
    // On the two lowest layers the 30 x 35 targets of a cell start 6 and 0 pixels left of it
    // and 0 and 6 above it, overlapping their neighbours' by 10: 12 pixels in is past the
    // column before and short of the column after on both, 16 down past the row before and
    // short of the row after. The first row's point, -24, is still inside the bounds the
    // window lets presses through.
    const BoardPoint corner = AimCorner(aim);
    return {corner.x + 12, corner.y + 16};
}

EditorAim AimAt(int px, int py) {
    // Left of or above the grid the division rounds towards 0, and the clamp takes it to 1.
    return StepAim({(px + 40) / 20, (py + 65) / 25}, 0, 0);
}

std::string DescribeAim(const GameState& state, EditorAim aim) {
    auto cell = [](int column, int row) {
        return "column " + std::to_string(column) + ", row " + std::to_string(row);
    };
    auto here = [&aim](const TilePosition& p) { return p.x == aim.column && p.y == aim.row; };
    const BoardPoint at = AimPoint(aim);
    std::string text = "C" + cell(aim.column, aim.row).substr(1) + ": ";
    const int under = WhatTileThere(state.board, at.x, at.y);
    if (under > 0 && under <= kTileCount) {
        const TilePosition p = state.board.TilePos[under];
        text += here(p) ? "a position" : "part of the position of " + cell(p.x, p.y);
        text += " on layer " + std::to_string(p.layer);
        if (HeldDown(state.board, p))
            text += ", under another";
    } else {
        text += "empty";
    }
    if (state.EditorTilesLeft > 0) {
        const TilePosition next = EditorTarget(state.board, at.x, at.y);
        if (next.layer <= 0)
            text += "; no position can go here";
        else
            text += "; the next one goes " + (here(next) ? "here" : "to " + cell(next.x, next.y)) +
                    " on layer " + std::to_string(next.layer);
    }
    const int left = state.EditorTilesLeft;
    return text + ". " + std::to_string(left) + (left == 1 ? " position" : " positions") +
           " left to place.";
}

int RecountTilesLeft(GameState& state) {
    state.EditorTilesLeft = state.TotalTiles - state.layout.PositionCount();
    return state.EditorTilesLeft;
}

std::string LayoutFileFor(std::string_view chosen, std::string* error) {
    const std::size_t slash = chosen.find_last_of('/');
    const std::string_view base =
        slash == std::string_view::npos ? chosen : chosen.substr(slash + 1);
    const bool onlyDots = base.find_first_not_of('.') == std::string_view::npos;
    const bool control = std::any_of(base.begin(), base.end(), [](char c) {
        return static_cast<unsigned char>(c) < 0x20 || c == 0x7f || c == '\\';
    });
    if (onlyDots || control) {
        if (error != nullptr)
            *error = "\"" + std::string(base) + "\" is not a valid file name for a layout.";
        return {};
    }
    std::string path(chosen);
    if (!path.ends_with(".lay"))
        path += ".lay";
    return path;
}

std::string LayoutNameOfFile(std::string_view path) {
    const std::size_t slash = path.find_last_of('/');
    std::string_view base = slash == std::string_view::npos ? path : path.substr(slash + 1);
    const std::size_t dot = base.find_last_of('.');
    if (dot != std::string_view::npos && dot > 0)
        base = base.substr(0, dot);
    return std::string(base);
}

Registration RegisterLayout(std::vector<std::string>& names, std::string_view name) {
    for (std::size_t i = 0; i < names.size(); ++i)
        if (names[i] == name)
            return {static_cast<int>(i) + 1, false};
    names.emplace_back(name);
    return {static_cast<int>(names.size()), true};
}

}  // namespace quorin
