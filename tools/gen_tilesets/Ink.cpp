#include "Ink.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QTransform>
#include <algorithm>
#include <cmath>

namespace tilesets {

namespace {
const char kFaceFamily[] = "WenQuanYi Micro Hei";
}

bool LoadFaceFont(QString* error) {
    if (QFontDatabase::hasFamily(kFaceFamily))
        return true;
    *error = QStringLiteral(
                 "the font \"%1\" is not installed; it comes with the Debian package "
                 "fonts-wqy-microhei")
                 .arg(kFaceFamily);
    return false;
}

QFont FaceFont(int pixelSize, bool bold) {
    QFont font(kFaceFamily);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferFullHinting);
    // A glyph borrowed from another font would silently change the look of a face.
    font.setStyleStrategy(QFont::NoFontMerging);
    return font;
}

double DeviceScale(const QPainter& p) {
    return std::sqrt(std::abs(p.worldTransform().determinant()));
}

void DrawGlyphs(QPainter& p, const QString& text, int pixelSize, bool bold, QPointF centre,
                const QColor& colour) {
    // Laid out in device pixels at the scaled size, so the hinting works at every scale.
    const double scale = DeviceScale(p);
    const QFont font = FaceFont(static_cast<int>(std::lround(pixelSize * scale)), bold);
    const QRectF ink = QFontMetricsF(font).tightBoundingRect(text);
    const QPointF origin = p.worldTransform().map(centre) - ink.center();
    p.save();
    p.resetTransform();
    p.setFont(font);
    p.setPen(colour);
    p.drawText(QPointF(std::round(origin.x()), std::round(origin.y())), text);
    p.restore();
}

namespace {

void FillOutline(QPainter& p, const QPainterPath& path, double bold, const QColor& colour) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(colour);
    if (bold > 0) {
        p.setPen(QPen(colour, bold, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    } else {
        p.setPen(Qt::NoPen);
    }
    p.drawPath(path);
    p.restore();
}

// How blurred a drawing is: the sum over pixels of the smaller of coverage and its complement.
long Blur(const QImage& coverage) {
    long blur = 0;
    for (int y = 0; y < coverage.height(); ++y) {
        for (int x = 0; x < coverage.width(); ++x) {
            const int a = qAlpha(coverage.pixel(x, y));
            blur += std::min(a, 255 - a);
        }
    }
    return blur;
}

QPainterPath TextOutline(const QString& text, double pixelSize) {
    QFont font(kFaceFamily);
    font.setPixelSize(200);  // outlines from a large size, scaled down exactly
    font.setStyleStrategy(QFont::NoFontMerging);
    QPainterPath path;
    path.addText(0, 0, font, text);
    return QTransform::fromScale(pixelSize / 200, pixelSize / 200).map(path);
}

// Works in device pixels: the path and the stroke width are scaled first, and the shift is
// a fraction of a device pixel.
void DrawSharpest(QPainter& p, const QPainterPath& shape, double shapeBold, const QColor& colour) {
    const QPainterPath path = p.worldTransform().map(shape);
    const double bold = shapeBold * DeviceScale(p);
    const QRect area = path.boundingRect().toAlignedRect().adjusted(-3, -3, 3, 3);
    QPointF best;
    long bestBlur = -1;
    for (int i = 0; i < 8; ++i) {
        for (int j = 0; j < 8; ++j) {
            const QPointF shift((i - 4) / 8.0, (j - 4) / 8.0);
            QImage trial(area.size(), QImage::Format_ARGB32_Premultiplied);
            trial.fill(Qt::transparent);
            QPainter tp(&trial);
            FillOutline(tp, path.translated(shift - area.topLeft()), bold, Qt::black);
            tp.end();
            const long blur = Blur(trial);
            if (bestBlur < 0 || blur < bestBlur) {
                bestBlur = blur;
                best = shift;
            }
        }
    }
    p.save();
    p.resetTransform();
    FillOutline(p, path.translated(best), bold, colour);
    p.restore();
}

}  // namespace

void DrawOutlineFitted(QPainter& p, const QString& text, const QRectF& box, double bold,
                       const QColor& colour) {
    QPainterPath path = TextOutline(text, 100);
    const QRectF ink = path.boundingRect();
    const double k =
        std::min((box.width() - bold) / ink.width(), (box.height() - bold) / ink.height());
    path = QTransform::fromScale(k, k).map(path);
    DrawSharpest(p, path.translated(box.center() - path.boundingRect().center()), bold, colour);
}

void DrawOutline(QPainter& p, const QString& text, double pixelSize, QPointF centre, double bold,
                 const QColor& colour) {
    const QPainterPath path = TextOutline(text, pixelSize);
    DrawSharpest(p, path.translated(centre - path.boundingRect().center()), bold, colour);
}

}  // namespace tilesets
