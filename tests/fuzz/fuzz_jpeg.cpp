// Fuzz target for the JPEG reader: the decoder of the backgrounds and the help picture, from
// memory and through LoadPicture as the game reads a ".jpg" file. libjpeg must never reach
// its default error exit, a refused picture keeps the previous one and says why, and an
// accepted one has the size its header gives, within the pixel limit.
#include <cstddef>
#include <cstdint>

#include <QByteArray>
#include <QImage>
#include <QString>

#include "FuzzFile.h"
#include "render/JpegPicture.h"
#include "render/Pictures.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace quorin;
    using fuzz::Check;
    JpegPicture jpeg;
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    if (jpeg.Decode(bytes)) {
        const QImage& image = jpeg.Image();
        Check(!image.isNull() && image.format() == QImage::Format_RGB32);
        Check(qint64{image.width()} * image.height() <= JpegPicture::kMaxPixels);
        // Every scan line was written: reading the last pixel is what ASan would catch.
        (void)image.pixel(image.width() - 1, image.height() - 1);
    } else {
        Check(jpeg.Image().isNull());
        Check(!jpeg.Error().isEmpty());
    }

    const QString path = QString::fromStdString(fuzz::WriteInput(data, size, "fuzz.jpg"));
    const QImage before(3, 2, QImage::Format_RGB32);
    QImage picture = before;
    QString error;
    if (!LoadPicture(path, picture, error)) {
        Check(picture.constBits() == before.constBits());
        Check(error.contains(path));
    }
    return 0;
}
