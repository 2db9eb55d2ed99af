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

TEST_F(PicturesTest, OnlyLowerCaseJpgMeansJpeg) {
    QImage out;
    QString error;
    ASSERT_TRUE(quorin::LoadPicture(Write("tile.JPG", Encoded(picture_, "bmp")), out, error));
    EXPECT_EQ(out, picture_);
    // ".jpg" anywhere in the path counts, even before the real extension.
    EXPECT_FALSE(quorin::LoadPicture(Write("a.jpg.bmp", Encoded(picture_, "bmp")), out, error));
}

TEST_F(PicturesTest, DamagedFilesKeepTheOldPictureAndSayWhy) {
    const QByteArray jpeg = Encoded(picture_, "jpeg");
    const QByteArray bmp = Encoded(picture_, "bmp");
    const QString damaged[] = {
        Write("garbage.jpg", "this is no picture at all"),
        Write("cut.jpg", jpeg.left(jpeg.size() / 2)),
        Write("empty.jpg", {}),
        Write("cut.bmp", bmp.left(40)),
        Write("photo.JPG", jpeg),  // a JPEG is not a bitmap
        dir_.filePath("missing.bmp"),
    };
    const QImage old = Gradient(5, 5);
    for (const QString& path : damaged) {
        QImage out = old;
        QString error;
        EXPECT_FALSE(quorin::LoadPicture(path, out, error)) << path.toStdString();
        EXPECT_TRUE(error.startsWith(path)) << error.toStdString();
        EXPECT_EQ(out, old) << path.toStdString();
    }
}

}  // namespace
