// Where board cells land in the board image, and the rectangles the redraws work with.
#pragma once

#include <algorithm>
#include <cstdint>

namespace quorin {

// Pixel of a cell column / row on a layer. Callers pass either the 0-based drawing
// convention (giving the face anchor) or the 1-based tile-space one (giving the anchor moved
// by (26, 19)); no bounds are checked.
constexpr int32_t CoordX(int32_t column, int32_t layer, int32_t originX) {
    return 20 * column + 6 * layer + originX - 20;
}
constexpr int32_t CoordY(int32_t row, int32_t layer, int32_t originY) {
    return 25 * row - 6 * layer + originY - 40;
}

// Tile space is the board image moved by this much.
inline constexpr int32_t kTileSpaceDX = 26;
inline constexpr int32_t kTileSpaceDY = 19;

// Right and bottom are exclusive. Bottom == -1 stands for the whole board.
struct TileRect {
    int32_t Left = 0;
    int32_t Top = 0;
    int32_t Right = 0;
    int32_t Bottom = 0;

    constexpr bool IsFull() const { return Bottom == -1; }
    constexpr bool IsEmpty() const { return !IsFull() && (Right <= Left || Bottom <= Top); }
    constexpr bool operator==(const TileRect&) const = default;
};

inline constexpr TileRect FullRect{-1, -1, -1, -1};

// The smallest rectangle holding both; an empty one adds nothing.
constexpr TileRect United(TileRect a, TileRect b) {
    if (a.IsFull() || b.IsFull())
        return FullRect;
    if (b.IsEmpty())
        return a;
    if (a.IsEmpty())
        return b;
    return {std::min(a.Left, b.Left), std::min(a.Top, b.Top), std::max(a.Right, b.Right),
            std::max(a.Bottom, b.Bottom)};
}

// A tile-space rectangle in board image pixels.
constexpr TileRect TileSpaceToImage(TileRect r) {
    return {r.Left - kTileSpaceDX, r.Top - kTileSpaceDY, r.Right - kTileSpaceDX,
            r.Bottom - kTileSpaceDY};
}

}  // namespace quorin
