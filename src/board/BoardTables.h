// The board tables: the cell grid with its empty margin, where each tile stands, the
// removals of the game so far, and the list of free tiles.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "board/LayoutGrid.h"
#include "board/Tiles.h"

namespace quorin {

// A layout position that has not received its tile yet (only while dealing).
inline constexpr uint8_t UndealtMark = 155;

struct TilePosition {
    int32_t x = 0;
    int32_t y = 0;
    int32_t layer = 0;

    bool OnBoard() const { return x != 0 || y != 0 || layer != 0; }
    bool operator==(const TilePosition&) const = default;
};

struct MoveEntry {
    uint8_t tile = 0;
    int32_t x = 0;
    int32_t y = 0;
    int32_t layer = 0;
};

class BoardTables {
  public:
    // The grid runs x -1..36, y -1..22, layer 0..6 so that the rules, which look up to two
    // cells aside and one layer up, always read an empty cell outside the play area.
    static constexpr int kMinX = -1, kMaxX = 36;
    static constexpr int kMinY = -1, kMaxY = 22;
    static constexpr int kMinLayer = 0, kMaxLayer = 6;

    uint8_t Cell(int x, int y, int layer) const { return cells_[Offset(x, y, layer)]; }
    // Only the play area (x 1..34, y 1..20, layer 1..5) may be written.
    void SetCell(int x, int y, int layer, uint8_t value) { cells_[Offset(x, y, layer)] = value; }

    void Place(int tile, int x, int y, int layer) {
        SetCell(x, y, layer, static_cast<uint8_t>(tile));
        TilePos[tile] = {x, y, layer};
    }
    void Lift(int tile) {
        const TilePosition p = TilePos[tile];
        if (p.OnBoard())
            SetCell(p.x, p.y, p.layer, 0);
        TilePos[tile] = {};
    }
    void ClearPositions(int count) {
        for (int t = 1; t <= count && t <= kTileCount; ++t)
            TilePos[t] = {};
    }
    // Empties every cell of the play area.
    void ClearCells();
    // Every position of the layout becomes UndealtMark, every other cell 0.
    void CopyLayout(const LayoutGrid& layout);

    // Indexed by tile id 1..144; entry 0 is unused.
    std::array<TilePosition, kTileCount + 1> TilePos{};
    // Removal m of a game fills entries 2m-2 and 2m-1.
    std::array<MoveEntry, kTileCount> MoveHistory{};
    // Free tiles after the last count, 1-based: FreeList[1..FreeCount].
    std::array<uint8_t, kTileCount + 1> FreeList{};

  private:
    static constexpr int kWidth = kMaxX - kMinX + 1;          // 38
    static constexpr int kHeight = kMaxY - kMinY + 1;         // 24
    static constexpr int kDepth = kMaxLayer - kMinLayer + 1;  // 7
    static constexpr int Offset(int x, int y, int layer) {
        return ((layer - kMinLayer) * kHeight + (y - kMinY)) * kWidth + (x - kMinX);
    }

    std::array<uint8_t, static_cast<std::size_t>(kWidth) * kHeight * kDepth> cells_{};
};

}  // namespace quorin
