// Inks and drawing helpers shared by the face painters.
#pragma once

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QRectF>
#include <QString>

class QPainter;

namespace tilesets {

// The inks of a real set: red, green, blue and a deep navy for the numerals.
namespace ink {
inline const QColor kNavy(22, 34, 96);
inline const QColor kRed(204, 24, 24);
inline const QColor kDarkRed(150, 14, 18);
inline const QColor kGreen(0, 128, 62);
inline const QColor kDarkGreen(0, 82, 40);
inline const QColor kLightGreen(70, 176, 90);
inline const QColor kBlue(24, 70, 178);
inline const QColor kDarkBlue(14, 40, 116);
inline const QColor kGold(236, 170, 20);
inline const QColor kBrown(118, 70, 34);
inline const QColor kPink(236, 92, 130);
inline const QColor kPurple(128, 60, 170);
}  // namespace ink

// How much larger than 1x the painter draws (its transforms are whole-number scales and
// mirrors).
double DeviceScale(const QPainter& p);

// The CJK font of the faces. Fails with a message when the font is missing, because any
// fallback would give faces that look wrong without anybody noticing.
bool LoadFaceFont(QString* error);

// The face font, fully hinted so strokes land on whole pixels; bold is the font engine's
// emboldening (the font has one weight), which keeps small glyphs legible.
QFont FaceFont(int pixelSize, bool bold = false);

// Draws text at a fixed size with its ink box centred on centre (to the nearest pixel, so
// the hinting stays sharp).
void DrawGlyphs(QPainter& p, const QString& text, int pixelSize, bool bold, QPointF centre,
                const QColor& colour);

// Draws text as an outline scaled to fit box, centred, and moved by the fraction of a pixel
// that leaves the fewest half-covered pixels: a grid fit for dense glyphs that the font's
// hinting smears. bold widens every stroke by that many pixels.
void DrawOutlineFitted(QPainter& p, const QString& text, const QRectF& box, double bold,
                       const QColor& colour);

// The same at a fixed size, the ink centred on centre.
void DrawOutline(QPainter& p, const QString& text, double pixelSize, QPointF centre, double bold,
                 const QColor& colour);

}  // namespace tilesets
