// The 144 tiles of the set: ids, matching groups and the faces they show.
#pragma once

#include <cstdint>

namespace quorin {

inline constexpr int kTileCount = 144;
inline constexpr int kFaceCount = 42;
inline constexpr int kGroupCount = 36;

// Two tiles match when they share a group: the four consecutive ids 4g+1 .. 4g+4.
constexpr int TileGroup(int id) {
    return (id - 1) / 4;
}
constexpr bool SameGroup(int a, int b) {
    return TileGroup(a) == TileGroup(b);
}

// Face 1..42 shown by tile 1..144. Flowers (109..112) and seasons (113..116) each show
// four different faces yet still match within their group.
constexpr int TileFace(int id) {
    const int group = TileGroup(id);
    if (group <= 26)
        return group + 1;  // craks, bamboos, dots
    if (group == 27)
        return 28 + (id - 109);  // flowers
    if (group == 28)
        return 32 + (id - 113);  // seasons
    return group + 7;            // dragons, winds
}

// Cell of a face in the 9 x 5 grid of a tileset picture.
struct FaceCellPos {
    int col;
    int row;
};

constexpr FaceCellPos FaceCell(int face) {
    if (face <= 9)
        return {face - 1, 2};  // craks
    if (face <= 18)
        return {face - 10, 1};  // bamboos
    if (face <= 27)
        return {face - 19, 0};  // dots
    if (face <= 31)
        return {face - 28, 4};  // flowers
    if (face <= 35)
        return {face - 32, 3};  // seasons
    if (face <= 38)
        return {face - 32, 4};  // dragons: columns 4..6
    return {face - 35, 3};      // winds: columns 4..7
}

}  // namespace quorin
