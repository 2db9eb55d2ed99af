#include <QFile>
#include <QPainter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "SyntheticTileset.h"
#include "board/Tiles.h"
#include "render/Tileset.h"

namespace {

using quorin::Tileset;

// Every sprite is the blank tile with its face laid in 6 px from the left.
void ExpectSpritesComposed(const Tileset& tileset) {
    const QImage& source = tileset.TilesetSource();
    for (int face = 1; face <= quorin::kFaceCount; ++face) {
        QImage expected = source.copy(Tileset::kBlankTile);
        QPainter(&expected).drawImage(6, 0,
                                      testpics::MaskPaint(source.copy(Tileset::kBlankFace),
                                                          source.copy(Tileset::FaceMask(face)),
                                                          source.copy(Tileset::FaceCell(face))));
        ASSERT_EQ(tileset.TileSprites().copy(QRect(Tileset::SpriteSlot(face), QSize(46, 56))),
                  expected)
            << "face " << face;
    }
}

TEST(Tileset, SpritesAreComposedFromThePicture) {
    Tileset tileset;
    ASSERT_TRUE(tileset.SetPicture(testpics::MakeTileset(), "synthetic", nullptr));
    ExpectSpritesComposed(tileset);
    // Craks 1 sits in column 0 of row 2, the north wind in column 7 of row 3.
    EXPECT_EQ(Tileset::SpriteSlot(1), QPoint(0, 112));
    EXPECT_EQ(Tileset::FaceCell(42), QRect(288, 154, 40, 50));

    const QString shipped = QUORIN_SOURCE_DIR "/data/Tilesets/pai.bmp";
    QString error;
    ASSERT_TRUE(tileset.Load(shipped, &error)) << error.toStdString();
    ExpectSpritesComposed(tileset);
}

TEST(Tileset, RefusedPicturesKeepThePreviousOne) {
    Tileset tileset;
    ASSERT_TRUE(tileset.SetPicture(testpics::MakeTileset(), "first", nullptr));
    const QImage source = tileset.TilesetSource();
    const QImage sprites = tileset.TileSprites();

    QString error;
    QImage narrow(369, 576, QImage::Format_RGB32);  // the last face column would be cut
    narrow.fill(Qt::white);
    EXPECT_FALSE(tileset.SetPicture(narrow, "narrow.bmp", &error));
    EXPECT_TRUE(error.contains("narrow.bmp is too small")) << error.toStdString();

    QTemporaryDir dir;
    const QString damaged = dir.filePath("damaged.bmp");
    QFile f(damaged);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("BM this is not a bitmap");
    f.close();
    EXPECT_FALSE(tileset.Load(damaged, &error));
    EXPECT_TRUE(error.startsWith(damaged)) << error.toStdString();

    EXPECT_EQ(tileset.TilesetSource(), source);
    EXPECT_EQ(tileset.TileSprites(), sprites);
}

}  // namespace
