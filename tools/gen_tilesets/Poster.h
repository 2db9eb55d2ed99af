// The poster look of the "Few Colors" tileset: the faces' symbols in a few flat inks, each
// picture outlined in dark ink, on plain paper.
#pragma once

#include <QColor>
#include <QImage>
#include <QRgb>
#include <vector>

#include "TileBody.h"

namespace tilesets {

namespace poster {
inline const QColor kInk(28, 32, 46);          // outlines and dark details; never pure black
inline const QColor kPaper(250, 250, 244);     // the face
inline const QColor kSelect(255, 196, 56);     // the tint of a selected tile
inline const QColor kHint(150, 208, 246);      // and of a hinted one
inline const QColor kJadeLight(32, 172, 122);  // the edge on the left
inline const QColor kJadeDark(12, 112, 80);    // and along the bottom
}  // namespace poster

// The inks the symbols are reduced to, the paper among them.
const std::vector<QRgb>& PosterInks();

// What a flat style's few-colour picture keeps exactly: the inks, and every colour of its
// tile body and tints.
std::vector<QRgb> PosterColours(const BorderStyle& style);

// Face 1..42's symbols (as PaintFaceSymbols draws them, k times larger) with every colour
// replaced by the nearest poster ink, and the index drawn on in ink too. Pictures get an
// outline round their outside, kept out of the corner of the index; faces drawn from glyphs
// do not, because it would fill the narrow gaps between their strokes, nor bamboo sticks,
// whose rims turn to ink anyway.
QImage PosterSymbols(const QImage& symbols, int face, int k);

}  // namespace tilesets
