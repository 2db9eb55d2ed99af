#include "Art.h"

#include <algorithm>
#include <climits>

#include "board/FreeRule.h"

namespace layouts {

using quorin::kColumns;
using quorin::kLayers;
using quorin::kRows;

namespace {

std::vector<std::string_view> Lines(std::string_view text) {
    std::vector<std::string_view> lines;
    if (!text.empty() && text.front() == '\n')
        text.remove_prefix(1);
    while (!text.empty()) {
        const size_t end = text.find('\n');
        lines.push_back(text.substr(0, end));
        if (end == std::string_view::npos)
            break;
        text.remove_prefix(end + 1);
    }
    return lines;
}

char At(const std::vector<std::string_view>& lines, size_t row, size_t column) {
    if (row >= lines.size() || column >= lines[row].size())
        return ' ';
    return lines[row][column];
}

std::string Where(int layer, size_t row, size_t column) {
    return "layer " + std::to_string(layer) + ", line " + std::to_string(row + 1) + ", column " +
           std::to_string(column + 1);
}

}  // namespace

std::vector<TilePosition> ReadArt(const std::vector<std::string_view>& layers) {
    if (layers.size() > static_cast<size_t>(kLayers))
        throw ArtError(std::to_string(layers.size()) + " layers drawn, at most " +
                       std::to_string(kLayers) + " fit");
    std::vector<TilePosition> tiles;
    for (size_t l = 0; l < layers.size(); ++l) {
        const int layer = static_cast<int>(l) + 1;
        const std::vector<std::string_view> lines = Lines(layers[l]);
        std::vector<std::string> claimed;
        for (std::string_view line : lines)
            claimed.emplace_back(line.size() + 1, 0);
        auto isClaimed = [&](size_t r, size_t c) {
            return r < claimed.size() && c < claimed[r].size() && claimed[r][c];
        };
        // Scanning row by row, the first cell of a tile met is always its upper-left one.
        for (size_t r = 0; r < lines.size(); ++r) {
            for (size_t c = 0; c < lines[r].size(); ++c) {
                const char ch = lines[r][c];
                if (ch == '.' || ch == ' ' || isClaimed(r, c))
                    continue;
                if (ch != '[')
                    throw ArtError(Where(layer, r, c) + ": '" + std::string(1, ch) +
                                   "' where a tile \"[]\" or an empty cell was expected");
                if (At(lines, r, c + 1) != ']' || At(lines, r + 1, c) != '[' ||
                    At(lines, r + 1, c + 1) != ']' || isClaimed(r, c + 1) || isClaimed(r + 1, c) ||
                    isClaimed(r + 1, c + 1))
                    throw ArtError(Where(layer, r, c) +
                                   ": a tile must be \"[]\" on two lines, over free cells");
                claimed[r][c] = claimed[r][c + 1] = 1;
                claimed[r + 1][c] = claimed[r + 1][c + 1] = 1;
                tiles.push_back({static_cast<int>(c) + 1, static_cast<int>(r) + 1, layer});
            }
        }
    }
    return tiles;
}

std::vector<TilePosition> Centred(std::vector<TilePosition> tiles) {
    if (tiles.empty())
        return tiles;
    int minX = INT_MAX, maxX = INT_MIN, minY = INT_MAX, maxY = INT_MIN;
    for (const TilePosition& t : tiles) {
        minX = std::min(minX, t.x);
        maxX = std::max(maxX, t.x + 1);
        minY = std::min(minY, t.y);
        maxY = std::max(maxY, t.y + 1);
    }
    // The covered cells x 3..32 and y 3..18 are the middle of what the board picture shows.
    auto halfDown = [](int n) { return n >= 0 ? n / 2 : -((1 - n) / 2); };
    const int dx = halfDown(35 - minX - maxX);
    const int dy = halfDown(21 - minY - maxY);
    for (TilePosition& t : tiles) {
        t.x += dx;
        t.y += dy;
    }
    return tiles;
}

LayoutGrid ToGrid(const std::vector<TilePosition>& tiles) {
    LayoutGrid grid;
    for (const TilePosition& t : tiles)
        if (LayoutGrid::InPlayArea(t.x, t.y, t.layer))
            grid.Set(t.x, t.y, t.layer, 1);
    return grid;
}

namespace {

// Free cells of the grid with every position filled, as the board is when a game starts.
std::vector<TilePosition> FreeTiles(const LayoutGrid& grid) {
    quorin::BoardTables board;
    board.CopyLayout(grid);
    std::vector<TilePosition> free;
    for (int layer = 1; layer <= kLayers; ++layer)
        for (int y = 1; y <= kRows; ++y)
            for (int x = 1; x <= kColumns; ++x)
                if (grid.At(x, y, layer) && quorin::IsFreeForDeal(board, x, y, layer))
                    free.push_back({x, y, layer});
    return free;
}

struct Frame {
    int minX = kColumns + 1, maxX = 0, minY = kRows + 1, maxY = 0, top = 0;
    // height[y][x]: the highest layer covering the cell.
    int height[kRows + 2][kColumns + 2] = {};
};

Frame FrameOf(const LayoutGrid& grid) {
    Frame f;
    for (int layer = 1; layer <= kLayers; ++layer)
        for (int y = 1; y <= kRows; ++y)
            for (int x = 1; x <= kColumns; ++x) {
                if (!grid.At(x, y, layer))
                    continue;
                f.minX = std::min(f.minX, x);
                f.maxX = std::max(f.maxX, x + 1);
                f.minY = std::min(f.minY, y);
                f.maxY = std::max(f.maxY, y + 1);
                f.top = std::max(f.top, layer);
                for (int dy = 0; dy < 2; ++dy)
                    for (int dx = 0; dx < 2; ++dx)
                        f.height[y + dy][x + dx] = layer;
            }
    return f;
}

}  // namespace

int FreeAtStart(const LayoutGrid& grid) {
    return static_cast<int>(FreeTiles(grid).size());
}

std::string DrawFreeAtStart(const LayoutGrid& grid) {
    const Frame f = FrameOf(grid);
    if (f.top == 0)
        return "(no tiles)\n";
    std::vector<std::string> rows(f.maxY - f.minY + 1, std::string(f.maxX - f.minX + 1, '.'));
    for (int y = f.minY; y <= f.maxY; ++y)
        for (int x = f.minX; x <= f.maxX; ++x)
            if (f.height[y][x])
                rows[y - f.minY][x - f.minX] = static_cast<char>('0' + f.height[y][x]);
    const std::vector<TilePosition> free = FreeTiles(grid);
    for (const TilePosition& t : free)
        for (int dy = 0; dy < 2; ++dy) {
            rows[t.y + dy - f.minY][t.x - f.minX] = '[';
            rows[t.y + dy - f.minY][t.x + 1 - f.minX] = ']';
        }
    std::string out = "free at the start: " + std::to_string(free.size()) + " tiles\n";
    for (const std::string& row : rows)
        out += "  " + row + "\n";
    return out;
}

std::string DrawLayers(const LayoutGrid& grid) {
    const Frame f = FrameOf(grid);
    const int minX = f.minX, maxX = f.maxX, minY = f.minY, maxY = f.maxY;
    std::string out;
    if (f.top == 0)
        return "(no tiles)\n";
    out += "columns " + std::to_string(minX) + ".." + std::to_string(maxX) + ", rows " +
           std::to_string(minY) + ".." + std::to_string(maxY) + "\n";
    for (int layer = 1; layer <= f.top; ++layer) {
        int count = 0;
        std::vector<std::string> rows(maxY - minY + 1, std::string(maxX - minX + 1, '.'));
        for (int y = minY; y <= maxY; ++y)
            for (int x = minX; x <= maxX; ++x) {
                if (x > kColumns || y > kRows || !grid.At(x, y, layer))
                    continue;
                ++count;
                for (int dy = 0; dy < 2 && y + dy <= maxY; ++dy) {
                    rows[y + dy - minY][x - minX] = '[';
                    if (x + 1 <= maxX)
                        rows[y + dy - minY][x + 1 - minX] = ']';
                }
            }
        out += "layer " + std::to_string(layer) + ": " + std::to_string(count) +
               (count == 1 ? " tile\n" : " tiles\n");
        for (const std::string& row : rows)
            out += "  " + row + "\n";
    }
    out += "heights\n";
    for (int y = minY; y <= maxY; ++y) {
        out += "  ";
        for (int x = minX; x <= maxX; ++x)
            out += f.height[y][x] ? static_cast<char>('0' + f.height[y][x]) : '.';
        out += "\n";
    }
    return out;
}

}  // namespace layouts
