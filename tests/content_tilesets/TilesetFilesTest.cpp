// The four tilesets shipped in data/Tilesets: their layout, and that every picture combines
// correctly by AND / OR, which is how the board draws them.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QString>
#include <set>
#include <vector>

namespace {

const char* const kFiles[] = {"pai.bmp", "darkpai.bmp", "bluepai.bmp", "pai256.bmp"};

constexpr int kFaceW = 40, kFaceH = 50, kTileW = 46, kTileH = 56;
const QPoint kBlankTile(0, 256), kBlankFace(6, 256), kSelectTint(52, 256), kHintTint(98, 256),
    kTileMask(138, 256), kCornerMask(178, 306);

// Top-left of the face cell of face 1..42 (the mask sits 312 px lower).
QPoint FaceCell(int face) {
    int col, row;
    if (face <= 9) {
        col = face - 1, row = 2;
    } else if (face <= 18) {
        col = face - 10, row = 1;
    } else if (face <= 27) {
        col = face - 19, row = 0;
    } else if (face <= 31) {
        col = face - 28, row = 4;
    } else if (face <= 35) {
        col = face - 32, row = 3;
    } else if (face <= 38) {
        col = face - 36 + 4, row = 4;
    } else {
        col = face - 39 + 4, row = 3;
    }
    return QPoint(41 * col + 1, 51 * row + 1);
}
QPoint FaceMask(int face) {
    return FaceCell(face) + QPoint(0, 312);
}

QString PathOf(const char* file) {
    return QStringLiteral(QUORIN_SOURCE_DIR "/data/Tilesets/") + QString::fromLatin1(file);
}

bool IsBlack(QRgb c) {
    return (c & 0xffffff) == 0;
}
bool IsWhite(QRgb c) {
    return (c & 0xffffff) == 0xffffff;
}

QImage Region(const QImage& picture, QPoint at, int w, int h) {
    return picture.copy(QRect(at, QSize(w, h)));
}

double MeanDifference(const QImage& a, const QImage& b) {
    double sum = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                   std::abs(qBlue(p) - qBlue(q));
        }
    }
    return sum / (3.0 * a.width() * a.height());
}

class TilesetFile : public ::testing::TestWithParam<const char*> {
  protected:
    void SetUp() override {
        raw_ = QImage(PathOf(GetParam()));
        ASSERT_FALSE(raw_.isNull()) << "cannot read " << PathOf(GetParam()).toStdString();
        picture_ = raw_.convertToFormat(QImage::Format_RGB32);
    }
    QImage raw_;      // as the file loads
    QImage picture_;  // in RGB32, as the game combines it
};

TEST_P(TilesetFile, IsABitmapOfTheRightSizeAndDepth) {
    EXPECT_EQ(raw_.size(), QSize(384, 576));
    QFile file(PathOf(GetParam()));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray header = file.read(30);
    ASSERT_EQ(header.left(2), "BM");
    const int bitsPerPixel = static_cast<unsigned char>(header[28]);
    if (QString(GetParam()) == "pai256.bmp") {
        EXPECT_EQ(bitsPerPixel, 8);
        EXPECT_EQ(raw_.format(), QImage::Format_Indexed8);
        EXPECT_LE(raw_.colorCount(), 256);
    } else {
        EXPECT_EQ(bitsPerPixel, 24);
    }
}

TEST_P(TilesetFile, TileMaskIsTheShapeOfTheBlankTile) {
    const QImage blank = Region(picture_, kBlankTile, kTileW, kTileH);
    const QImage mask = Region(picture_, kTileMask, kTileW, kTileH);
    for (int y = 0; y < kTileH; ++y) {
        for (int x = 0; x < kTileW; ++x) {
            const QRgb m = mask.pixel(x, y);
            ASSERT_TRUE(IsBlack(m) || IsWhite(m)) << "mask pixel " << x << "," << y;
            ASSERT_EQ(IsBlack(m), !IsBlack(blank.pixel(x, y))) << "pixel " << x << "," << y;
        }
    }
    // The face and the edges belong to the tile; the top-left and bottom-right corners are
    // cut off by the diagonals that join face and edge.
    for (int y = 0; y < kFaceH; ++y) {
        for (int x = 6; x < kTileW; ++x)
            ASSERT_TRUE(IsBlack(mask.pixel(x, y))) << x << "," << y;
    }
    EXPECT_TRUE(IsBlack(mask.pixel(0, 55)));   // bottom-left: where the two edges meet
    EXPECT_TRUE(IsBlack(mask.pixel(0, 10)));   // left edge
    EXPECT_TRUE(IsBlack(mask.pixel(20, 53)));  // bottom edge
    EXPECT_TRUE(IsWhite(mask.pixel(0, 0)));
    EXPECT_TRUE(IsWhite(mask.pixel(45, 55)));

    // The corner mask is the bottom-right of the tile: black towards the tile, white
    // towards the outside.
    const QImage corner = Region(picture_, kCornerMask, 6, 6);
    EXPECT_TRUE(IsBlack(corner.pixel(0, 0)));
    EXPECT_TRUE(IsWhite(corner.pixel(5, 5)));
}

TEST_P(TilesetFile, EveryFaceFitsItsMask) {
    for (int face = 1; face <= 42; ++face) {
        SCOPED_TRACE("face " + std::to_string(face));
        const QImage cell = Region(picture_, FaceCell(face), kFaceW, kFaceH);
        const QImage mask = Region(picture_, FaceMask(face), kFaceW, kFaceH);
        int symbolPixels = 0;
        for (int y = 0; y < kFaceH; ++y) {
            for (int x = 0; x < kFaceW; ++x) {
                const QRgb m = mask.pixel(x, y);
                ASSERT_TRUE(IsBlack(m) || IsWhite(m)) << "mask pixel " << x << "," << y;
                // Where the mask is white the board keeps the tile, so the OR of the face
                // cell must add nothing; where the face has colour the mask must clear.
                if (IsWhite(m)) {
                    ASSERT_TRUE(IsBlack(cell.pixel(x, y))) << "face pixel " << x << "," << y;
                } else {
                    ++symbolPixels;
                }
            }
        }
        // A face needs a real symbol; a stray pixel or two would be a drawing failure.
        EXPECT_GT(symbolPixels, 60);
        EXPECT_LT(symbolPixels, kFaceW * kFaceH * 3 / 4);
    }
}

TEST_P(TilesetFile, FacesAreAllDifferent) {
    std::vector<QImage> cells;
    for (int face = 1; face <= 42; ++face) {
        cells.push_back(Region(picture_, FaceCell(face), kFaceW, kFaceH));
    }
    for (size_t a = 0; a < cells.size(); ++a) {
        for (size_t b = a + 1; b < cells.size(); ++b) {
            EXPECT_NE(cells[a], cells[b]) << "faces " << a + 1 << " and " << b + 1;
        }
    }
}

TEST_P(TilesetFile, TintsStandOutFromTheFaceAndFromEachOther) {
    const QImage face = Region(picture_, kBlankFace, kFaceW, kFaceH);
    const QImage selected = Region(picture_, kSelectTint, kFaceW, kFaceH);
    const QImage hinted = Region(picture_, kHintTint, kFaceW, kFaceH);
    // Mean difference per channel, out of 255: a player must see it at a glance.
    EXPECT_GT(MeanDifference(face, selected), 15);
    EXPECT_GT(MeanDifference(face, hinted), 15);
    EXPECT_GT(MeanDifference(selected, hinted), 15);
    for (const QImage* tint : {&face, &selected, &hinted}) {
        for (int y = 0; y < kFaceH; ++y) {
            for (int x = 0; x < kFaceW; ++x)
                ASSERT_FALSE(IsBlack(tint->pixel(x, y)));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Shipped, TilesetFile, ::testing::ValuesIn(kFiles), [](const auto& info) {
    QString name = QString::fromLatin1(info.param);
    return name.left(name.indexOf('.')).toStdString();
});

QImage LoadRgb(const char* file) {
    return QImage(PathOf(file)).convertToFormat(QImage::Format_RGB32);
}

TEST(TilesetFiles, FullColourSetsHaveTheirOwnBorders) {
    const QImage orange = Region(LoadRgb("pai.bmp"), kBlankTile, kTileW, kTileH);
    const QImage dark = Region(LoadRgb("darkpai.bmp"), kBlankTile, kTileW, kTileH);
    const QImage blue = Region(LoadRgb("bluepai.bmp"), kBlankTile, kTileW, kTileH);
    ASSERT_FALSE(orange.isNull() || dark.isNull() || blue.isNull());
    EXPECT_GT(MeanDifference(orange, dark), 5);
    EXPECT_GT(MeanDifference(orange, blue), 5);
    EXPECT_GT(MeanDifference(dark, blue), 5);
}

TEST(TilesetFiles, FewColorsKeepsTheOrangeLook) {
    const QImage full = LoadRgb("pai.bmp");
    const QImage few = LoadRgb("pai256.bmp");
    ASSERT_EQ(full.size(), few.size());
    EXPECT_LT(MeanDifference(full, few), 2.0);
}

}  // namespace
