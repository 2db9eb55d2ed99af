// Small, fully known pictures for the drawing tests, so an expected pixel can be worked out
// from the pictures themselves.
#pragma once

#include <QImage>

#include <array>

namespace testpics {

// A tileset in the shipped layout: ivory faces with an orange edge, a coloured square for
// each face, yellow selection and green hint tints.
QImage MakeTileset();

// Checkerboards of a dark colour and black (transparent): H, and V1..V5.
QImage MakeHorizontalPiece();
std::array<QImage, 5> MakeVerticalPieces();
QImage MakeFilled();

// (base AND mask) OR picture, pixel by pixel: drawing with a mask, worked out by hand.
QImage MaskPaint(const QImage& base, const QImage& mask, const QImage& picture);

}  // namespace testpics
