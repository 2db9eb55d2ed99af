#include "Checks.h"

#include "Art.h"
#include "layouts/LayoutFile.h"

namespace layouts {

namespace {

// The board picture and where the board starts in it on a screen of 800 pixels or more.
constexpr int kPictureWidth = 704, kPictureHeight = 468;
constexpr int kOriginX = 36, kOriginY = 25;

// With 24 tiles free, fewer than one usual deal in 3000 offers no matching pair.
constexpr int kLeastFreeAtStart = 24;

std::string Cell(const TilePosition& t) {
    return "(" + std::to_string(t.x) + ", " + std::to_string(t.y) + ", " + std::to_string(t.layer) +
           ")";
}

bool EndsWith(const std::string& s, const std::string& end) {
    return s.size() > end.size() && s.compare(s.size() - end.size(), end.size(), end) == 0;
}

}  // namespace

std::string DesignFault(const Design& design) {
    if (!EndsWith(design.file, ".lay") && !EndsWith(design.file, ".shp"))
        return "the file name must end in .lay or .shp";
    if (EndsWith(design.file, ".lay") && design.title.empty())
        return "the title is empty";
    for (const TilePosition& t : design.tiles)
        if (!LayoutGrid::InPlayArea(t.x, t.y, t.layer))
            return "tile " + Cell(t) + " is off the board";

    const LayoutGrid grid = ToGrid(design.tiles);
    if (grid.PositionCount() != static_cast<int>(design.tiles.size()))
        return "a position is given twice";
    if (std::string fault = quorin::LayoutFault(grid); !fault.empty())
        return fault;

    for (const TilePosition& t : design.tiles) {
        // Kept to the middle of the board, where every layer shows whole.
        if (t.x < 2 || t.x > 31 || t.y < 2 || t.y > 18)
            return "tile " + Cell(t) + " is outside x 2..31, y 2..18";
        const int left = 20 * t.x + 6 * t.layer + kOriginX - 52;
        const int top = 25 * t.y - 6 * t.layer + kOriginY - 59;
        if (left < 0 || top < 0 || left + 46 > kPictureWidth || top + 56 > kPictureHeight)
            return "tile " + Cell(t) + " does not fit on the board picture";
        if (t.layer == 1)
            continue;
        for (int dy = 0; dy < 2; ++dy)
            for (int dx = 0; dx < 2; ++dx) {
                bool under = false;
                for (int ux = t.x + dx - 1; ux <= t.x + dx; ++ux)
                    for (int uy = t.y + dy - 1; uy <= t.y + dy; ++uy)
                        under = under || (LayoutGrid::InPlayArea(ux, uy, t.layer - 1) &&
                                          grid.At(ux, uy, t.layer - 1));
                if (!under)
                    return "tile " + Cell(t) + " does not rest on the layer below";
            }
    }
    if (const int free = FreeAtStart(grid); free < kLeastFreeAtStart)
        return "only " + std::to_string(free) + " tiles are free at the start, at least " +
               std::to_string(kLeastFreeAtStart) + " needed";
    return {};
}

}  // namespace layouts
