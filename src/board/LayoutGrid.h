// The current layout: which cells of the 34 x 20 x 5 play area hold a tile position.
#pragma once

#include <array>
#include <cstdint>

namespace quorin {

inline constexpr int kColumns = 34;
inline constexpr int kRows = 20;
inline constexpr int kLayers = 5;
inline constexpr int kLayoutCells = kColumns * kRows * kLayers;  // 3400

class LayoutGrid {
  public:
    // Cell (x, y, layer), all 1-based; element (layer-1)*680 + (y-1)*34 + (x-1), which is
    // also the order of the digits of a layout file.
    static constexpr int Index(int x, int y, int layer) {
        return (layer - 1) * kColumns * kRows + (y - 1) * kColumns + (x - 1);
    }
    static constexpr bool InPlayArea(int x, int y, int layer) {
        return x >= 1 && x <= kColumns && y >= 1 && y <= kRows && layer >= 1 && layer <= kLayers;
    }

    uint8_t At(int x, int y, int layer) const { return cells_[Index(x, y, layer)]; }
    void Set(int x, int y, int layer, uint8_t value) { cells_[Index(x, y, layer)] = value; }

    uint8_t& operator[](int index) { return cells_[index]; }
    uint8_t operator[](int index) const { return cells_[index]; }

    void Clear() { cells_.fill(0); }
    int PositionCount() const {
        int n = 0;
        for (uint8_t c : cells_)
            n += c == 1;
        return n;
    }

    bool operator==(const LayoutGrid&) const = default;

  private:
    std::array<uint8_t, kLayoutCells> cells_{};
};

}  // namespace quorin
