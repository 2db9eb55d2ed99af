#include "render/Pictures.h"

#include <QBuffer>
#include <QImageReader>

#include <cstdint>

#include "platform/SafeFile.h"
#include "render/JpegPicture.h"

namespace quorin {

namespace {

QString NotReadable(const QString& path, const QString& reason) {
    return QStringLiteral("%1 is not a readable picture: %2").arg(path, reason);
}

uint32_t Le32(const QByteArray& d, int at) {
    const auto b = [&](int i) { return static_cast<uint32_t>(static_cast<uint8_t>(d[at + i])); };
    return b(0) | b(1) << 8 | b(2) << 16 | b(3) << 24;
}

uint16_t Le16(const QByteArray& d, int at) {
    return static_cast<uint16_t>(static_cast<uint8_t>(d[at]) | static_cast<uint8_t>(d[at + 1])
                                                                   << 8);
}

bool IsJpeg(const QByteArray& data) {
    return data.size() >= 3 && static_cast<uint8_t>(data[0]) == 0xFF &&
           static_cast<uint8_t>(data[1]) == 0xD8 && static_cast<uint8_t>(data[2]) == 0xFF;
}

}  // namespace

QString BitmapFault(const QByteArray& data) {
    constexpr int kFileHeader = 14;
    if (data.size() < kFileHeader + 12)
        return QStringLiteral("the file is too short for a bitmap");
    if (data[0] != 'B' || data[1] != 'M')
        return QStringLiteral("the file is not a bitmap");
    const auto size = static_cast<uint64_t>(data.size());
    const uint32_t offset = Le32(data, 10);
    const uint32_t infoSize = Le32(data, 14);
    if (infoSize < 12 || kFileHeader + uint64_t{infoSize} > size)
        return QStringLiteral("the bitmap header is cut short");
    int64_t width = 0, height = 0;
    uint32_t depth = 0, compression = 0;
    if (infoSize == 12) {  // the old OS/2 header
        width = Le16(data, 18);
        height = Le16(data, 20);
        depth = Le16(data, 24);
    } else {
        if (infoSize < 40)
            return QStringLiteral("the bitmap header has an unknown size (%1)").arg(infoSize);
        width = static_cast<int32_t>(Le32(data, 18));
        height = static_cast<int32_t>(Le32(data, 22));
        depth = Le16(data, 28);
        compression = Le32(data, 30);
    }
    if (width <= 0 || height == 0)
        return QStringLiteral("the bitmap has no pixels (%1 x %2)").arg(width).arg(height);
    if (depth != 1 && depth != 4 && depth != 8 && depth != 16 && depth != 24 && depth != 32)
        return QStringLiteral("the bitmap has an unknown depth (%1 bits)").arg(depth);
    if (offset < kFileHeader + uint64_t{infoSize} || offset >= size)
        return QStringLiteral("the pixels start outside the file (at %1 of %2 bytes)")
            .arg(offset)
            .arg(size);
    // Run-length encoded pixels have no fixed size; the decoder checks those as it goes.
    constexpr uint32_t kRgb = 0, kBitfields = 3;
    if (compression == kRgb || compression == kBitfields) {
        const uint64_t row = (static_cast<uint64_t>(width) * depth + 31) / 32 * 4;
        const uint64_t rows = static_cast<uint64_t>(height < 0 ? -height : height);
        if (offset + row * rows > size)
            return QStringLiteral("the file is truncated (%1 bytes of pixels expected, %2 found)")
                .arg(row * rows)
                .arg(size - offset);
    }
    return {};
}

bool DecodePicture(const QByteArray& data, const QString& label, QImage& out, QString& error) {
    QImage picture;
    if (IsJpeg(data)) {
        JpegPicture jpeg;
        if (!jpeg.Decode(data)) {
            error = NotReadable(label, jpeg.Error());
            return false;
        }
        picture = jpeg.Image();
    } else {
        if (const QString fault = BitmapFault(data); !fault.isEmpty()) {
            error = NotReadable(label, fault);
            return false;
        }
        QBuffer buffer;
        buffer.setData(data);
        buffer.open(QIODevice::ReadOnly);
        QImageReader reader(&buffer, "bmp");
        // Only the bitmap reader may answer, even for a file that holds something else.
        reader.setAutoDetectImageFormat(false);
        if (!reader.read(&picture)) {
            error = NotReadable(label, reader.errorString());
            return false;
        }
    }
    if (picture.isNull() || picture.width() <= 0 || picture.height() <= 0) {
        error = NotReadable(label, QStringLiteral("the picture is empty"));
        return false;
    }
    out = picture.convertToFormat(QImage::Format_RGB32);
    return true;
}

bool LoadPicture(const QString& path, QImage& out, QString& error) {
    const std::string name = path.toStdString();
    const ReadResult read = ReadRegularFile(name, kMaxPictureBytes);
    if (!read.ok) {
        error = QString::fromStdString(ReadFailureMessage(name, read.error));
        return false;
    }
    const QByteArray data(read.data.data(), static_cast<qsizetype>(read.data.size()));
    return DecodePicture(data, QString::fromStdString(EscapeForMessage(name)), out, error);
}

}  // namespace quorin
