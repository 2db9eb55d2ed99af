// The 42 face pictures. Each painter draws the symbols of one face on a transparent
// 40 x 50 picture; the coverage decides later which pixels belong to the face mask.
#pragma once

#include <QImage>

class QPainter;

namespace tilesets {

// Symbols of face 1..42 on transparent, QImage::Format_ARGB32_Premultiplied, 40k x 50k.
QImage PaintFaceSymbols(int face, int k);

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
