// Assembling a whole tileset picture from the tile body and the faces.
#pragma once

#include <QImage>
#include <vector>

#include "TileBody.h"

namespace tilesets {

// A face as the game uses it: the colour picture on pure black, and its mask.
struct FaceLayers {
    QImage cell;  // RGB32 40k x 50k; black wherever the mask is white
    QImage mask;  // RGB32 40k x 50k; black on the symbols, white elsewhere
};

// Splits drawn symbols into cell and mask. A pixel belongs to the symbol when its coverage
// reaches the threshold; its colour is then the symbol laid over the ivory face, so the
// anti-aliased edge blends into the face instead of leaving a dark fringe.
FaceLayers SplitFace(const QImage& symbols, const QImage& faceBackground);

// The symbols of faces 1..42 at index face - 1, drawn k times larger. error tells of a face
// whose symbols run into its index.
std::vector<QImage> PaintAllSymbols(int k, QString* error);

// The faces of a tileset of that finish, from those symbols, each with its index.
std::vector<FaceLayers> MakeFaces(const std::vector<QImage>& symbols, const FaceFinish& finish,
                                  int k);

// The full picture, 384k x 576k in RGB32, every region at k times its 1x place; the
// low-colour style still comes back in RGB32.
QImage PaintTilesetPicture(const BorderStyle& style, const std::vector<FaceLayers>& faces, int k);

}  // namespace tilesets
