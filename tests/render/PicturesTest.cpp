#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "render/Pictures.h"

namespace {

QImage Gradient(int w, int h) {
    QImage img(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            img.setPixel(x, y, qRgb(x * 3 % 256, y * 5 % 256, 90));
    return img;
}

QByteArray Encoded(const QImage& img, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    img.save(&buffer, format);
    return bytes;
}

// A progressive grey JPEG whose frame claims `width` x `height` and whose scans carry almost
// no data: the decoder invents every block, once per scan.
QByteArray HollowJpeg(int width, int height, int acScans) {
    auto segment = [](char marker, const QByteArray& payload) {
        const int length = static_cast<int>(payload.size()) + 2;
        return QByteArray("\xff") + marker + char(length >> 8) + char(length & 0xff) + payload;
    };
    QByteArray out("\xff\xd8");
    out += segment('\xdb', QByteArray(1, '\0') + QByteArray(64, '\1'));
    out += segment('\xc2', QByteArray("\x08", 1) + char(height >> 8) + char(height & 0xff) +
                               char(width >> 8) + char(width & 0xff) +
                               QByteArray("\x01\x01\x11\x00", 4));
    // One 1-bit code in each table: no DC difference, end of block.
    const QByteArray oneCode = QByteArray(1, '\1') + QByteArray(15, '\0') + QByteArray(1, '\0');
    out += segment('\xc4', QByteArray(1, '\x00') + oneCode);
    out += segment('\xc4', QByteArray(1, '\x10') + oneCode);
    out += segment('\xda', QByteArray("\x01\x01\x00\x00\x00\x00", 6)) + QByteArray(2, '\0');
    for (int i = 0; i < acScans; ++i)
        out += segment('\xda', QByteArray("\x01\x01\x00\x01\x3f\x00", 6)) + QByteArray(1, '\0');
    return out + "\xff\xd9";
}

class PicturesTest : public ::testing::Test {
  protected:
    QString Write(const QString& name, const QByteArray& bytes) {
        const QString path = dir_.filePath(name);
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return path;
    }

    QTemporaryDir dir_;
    const QImage picture_ = Gradient(60, 40);
};

TEST_F(PicturesTest, JpegDecodesLikeQtsOwnReader) {
    for (const QImage& img : {picture_, picture_.convertToFormat(QImage::Format_Grayscale8)}) {
        const QString path = Write("sky.jpg", Encoded(img, "jpeg"));
        QImage out;
        QString error;
        ASSERT_TRUE(quorin::LoadPicture(path, out, error)) << error.toStdString();
        EXPECT_EQ(out.format(), QImage::Format_RGB32);
        EXPECT_EQ(out, QImage(path, "jpeg").convertToFormat(QImage::Format_RGB32));
    }
}

// Small files that would keep the decoder busy for minutes are refused before decoding.
TEST_F(PicturesTest, JpegsTheirDataCannotBackAreRefused) {
    QImage out;
    QString error;
    EXPECT_TRUE(quorin::DecodePicture(HollowJpeg(64, 48, 5), "hollow.jpg", out, error))
        << error.toStdString();
    EXPECT_EQ(out.size(), QSize(64, 48));

    out = QImage();
    EXPECT_FALSE(quorin::DecodePicture(HollowJpeg(65297, 255, 20), "bomb.jpg", out, error));
    EXPECT_EQ(error.toStdString(),
              "bomb.jpg is not a readable picture: the file is too short for a picture of 65297 x "
              "255 pixels");
    EXPECT_FALSE(quorin::DecodePicture(HollowJpeg(64, 48, 150), "scans.jpg", out, error));
    EXPECT_TRUE(error.endsWith("the picture has more than 100 scans")) << error.toStdString();
    EXPECT_TRUE(out.isNull());
}

TEST_F(PicturesTest, ContentNotNameChoosesTheDecoder) {
    QImage out;
    QString error;
    ASSERT_TRUE(quorin::LoadPicture(Write("PHOTO.JPG", Encoded(picture_, "jpeg")), out, error))
        << error.toStdString();
    EXPECT_EQ(out.size(), picture_.size());
    ASSERT_TRUE(quorin::LoadPicture(Write("a.jpg.bmp", Encoded(picture_, "bmp")), out, error))
        << error.toStdString();
    EXPECT_EQ(out, picture_);
}

// Headers that promise more than the file holds would make the decoder draw memory that
// was never written.
TEST_F(PicturesTest, InconsistentBitmapsAreRefused) {
    const QByteArray bmp = Encoded(picture_, "bmp");
    ASSERT_TRUE(quorin::BitmapFault(bmp).isEmpty()) << quorin::BitmapFault(bmp).toStdString();
    auto patched = [&](int at, uint32_t value, int bytes) {
        QByteArray d = bmp;
        for (int i = 0; i < bytes; ++i)
            d[at + i] = static_cast<char>(value >> (8 * i));
        return d;
    };
    const QByteArray bad[] = {
        bmp.left(bmp.size() - 7),         // pixels cut short
        patched(10, bmp.size() + 10, 4),  // pixels start past the end
        patched(10, 4, 4),                // pixels inside the headers
        patched(28, 7, 2),                // no such depth
        patched(18, 0, 4),                // no width
        patched(22, 4000, 4),             // taller than the file holds
    };
    for (const QByteArray& d : bad) {
        EXPECT_FALSE(quorin::BitmapFault(d).isEmpty());
        QImage out;
        QString error;
        EXPECT_FALSE(quorin::DecodePicture(d, "x.bmp", out, error));
        EXPECT_TRUE(error.startsWith("x.bmp is not a readable picture: ")) << error.toStdString();
    }
}

TEST_F(PicturesTest, DamagedFilesKeepTheOldPictureAndSayWhy) {
    const QByteArray jpeg = Encoded(picture_, "jpeg");
    const QByteArray bmp = Encoded(picture_, "bmp");
    const QString damaged[] = {
        Write("garbage.jpg", "this is no picture at all"),
        Write("cut.jpg", jpeg.left(jpeg.size() / 2)),
        Write("empty.jpg", {}),
        Write("cut.bmp", bmp.left(40)),
        Write("cut2.bmp", bmp.left(bmp.size() - 1)),
    };
    const QImage old = Gradient(5, 5);
    for (const QString& path : damaged) {
        QImage out = old;
        QString error;
        EXPECT_FALSE(quorin::LoadPicture(path, out, error)) << path.toStdString();
        EXPECT_TRUE(error.startsWith(path)) << error.toStdString();
        EXPECT_EQ(out, old) << path.toStdString();
    }
    // A file that is not there, or not a regular file, is refused with the system's reason.
    QImage out = old;
    QString error;
    EXPECT_FALSE(quorin::LoadPicture(dir_.filePath("missing.bmp"), out, error));
    EXPECT_EQ(error,
              "Unable to read " + dir_.filePath("missing.bmp") + ": No such file or directory");
    EXPECT_FALSE(quorin::LoadPicture(dir_.path(), out, error));
    EXPECT_TRUE(error.endsWith(": it is a folder")) << error.toStdString();
    EXPECT_EQ(out, old);
}

}  // namespace
