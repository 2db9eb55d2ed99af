// The tile itself: the face, the raised edge in the tileset's colour, the tints.
#pragma once

#include <QColor>
#include <QImage>
#include <QString>

namespace tilesets {

// How a tileset paints its faces.
struct FaceFinish {
    QColor face;    // the empty face
    QColor select;  // the tints laid under the symbols of a selected tile
    QColor hint;    // and of a hinted one
    bool flat;      // solid colours and dark outlines (Poster.h) instead of soft light
};

struct BorderStyle {
    QString file;       // file name in the Tilesets folder
    QString title;      // menu caption of the tileset
    QColor backLight;   // coloured back of the tile, lit side
    QColor backDark;    // and the side turned away from the light
    FaceFinish finish;  // its face and tints
    bool fewColors;     // written as an 8-bit palette picture
};

// The four tilesets that come with the game, in menu order.
const BorderStyle* BorderStyles(int* count);

// Every picture below is drawn k times larger than at 1x (k = 1, 2, 3, 4), natively at that
// size.

// A 40 x 50 face background of the given colour with a fine rim, so that neighbouring faces
// stay apart on the board: softly lit from the top left, or flat with a dark rim.
QImage PaintFaceBackground(const QColor& base, bool flat, int k);

// The whole 46 x 56 tile with an empty face; pure black outside the tile shape.
QImage PaintBlankTile(const BorderStyle& style, int k);

// Black on the tile shape, white elsewhere.
QImage PaintTileMask(int k);

}  // namespace tilesets
