#include "board/FreeRule.h"

namespace quorin {

namespace {

bool Empty3(const BoardTables& b, int x0, int y0, int dx, int dy, int layer) {
    // Three cells starting at (x0, y0) along (dx, dy).
    return b.Cell(x0, y0, layer) == 0 && b.Cell(x0 + dx, y0 + dy, layer) == 0 &&
           b.Cell(x0 + 2 * dx, y0 + 2 * dy, layer) == 0;
}

bool NothingOnTop(const BoardTables& b, int x, int y, int layer) {
    if (layer == kLayers)
        return true;
    for (int dy = -1; dy <= 1; ++dy)
        if (!Empty3(b, x - 1, y + dy, 1, 0, layer + 1))
            return false;
    return true;
}

bool HorizontalFree(const BoardTables& b, int x, int y, int layer) {
    const bool leftOpen = Empty3(b, x - 2, y - 1, 0, 1, layer);
    const bool rightOpen = Empty3(b, x + 2, y - 1, 0, 1, layer);
    return (leftOpen || rightOpen) && NothingOnTop(b, x, y, layer);
}

bool VerticalFree(const BoardTables& b, int x, int y, int layer) {
    const bool upOpen = Empty3(b, x - 1, y - 2, 1, 0, layer);
    const bool downOpen = Empty3(b, x - 1, y + 2, 1, 0, layer);
    return (upOpen || downOpen) && NothingOnTop(b, x, y, layer);
}

}  // namespace

bool Dispo(const GameState& state, int tile) {
    const TilePosition p = state.board.TilePos[tile];
    if (p.x == 0 && p.y == 0)
        return false;
    return HorizontalFree(state.board, p.x, p.y, p.layer);
}

bool Dispo_Vertical(const GameState& state, int tile) {
    const TilePosition p = state.board.TilePos[tile];
    if (p.x == 0 && p.y == 0)
        return false;
    return VerticalFree(state.board, p.x, p.y, p.layer);
}

bool IsTileFree(const GameState& state, int tile) {
    return state.options.Vertical ? Dispo_Vertical(state, tile) : Dispo(state, tile);
}

bool IsFreeForDeal(const BoardTables& board, int x, int y, int layer) {
    if (x == 0 || y == 0 || layer == 0)
        return false;
    return HorizontalFree(board, x, y, layer);
}

void IsItFree(GameState& state) {
    state.FreeCount = 0;
    state.MovesLeft = 0;

    auto& list = state.board.FreeList;
    for (int t = 1; t <= state.TotalTiles && t <= kTileCount; ++t)
        if (IsTileFree(state, t))
            list[++state.FreeCount] = static_cast<uint8_t>(t);
    for (int k = 1; k < state.FreeCount; ++k)
        if (SameGroup(list[k], list[k + 1]))
            ++state.MovesLeft;
}

}  // namespace quorin
