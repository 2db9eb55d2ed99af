// The 42 face pictures. Each painter draws the symbols of one face on a transparent
// 40 x 50 picture; the coverage decides later which pixels belong to the face mask.
#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>

class QPainter;

namespace tilesets {

// Coverage from which a pixel counts as symbol. Lower keeps more of the anti-aliasing on the
// ivory face, higher leaves less of a light halo when the face lies on a tint.
constexpr int kCoverageThreshold = 80;

// Symbols of face 1..42 on transparent, QImage::Format_ARGB32_Premultiplied, 40k x 50k,
// without the index. When they reach into the corner of the index, a line of error says so.
QImage PaintFaceSymbols(int face, int k, QString* error);

// The index of a face: a digit or a letter in the top-left corner, 6 px tall at 1x.
constexpr QPoint kIndexPos{2, 2};
constexpr int kIndexHeight = 6;
struct FaceIndex {
    char c;
    QColor colour;
};
FaceIndex IndexOf(int face);
// Width of the 1x glyph of c, and the corner of the face (1x units) it keeps to itself.
int IndexWidth(char c);
QRect IndexCorner(char c);
// A pixel font at 1x, the face font's outline when the painter is scaled.
void DrawIndex(QPainter& p, const FaceIndex& index);
// A copy of symbols drawn k times larger with the index drawn on.
QImage WithIndex(const QImage& symbols, const FaceIndex& index, int k);

// One painter per family; n counts from 1 within the family. They draw in 1x units on a
// painter that may be scaled by a whole number.
void PaintCrak(QPainter& p, int n);
void PaintBamboo(QPainter& p, int n);
void PaintDots(QPainter& p, int n);
void PaintFlower(QPainter& p, int n);
void PaintSeason(QPainter& p, int n);
void PaintDragon(QPainter& p, int n);  // 1 red, 2 green, 3 white
void PaintWind(QPainter& p, int n);    // 1 east, 2 south, 3 west, 4 north

}  // namespace tilesets
