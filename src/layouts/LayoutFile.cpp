#include "layouts/LayoutFile.h"

#include "platform/AtomicFile.h"
#include "platform/SafeFile.h"

#include <cstdio>
#include <vector>

namespace quorin {

namespace {

constexpr int kPositions = 144;

// Splits into lines ended by CR LF or by LF alone.
std::vector<std::string_view> SplitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines.push_back(line);
        if (end == std::string_view::npos)
            break;
        text.remove_prefix(end + 1);
    }
    return lines;
}

LayoutLoad Fail(std::string_view label, const std::string& reason) {
    LayoutLoad r;
    r.file = std::string(label);
    r.reason = reason;
    return r;
}

LayoutLoad Accept(std::string_view label, const LayoutGrid& grid, std::string name) {
    if (std::string fault = LayoutFault(grid); !fault.empty())
        return Fail(label, fault);
    LayoutLoad r;
    r.ok = true;
    r.file = std::string(label);
    r.grid = grid;
    r.name = std::move(name);
    return r;
}

bool EndsWith(std::string_view s, std::string_view suffix) {
    if (s.size() < suffix.size())
        return false;
    for (size_t i = 0; i < suffix.size(); ++i) {
        char c = s[s.size() - suffix.size() + i];
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
        if (c != suffix[i])
            return false;
    }
    return true;
}

}  // namespace

int HexByte(char first, char second) {
    auto value = [](char c) {
        return c >= '0' && c <= '9' ? c - '0' : static_cast<unsigned char>(c) - 55;
    };
    return 16 * value(first) + value(second);
}

LayoutLoad ParseLay(std::string_view text, std::string_view label) {
    const std::vector<std::string_view> lines = SplitLines(text);
    if (lines.empty() || lines[0] != kLaySignature)
        return Fail(label, "not a layout file (the first line must be \"Quorin 3.0\")");
    if (lines.size() < 3)
        return Fail(label, "the line of cells is missing");
    std::string_view cells = lines[2];
    while (!cells.empty() && (cells.back() == ' ' || cells.back() == '\t'))
        cells.remove_suffix(1);
    if (cells.size() != static_cast<size_t>(kLayoutCells))
        return Fail(label, "line 3 has " + std::to_string(cells.size()) + " cells, " +
                               std::to_string(kLayoutCells) + " expected");
    LayoutGrid grid;
    for (int i = 0; i < kLayoutCells; ++i) {
        const char c = cells[i];
        if (c != '0' && c != '1')
            return Fail(label, "cell " + std::to_string(i + 1) + " of line 3 is '" +
                                   std::string(1, c) + "', only 0 and 1 are allowed");
        grid[i] = static_cast<uint8_t>(c - '0');
    }
    return Accept(label, grid, std::string(lines[1]));
}

LayoutLoad ParseShp(std::string_view text, std::string_view label) {
    const std::vector<std::string_view> lines = SplitLines(text);
    if (lines.size() < static_cast<size_t>(kPositions))
        return Fail(label, "has " + std::to_string(lines.size()) + " lines, at least " +
                               std::to_string(kPositions) + " expected");
    LayoutGrid grid;
    for (int n = 0; n < kPositions; ++n) {
        const std::string_view line = lines[n];
        const std::string where = "line " + std::to_string(n + 1);
        if (line.size() < 9)
            return Fail(label, where + " is too short for a tile record");
        const int x = HexByte(line[3], line[4]) + 2;
        const int y = HexByte(line[5], line[6]) + 2;
        const int layer = HexByte(line[7], line[8]) + 1;
        if (!LayoutGrid::InPlayArea(x, y, layer))
            return Fail(label, where + " puts a tile at (" + std::to_string(x) + ", " +
                                   std::to_string(y) + ", " + std::to_string(layer) +
                                   "), outside the board");
        grid.Set(x, y, layer, 1);
    }
    return Accept(label, grid, std::string());
}

std::string LayoutLoad::Message() const {
    return EscapeForMessage(file) + ": " + EscapeForMessage(reason);
}

LayoutLoad ReadLayoutFile(const std::string& path) {
    // Only a regular file of sane size: a FIFO would block and a huge file would fill memory.
    const ReadResult read = ReadRegularFile(path, kMaxLayoutBytes);
    if (!read.ok)
        return Fail(path, read.error);
    return EndsWith(path, ".shp") ? ParseShp(read.data, path) : ParseLay(read.data, path);
}

std::string LayoutFault(const LayoutGrid& grid) {
    const int count = grid.PositionCount();
    if (count != kPositions)
        return "has " + std::to_string(count) + " tile positions, " + std::to_string(kPositions) +
               " expected";
    // A tile covers its cell and the three to its right and below: no other position may
    // start in the 3 x 3 cells around it on the same layer.
    for (int layer = 1; layer <= kLayers; ++layer)
        for (int y = 1; y <= kRows; ++y)
            for (int x = 1; x <= kColumns; ++x) {
                if (!grid.At(x, y, layer))
                    continue;
                for (const auto& [dx, dy] : {std::pair{1, 0}, {-1, 1}, {0, 1}, {1, 1}}) {
                    const int nx = x + dx, ny = y + dy;
                    if (LayoutGrid::InPlayArea(nx, ny, layer) && grid.At(nx, ny, layer))
                        return "tiles overlap at (" + std::to_string(x) + ", " + std::to_string(y) +
                               ", " + std::to_string(layer) + ") and (" + std::to_string(nx) +
                               ", " + std::to_string(ny) + ", " + std::to_string(layer) + ")";
                }
            }
    return {};
}

std::string WriteLayFile(const std::string& path, std::string_view name, const LayoutGrid& grid) {
    std::string text;
    text.reserve(kLayoutCells + 64);
    text.append(kLaySignature).append("\r\n");
    // The name is one line of the file: a line break in it would cut the file apart.
    for (const char c : name)
        text.push_back(c == '\r' || c == '\n' ? ' ' : c);
    text.append("\r\n");
    for (int i = 0; i < kLayoutCells; ++i)
        text.push_back(grid[i] ? '1' : '0');
    text.append("\r\n");

    if (std::string reason = WriteFileAtomically(path, text); !reason.empty())
        return "cannot write " + path + ": " + reason;
    return {};
}

int LayerCount(const LayoutGrid& grid) {
    int layers = 0;
    for (int layer = 1; layer <= kLayers; ++layer) {
        bool used = false;
        for (int y = 1; y <= kRows && !used; ++y)
            for (int x = 1; x <= kColumns && !used; ++x)
                used = grid.At(x, y, layer) != 0;
        layers += used;
    }
    return layers;
}

}  // namespace quorin
