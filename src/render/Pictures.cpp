#include "render/Pictures.h"

#include <QFileInfo>
#include <QImageReader>

#include "render/JpegPicture.h"

namespace quorin {

namespace {

QString NotReadable(const QString& path, const QString& reason) {
    return QStringLiteral("%1 is not a readable picture: %2").arg(path, reason);
}

}  // namespace

bool LoadPicture(const QString& path, QImage& out, QString& error) {
    const QFileInfo info(path);
    if (!info.exists()) {
        error = QStringLiteral("%1 does not exist.").arg(path);
        return false;
    }
    QImage picture;
    if (path.contains(QLatin1String(".jpg"), Qt::CaseSensitive)) {
        JpegPicture jpeg;
        if (!jpeg.Load(path)) {
            error = NotReadable(path, jpeg.Error());
            return false;
        }
        picture = jpeg.Image();
    } else {
        QImageReader reader(path, "bmp");
        // Only the bitmap reader may answer, even for a file that holds something else.
        reader.setAutoDetectImageFormat(false);
        if (!reader.read(&picture)) {
            error = NotReadable(path, reader.errorString());
            return false;
        }
    }
    if (picture.isNull() || picture.width() <= 0 || picture.height() <= 0) {
        error = NotReadable(path, QStringLiteral("the picture is empty"));
        return false;
    }
    out = picture.convertToFormat(QImage::Format_RGB32);
    return true;
}

}  // namespace quorin
