// Where everything sits in a tileset picture. The game reads these regions by position,
// so they are fixed to the pixel.
#pragma once

#include <QPoint>
#include <QRgb>

namespace tilesets {

constexpr int kPictureWidth = 384;
constexpr int kPictureHeight = 576;

constexpr int kFaceWidth = 40;
constexpr int kFaceHeight = 50;
constexpr int kTileWidth = 46;   // face plus the 6-px edge on the left
constexpr int kTileHeight = 56;  // face plus the 6-px edge along the bottom
constexpr int kEdge = 6;

constexpr int kFaceCount = 42;
constexpr int kGridColumns = 9;
constexpr int kGridRows = 5;
constexpr int kCellPitchX = 41;
constexpr int kCellPitchY = 51;

constexpr QPoint kBlankTilePos{0, 256};
constexpr QPoint kBlankFacePos{6, 256};
constexpr QPoint kSelectTintPos{52, 256};
constexpr QPoint kHintTintPos{98, 256};
constexpr QPoint kTileMaskPos{138, 256};
constexpr int kFaceMaskOffsetY = 312;

// Grid lines and every unused pixel; the game never reads them.
constexpr QRgb kNeutral = qRgb(128, 128, 128);

// Face numbers by family (1-based, as the game numbers them).
constexpr int kFirstCrak = 1;
constexpr int kFirstBamboo = 10;
constexpr int kFirstDot = 19;
constexpr int kFirstFlower = 28;
constexpr int kFirstSeason = 32;
constexpr int kFirstDragon = 36;  // red, green, white
constexpr int kFirstWind = 39;    // east, south, west, north

struct GridSlot {
    int col;
    int row;
};

// The grid slot of a face: suits fill rows 2, 1, 0; bonus tiles and honours share rows 3, 4.
constexpr GridSlot FaceSlot(int face) {
    if (face < kFirstBamboo)
        return {face - kFirstCrak, 2};
    if (face < kFirstDot)
        return {face - kFirstBamboo, 1};
    if (face < kFirstFlower)
        return {face - kFirstDot, 0};
    if (face < kFirstSeason)
        return {face - kFirstFlower, 4};
    if (face < kFirstDragon)
        return {face - kFirstSeason, 3};
    if (face < kFirstWind)
        return {4 + face - kFirstDragon, 4};
    return {4 + face - kFirstWind, 3};
}

constexpr QPoint CellPos(GridSlot slot) {
    return {kCellPitchX * slot.col + 1, kCellPitchY * slot.row + 1};
}
constexpr QPoint FaceCellPos(int face) {
    return CellPos(FaceSlot(face));
}
constexpr QPoint FaceMaskPos(int face) {
    return FaceCellPos(face) + QPoint(0, kFaceMaskOffsetY);
}

// The tile outline: the face at (6, 0) and the same rectangle pushed down-left by the
// edge thickness, joined by diagonals at the top-left and bottom-right corners. (x, y) is a
// pixel of the tile drawn k times larger; a pixel belongs to the tile when its centre, in
// 1x units, lies between the two diagonals, so at 1x the cut corners are the usual
// staircases and at 2x and more they are finer ones along the same lines.
constexpr bool InTileShape(int x, int y, int k = 1) {
    const int centres = 2 * x + 2 * y + 2;  // twice the sum of the centre's coordinates, times k
    return x >= 0 && x < kTileWidth * k && y >= 0 && y < kTileHeight * k &&
           centres > (2 * kEdge + 1) * k &&
           centres < (2 * (kTileWidth - 1 + kFaceHeight - 1) + 3) * k;
}

// The resolutions written beside each 1x picture: NAME@2x.png and so on, every region at
// k times its 1x position and size.
constexpr int kHighScales[] = {2, 3, 4};

}  // namespace tilesets
