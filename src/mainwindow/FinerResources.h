// The pictures compiled into the program for screens of more than one device pixel per pixel.
// Beside a picture ":/bitmaps/NAME.bmp" or ":/glyphs/NAME.png" there may be NAME@2x.png and
// NAME@3x.png, the same drawing at exactly 2 and 3 times the size.
#pragma once

#include <QImage>
#include <QString>

namespace quorin {

// The factor of the version of `path` a screen of `ratio` device pixels per pixel reads: the
// smallest among 1 and the finer versions there are that is at least `ratio`, else the
// largest. A picture is shrunk smoothly to the screen, never enlarged.
int ResourceFactorFor(const QString& path, double ratio);

// That version, its device pixel ratio set to its factor; null when `path` does not exist.
QImage FinestResource(const QString& path, double ratio);

// `image` resampled to `ratio` device pixels per pixel with the filter Qt shrinks with, its
// device pixel ratio set to `ratio`; returned as it is when it already has that ratio.
// Pictures with transparency are resampled premultiplied, so the clear parts do not bleed in.
QImage AtRatio(const QImage& image, double ratio);

}  // namespace quorin
