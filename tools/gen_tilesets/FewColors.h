// The 8-bit version of a tileset picture.
#pragma once

#include <QImage>
#include <vector>

namespace tilesets {

// Reduces an RGB32 picture to at most 256 colours, each pixel taking its nearest palette
// colour (no dithering, so the faces stay clean). The colours in keep (pure black and white
// among them) come through exactly, and no other colour ever becomes pure black: the game
// combines the pictures by AND and OR, where black and white carry meaning.
QImage ToFewColors(const QImage& picture, const std::vector<QRgb>& keep);

// How different two colours look: squared distance with rough perceptual weights.
int ColourDistance(QRgb a, QRgb b);

}  // namespace tilesets
