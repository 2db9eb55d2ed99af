#include "board/BoardTables.h"

namespace quorin {

void BoardTables::ClearCells() {
    for (int layer = 1; layer <= kLayers; ++layer)
        for (int y = 1; y <= kRows; ++y)
            for (int x = 1; x <= kColumns; ++x)
                SetCell(x, y, layer, 0);
}

void BoardTables::CopyLayout(const LayoutGrid& layout) {
    for (int layer = 1; layer <= kLayers; ++layer)
        for (int y = 1; y <= kRows; ++y)
            for (int x = 1; x <= kColumns; ++x)
                SetCell(x, y, layer, static_cast<uint8_t>(layout.At(x, y, layer) * UndealtMark));
}

}  // namespace quorin
