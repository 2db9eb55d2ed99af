#include "games/Focus.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

#include "board/Placement.h"
#include "board/Tiles.h"

namespace quorin {

namespace {

// The picture of a tile spans this many pixels from its anchor on the board.
constexpr int kTileWidth = 46, kTileHeight = 56;

}  // namespace

FocusTarget TileTarget(const GameState& s, int tile) {
    const TilePosition p = s.board.TilePos[tile];
    const int left = 20 * p.x + 6 * p.layer - 52;
    const int top = 25 * p.y - 6 * p.layer - 59;
    FocusTarget target{0,          0,          0, left + s.BoardOriginX, top + s.BoardOriginY,
                       kTileWidth, kTileHeight};
    // The middle of the face first; a tile half under another shows elsewhere.
    auto shows = [&](int px, int py) {
        if (px < 0 || py < 0 || WhatTileThere(s.board, px, py) != tile)
            return false;
        target.id = tile;
        target.pressX = px + s.BoardOriginX;
        target.pressY = py + s.BoardOriginY;
        return true;
    };
    if (shows(left + kTileWidth / 2, top + kTileHeight / 2))
        return target;
    for (int py = top; py < top + kTileHeight; py += 2)
        for (int px = left; px < left + kTileWidth; px += 2)
            if (shows(px, py))
                return target;
    return target;
}

int NearestFocus(const std::vector<FocusTarget>& targets, int x, int y) {
    int best = 0;
    long bestCost = std::numeric_limits<long>::max();
    for (const FocusTarget& t : targets) {
        const long dx = t.left + t.width / 2 - x, dy = t.top + t.height / 2 - y;
        if (dx * dx + dy * dy < bestCost) {
            bestCost = dx * dx + dy * dy;
            best = t.id;
        }
    }
    return best;
}

const FocusTarget* FindTarget(const std::vector<FocusTarget>& targets, int id) {
    for (const FocusTarget& t : targets)
        if (t.id == id)
            return &t;
    return nullptr;
}

namespace {

// Reading order: rows of the board (half a tile high) from the top, each from the left.
bool ReadsBefore(const FocusTarget& a, const FocusTarget& b) {
    const int rowA = (a.top + a.height / 2) / 25, rowB = (b.top + b.height / 2) / 25;
    if (rowA != rowB)
        return rowA < rowB;
    return a.left != b.left ? a.left < b.left : a.id < b.id;
}

}  // namespace

int StepFocus(const std::vector<FocusTarget>& targets, int from, FocusStep step) {
    if (targets.empty())
        return 0;
    std::vector<const FocusTarget*> reading;
    reading.reserve(targets.size());
    for (const FocusTarget& t : targets)
        reading.push_back(&t);
    std::sort(reading.begin(), reading.end(),
              [](const FocusTarget* a, const FocusTarget* b) { return ReadsBefore(*a, *b); });
    const auto it = std::find_if(reading.begin(), reading.end(),
                                 [from](const FocusTarget* t) { return t->id == from; });
    if (it == reading.end())
        return reading.front()->id;
    // Left and right go through every target in reading order, so each can be reached.
    const size_t k = static_cast<size_t>(it - reading.begin()), n = reading.size();
    if (step == FocusStep::Right)
        return reading[(k + 1) % n]->id;
    if (step == FocusStep::Left)
        return reading[(k + n - 1) % n]->id;
    // Up and down: the nearest target that way, nearness across the step counting more.
    const FocusTarget* at = *it;
    const int cx = at->left + at->width / 2, cy = at->top + at->height / 2;
    const long sign = step == FocusStep::Down ? 1 : -1;
    int best = from;
    long bestCost = std::numeric_limits<long>::max();
    for (const FocusTarget& t : targets) {
        const long along = sign * static_cast<long>(t.top + t.height / 2 - cy);
        const long across = t.left + t.width / 2 - cx;
        if (t.id == from || along <= 0)
            continue;
        const long cost = along * along + 4 * across * across;
        if (cost < bestCost) {
            bestCost = cost;
            best = t.id;
        }
    }
    return best;
}

std::string FaceName(int tile) {
    if (tile < 1 || tile > kTileCount)
        return "";
    static const char* const kFlowers[] = {"Plum", "Orchid", "Chrysanthemum", "Bamboo"};
    static const char* const kSeasons[] = {"Spring", "Summer", "Autumn", "Winter"};
    static const char* const kDragons[] = {"Red dragon", "Green dragon", "White dragon"};
    static const char* const kWinds[] = {"East wind", "South wind", "West wind", "North wind"};
    const int face = TileFace(tile);
    if (face <= 9)
        return "Character " + std::to_string(face);
    if (face <= 18)
        return "Bamboo " + std::to_string(face - 9);
    if (face <= 27)
        return "Circle " + std::to_string(face - 18);
    if (face <= 31)
        return std::string(kFlowers[face - 28]) + " flower";
    if (face <= 35)
        return std::string(kSeasons[face - 32]) + " season";
    if (face <= 38)
        return kDragons[face - 36];
    return kWinds[face - 39];
}

}  // namespace quorin
