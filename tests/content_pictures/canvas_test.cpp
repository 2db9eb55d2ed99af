// The helpers gen_pictures draws with: the properties the pictures depend on.

#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include "Canvas.h"

namespace {

using pictures::kGirlKey;

TEST(Canvas, NoiseWrapsAroundThePicture) {
    const pictures::TileNoise noise(176, 156, 3, 3, 4, 5);
    for (double x : {0.0, 13.5, 88.0, 175.0}) {
        for (double y : {0.0, 40.25, 155.0}) {
            EXPECT_NEAR(noise.At(x, y), noise.At(x + 176, y), 1e-9);
            EXPECT_NEAR(noise.At(x, y), noise.At(x, y + 156), 1e-9);
            EXPECT_GE(noise.At(x, y), 0.0);
            EXPECT_LE(noise.At(x, y), 1.0);
        }
    }
}

TEST(Canvas, SameSeedSameDrawing) {
    pictures::Rng a(42), b(42), c(43);
    bool differs = false;
    for (int i = 0; i < 100; ++i) {
        const uint32_t va = a.Next();
        EXPECT_EQ(va, b.Next());
        differs |= va != c.Next();
        const double r = a.Range(-3, 5);
        b.Range(-3, 5);
        EXPECT_GE(r, -3);
        EXPECT_LT(r, 5);
    }
    EXPECT_TRUE(differs);
}

// Half-covered edge pixels decide between the key and a solid colour; no solid pixel may
// come out as the key, or the game would punch a hole in the picture there.
TEST(Canvas, FlatteningKeepsTheKeyForTransparencyOnly) {
    QImage art(4, 1, QImage::Format_ARGB32);
    art.setPixel(0, 0, qRgba(0, 0, 0, 0));
    art.setPixel(1, 0, qRgba(200, 100, 50, 100));
    art.setPixel(2, 0, qRgba(132, 255, 132, 255));
    art.setPixel(3, 0, qRgba(200, 100, 50, 200));
    const QImage flat = pictures::FlattenOnKey(art, kGirlKey, QColor(0, 0, 0));
    EXPECT_EQ(flat.pixel(0, 0) & 0xFFFFFF, kGirlKey.rgb() & 0xFFFFFF);
    EXPECT_EQ(flat.pixel(1, 0) & 0xFFFFFF, kGirlKey.rgb() & 0xFFFFFF);
    EXPECT_NE(flat.pixel(2, 0) & 0xFFFFFF, kGirlKey.rgb() & 0xFFFFFF);
    // Blended towards the fringe colour by its coverage.
    EXPECT_EQ(qRed(flat.pixel(3, 0)), pictures::Clamp255(200 * 200 / 255.0));
}

TEST(Canvas, BasePlusOverlayGivesTheVariantBack) {
    QImage base(8, 8, QImage::Format_RGB32), variant(8, 8, QImage::Format_RGB32);
    pictures::Rng rng(3);
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x) {
            const QRgb b = qRgb(rng.Int(200), rng.Int(200), rng.Int(200));
            base.setPixel(x, y, b);
            variant.setPixel(x, y, rng.Int(3) == 0 ? qRgb(rng.Int(200), 10, 20) : b);
        }
    }
    const QImage overlay = pictures::OverlayOf(base, variant, kGirlKey);
    int keyed = 0;
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x) {
            const QRgb o = overlay.pixel(x, y);
            const bool transparent = (o & 0xFFFFFF) == (kGirlKey.rgb() & 0xFFFFFF);
            keyed += transparent;
            EXPECT_EQ((transparent ? base.pixel(x, y) : o) & 0xFFFFFF,
                      variant.pixel(x, y) & 0xFFFFFF);
        }
    }
    EXPECT_GT(keyed, 0);
    EXPECT_LT(keyed, 64);
}

TEST(Canvas, WritersMakeWhatTheGameReads) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QImage img(10, 6, QImage::Format_ARGB32);
    img.fill(qRgba(10, 200, 30, 255));
    const QString bmp = dir.filePath("sub/a.bmp"), jpg = dir.filePath("b.jpg");
    ASSERT_TRUE(pictures::SaveBmp24(img, bmp));  // creates the folder too
    ASSERT_TRUE(pictures::SaveJpeg(img, jpg, 85));
    QFile f(bmp);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray head = f.read(30);
    EXPECT_EQ(uint8_t(head[28]), 24);
    EXPECT_EQ(QImage(bmp).pixel(3, 3) & 0xFFFFFF, qRgb(10, 200, 30) & 0xFFFFFF);
    EXPECT_FALSE(QImage(jpg).isNull());
    EXPECT_FALSE(pictures::SaveBmp24(img, dir.filePath("b.jpg/x.bmp")));  // a file in the way
}

}  // namespace
