#include "mainwindow/FinerResources.h"

#include <QFile>
#include <QFileInfo>

#include <cmath>

namespace quorin {

namespace {

constexpr int kFinest = 3;

QString VersionPath(const QString& path, int k) {
    if (k == 1)
        return path;
    const QFileInfo info(path);
    return info.path() + "/" + info.completeBaseName() + QStringLiteral("@%1x.png").arg(k);
}

}  // namespace

int ResourceFactorFor(const QString& path, double ratio) {
    int largest = 1;
    for (int k = 2; k <= kFinest; ++k) {
        if (!QFile::exists(VersionPath(path, k)))
            continue;
        if (largest < ratio - 1e-9)
            largest = k;
        else
            break;
    }
    return largest;
}

QImage FinestResource(const QString& path, double ratio) {
    const int k = ResourceFactorFor(path, ratio);
    QImage image(VersionPath(path, k));
    // Qt reads "@2x" in a name as a ratio of its own; the factor is set here in every case.
    if (!image.isNull())
        image.setDevicePixelRatio(k);
    return image;
}

QImage AtRatio(const QImage& image, double ratio) {
    if (image.isNull() || image.devicePixelRatio() == ratio)
        return image;
    const double logicalW = image.width() / image.devicePixelRatio();
    const double logicalH = image.height() / image.devicePixelRatio();
    const QSize size(static_cast<int>(std::lround(logicalW * ratio)),
                     static_cast<int>(std::lround(logicalH * ratio)));
    const QImage source = image.hasAlphaChannel()
                              ? image.convertToFormat(QImage::Format_ARGB32_Premultiplied)
                              : image;
    QImage out = source.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    out.setDevicePixelRatio(ratio);
    return out;
}

}  // namespace quorin
