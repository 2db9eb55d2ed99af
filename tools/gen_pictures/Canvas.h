// Small drawing helpers shared by every picture of gen_pictures.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QString>

#include <cstdint>
#include <vector>

class QPainter;

namespace pictures {

// The game draws bitmaps with black or with this green as the transparent colour.
inline const QColor kBlackKey(0, 0, 0);
inline const QColor kGirlKey(132, 255, 132);

// Deterministic generator, so every run draws the same pictures on every machine.
class Rng {
  public:
    explicit Rng(uint32_t seed) : state_(seed * 2654435761u + 0x9E3779B9u) {}
    uint32_t Next();
    double Uniform();                    // [0, 1)
    double Range(double lo, double hi);  // [lo, hi)
    int Int(int n);                      // 0..n-1

  private:
    uint32_t state_;
};

// Smooth value noise that wraps around a w x h picture, so tiled backgrounds stay seamless.
// Octaves start with `cells` lattice cells across and double up to `octaves` times.
class TileNoise {
  public:
    TileNoise(int w, int h, int cellsX, int cellsY, int octaves, uint32_t seed);
    double At(double x, double y) const;  // about 0..1

  private:
    struct Layer {
        int cx, cy;
        std::vector<float> v;
    };
    int w_, h_;
    std::vector<Layer> layers_;
};

int Clamp255(double v);
QColor Mix(const QColor& a, const QColor& b, double t);
QColor Shade(const QColor& c, double k);  // k < 1 darker, k > 1 towards white

// Draws a premultiplied ARGB picture onto a flat key colour the way the game will see it:
// pixels less than half covered become the key, the rest are blended over `fringe` (a colour
// close to what lies behind the picture in the game) and nudged off the key if they hit it.
QImage FlattenOnKey(const QImage& argb, const QColor& key, const QColor& fringe);

// Per-pixel difference: `variant` where it differs from `base`, the key elsewhere.
QImage OverlayOf(const QImage& base, const QImage& variant, const QColor& key);

// Blue-wave scales: rows of overlapping fans of concentric arcs, radius r, filling `area`.
// Repeats every 2r across and every r down.
void Seigaiha(QPainter& p, const QRectF& area, double r, const QColor& fill, const QColor& line,
              int rings);

// A font by family and pixel size, with hinting off so text draws the same at any position.
QFont PixelFont(const char* family, int px, int weight = QFont::Normal, bool italic = false);

// Writers; each reports what went wrong on stderr and returns false.
bool SaveBmp24(const QImage& img, const QString& path);
bool SaveJpeg(const QImage& img, const QString& path, int quality);
bool SavePng(const QImage& img, const QString& path);

}  // namespace pictures
