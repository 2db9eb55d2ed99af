#include "Canvas.h"

#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace pictures {

uint32_t Rng::Next() {
    // xorshift32: tiny, fast and the same everywhere.
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return state_;
}

double Rng::Uniform() {
    return (Next() >> 8) / double(1u << 24);
}

double Rng::Range(double lo, double hi) {
    return lo + (hi - lo) * Uniform();
}

int Rng::Int(int n) {
    return int(Uniform() * n);
}

TileNoise::TileNoise(int w, int h, int cellsX, int cellsY, int octaves, uint32_t seed)
    : w_(w), h_(h) {
    Rng rng(seed);
    for (int o = 0; o < octaves; ++o) {
        Layer l;
        l.cx = cellsX << o;
        l.cy = cellsY << o;
        l.v.resize(size_t(l.cx) * l.cy);
        for (float& f : l.v)
            f = float(rng.Uniform());
        layers_.push_back(std::move(l));
    }
}

double TileNoise::At(double x, double y) const {
    double sum = 0, norm = 0, amp = 1;
    for (const Layer& l : layers_) {
        const double fx = x * l.cx / w_, fy = y * l.cy / h_;
        const double ix = std::floor(fx), iy = std::floor(fy);
        double tx = fx - ix, ty = fy - iy;
        tx = tx * tx * (3 - 2 * tx);
        ty = ty * ty * (3 - 2 * ty);
        auto cell = [&](int cx, int cy) {
            cx = ((cx % l.cx) + l.cx) % l.cx;
            cy = ((cy % l.cy) + l.cy) % l.cy;
            return l.v[size_t(cy) * l.cx + cx];
        };
        const int x0 = int(ix), y0 = int(iy);
        const double a = cell(x0, y0) + (cell(x0 + 1, y0) - cell(x0, y0)) * tx;
        const double b = cell(x0, y0 + 1) + (cell(x0 + 1, y0 + 1) - cell(x0, y0 + 1)) * tx;
        sum += amp * (a + (b - a) * ty);
        norm += amp;
        amp *= 0.5;
    }
    return sum / norm;
}

int Clamp255(double v) {
    return std::clamp(int(std::lround(v)), 0, 255);
}

QColor Mix(const QColor& a, const QColor& b, double t) {
    return QColor(Clamp255(a.red() + (b.red() - a.red()) * t),
                  Clamp255(a.green() + (b.green() - a.green()) * t),
                  Clamp255(a.blue() + (b.blue() - a.blue()) * t));
}

QColor Shade(const QColor& c, double k) {
    if (k <= 1.0)
        return QColor(Clamp255(c.red() * k), Clamp255(c.green() * k), Clamp255(c.blue() * k));
    return Mix(c, Qt::white, k - 1.0);
}

QImage FlattenOnKey(const QImage& argb, const QColor& key, const QColor& fringe) {
    const QImage src = argb.convertToFormat(QImage::Format_ARGB32);
    QImage out(src.size(), QImage::Format_RGB32);
    const QRgb keyRgb = key.rgb();
    for (int y = 0; y < src.height(); ++y) {
        const QRgb* s = reinterpret_cast<const QRgb*>(src.constScanLine(y));
        QRgb* d = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < src.width(); ++x) {
            const int a = qAlpha(s[x]);
            if (a < 128) {
                d[x] = keyRgb;
                continue;
            }
            const double t = a / 255.0;
            QRgb c = qRgb(Clamp255(qRed(s[x]) * t + fringe.red() * (1 - t)),
                          Clamp255(qGreen(s[x]) * t + fringe.green() * (1 - t)),
                          Clamp255(qBlue(s[x]) * t + fringe.blue() * (1 - t)));
            if ((c & 0xFFFFFF) == (keyRgb & 0xFFFFFF))
                c = qRgb(qRed(c) ^ 1, qGreen(c), qBlue(c));
            d[x] = c;
        }
    }
    return out;
}

QImage OverlayOf(const QImage& base, const QImage& variant, const QColor& key) {
    QImage out(base.size(), QImage::Format_RGB32);
    for (int y = 0; y < base.height(); ++y) {
        for (int x = 0; x < base.width(); ++x) {
            const QRgb b = base.pixel(x, y), v = variant.pixel(x, y);
            out.setPixel(x, y, (b & 0xFFFFFF) == (v & 0xFFFFFF) ? key.rgb() : v);
        }
    }
    return out;
}

void Seigaiha(QPainter& p, const QRectF& area, double r, const QColor& fill, const QColor& line,
              int rings) {
    // Drawn on a layer of its own: each fan replaces (not blends with) what lies under it,
    // so a see-through fill still hides the arcs of the row above.
    const QRect box = area.toAlignedRect();
    QImage layer(box.size(), QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    QPainter q(&layer);
    q.setRenderHint(QPainter::Antialiasing);
    q.translate(-box.topLeft());
    const QPen pen(line, std::max(0.6, r / 10));
    const double y0 = std::floor(box.top() / r) * r - r;
    for (int j = 0; y0 + j * r / 2 < box.bottom() + r; ++j) {
        const double y = y0 + j * r / 2;
        const double shift = (j % 2) ? r : 0;
        const double x0 = std::floor(box.left() / (2 * r)) * 2 * r - 2 * r;
        for (double x = x0 + shift; x < box.right() + 2 * r; x += 2 * r) {
            q.setCompositionMode(QPainter::CompositionMode_Source);
            q.setPen(Qt::NoPen);
            q.setBrush(fill);
            q.drawEllipse(QPointF(x, y), r + pen.widthF() / 2, r + pen.widthF() / 2);
            q.setCompositionMode(QPainter::CompositionMode_SourceOver);
            q.setPen(pen);
            q.setBrush(Qt::NoBrush);
            for (int k = 0; k < rings; ++k)
                q.drawEllipse(QPointF(x, y), r * (1.0 - double(k) / rings),
                              r * (1.0 - double(k) / rings));
        }
    }
    q.end();
    p.save();
    p.setClipRect(area);
    p.drawImage(box.topLeft(), layer);
    p.restore();
}

QFont PixelFont(const char* family, int px, int weight, bool italic) {
    QFont f(QString::fromUtf8(family));
    f.setPixelSize(px);
    f.setWeight(QFont::Weight(weight));
    f.setItalic(italic);
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

namespace {

bool Write(const QImage& img, const QString& path, const char* format, int quality) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QImageWriter w(path, format);
    if (quality >= 0)
        w.setQuality(quality);
    if (!w.write(img)) {
        std::fprintf(stderr, "gen_pictures: cannot write %s: %s\n", qPrintable(path),
                     qPrintable(w.errorString()));
        return false;
    }
    return true;
}

}  // namespace

bool SaveBmp24(const QImage& img, const QString& path) {
    // Qt writes a 32-bit picture as a 24-bit BMP without alpha, which the game expects.
    return Write(img.convertToFormat(QImage::Format_RGB32), path, "bmp", -1);
}

bool SaveJpeg(const QImage& img, const QString& path, int quality) {
    // Qt's writer makes baseline, non-progressive JPEG files by default.
    return Write(img.convertToFormat(QImage::Format_RGB32), path, "jpeg", quality);
}

bool SavePng(const QImage& img, const QString& path) {
    return Write(img, path, "png", -1);
}

}  // namespace pictures
