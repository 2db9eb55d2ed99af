// The four tilesets shipped in data/Tilesets, at 1x and in their finer NAME@kx.png
// versions: their layout, and that every picture combines correctly by AND / OR, which is how
// the board draws them.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QString>
#include <ostream>
#include <set>
#include <string>
#include <utility>
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

// NAME.bmp itself at k = 1, NAME@kx.png beside it otherwise.
QString PathOf(const char* file, int k = 1) {
    QString name = QString::fromLatin1(file);
    if (k > 1)
        name = name.left(name.indexOf('.')) + QStringLiteral("@%1x.png").arg(k);
    return QStringLiteral(QUORIN_SOURCE_DIR "/data/Tilesets/") + name;
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

// Face 1..42 as the board shows it, from a picture k times the 1x size: the blank face, AND
// the face mask, OR the face cell.
QImage Composed(const QImage& picture, int face, int k = 1) {
    QImage out(QSize(kFaceW, kFaceH) * k, QImage::Format_RGB32);
    for (int y = 0; y < out.height(); ++y) {
        for (int x = 0; x < out.width(); ++x) {
            const QPoint p(x, y);
            const QRgb under = picture.pixel(kBlankFace * k + p);
            out.setPixel(p, (under & picture.pixel(FaceMask(face) * k + p)) |
                                picture.pixel(FaceCell(face) * k + p));
        }
    }
    return out;
}

// A picture k times larger brought down to 1x, each k x k block by its mean.
QImage Reduced(const QImage& picture, int k) {
    QImage out(picture.size() / k, QImage::Format_RGB32);
    for (int y = 0; y < out.height(); ++y) {
        for (int x = 0; x < out.width(); ++x) {
            int r = 0, g = 0, b = 0;
            for (int dy = 0; dy < k; ++dy) {
                for (int dx = 0; dx < k; ++dx) {
                    const QRgb c = picture.pixel(x * k + dx, y * k + dy);
                    r += qRed(c), g += qGreen(c), b += qBlue(c);
                }
            }
            out.setPixel(x, y, qRgb(r / (k * k), g / (k * k), b / (k * k)));
        }
    }
    return out;
}

int CountColours(const QImage& picture) {
    std::set<QRgb> colours;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x)
            colours.insert(picture.pixel(x, y));
    }
    return static_cast<int>(colours.size());
}

struct Shipped {
    const char* file;
    int k;  // 1 for the picture itself, 2..4 for NAME@kx.png
};

void PrintTo(const Shipped& shipped, std::ostream* os) {
    *os << shipped.file << " at " << shipped.k << "x";
}

std::vector<Shipped> Pictures(int fromK) {
    std::vector<Shipped> all;
    for (const char* file : kFiles) {
        for (int k = fromK; k <= 4; ++k)
            all.push_back({file, k});
    }
    return all;
}

std::string NameOf(const ::testing::TestParamInfo<Shipped>& info) {
    const QString name = QString::fromLatin1(info.param.file);
    const std::string base = name.left(name.indexOf('.')).toStdString();
    return info.param.k == 1 ? base : base + "_" + std::to_string(info.param.k) + "x";
}

class TilesetFile : public ::testing::TestWithParam<Shipped> {
  protected:
    void SetUp() override {
        k_ = GetParam().k;
        path_ = PathOf(GetParam().file, k_);
        raw_ = QImage(path_);
        ASSERT_FALSE(raw_.isNull()) << "cannot read " << path_.toStdString();
        picture_ = raw_.convertToFormat(QImage::Format_RGB32);
    }
    bool FewColors() const { return QString(GetParam().file) == "pai256.bmp"; }
    // A region of the 1x layout, k times larger.
    QImage Region(QPoint at, int w, int h) const {
        return picture_.copy(QRect(at * k_, QSize(w, h) * k_));
    }
    // Whether the 1x pixel (x, y) of a region k times larger is black in most of its k x k
    // pixels. The cut corners of a finer tile run through the pixels on its diagonals.
    bool MostlyBlack(const QImage& region, int x, int y) const {
        int black = 0;
        for (int dy = 0; dy < k_; ++dy) {
            for (int dx = 0; dx < k_; ++dx)
                black += IsBlack(region.pixel(x * k_ + dx, y * k_ + dy));
        }
        return 2 * black > k_ * k_;
    }

    int k_ = 1;
    QString path_;
    QImage raw_;      // as the file loads
    QImage picture_;  // in RGB32, as the game combines it
};

TEST_P(TilesetFile, HasTheRightFormatAndSize) {
    EXPECT_EQ(raw_.size(), QSize(384, 576) * k_);
    QFile file(path_);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray header = file.read(30);
    if (k_ > 1) {
        EXPECT_EQ(header.left(8), QByteArray("\x89PNG\r\n\x1a\n", 8));
        if (FewColors()) {
            EXPECT_LE(CountColours(picture_), 256);
        }
        return;
    }
    ASSERT_EQ(header.left(2), "BM");
    const int bitsPerPixel = static_cast<unsigned char>(header[28]);
    if (FewColors()) {
        EXPECT_EQ(bitsPerPixel, 8);
        EXPECT_EQ(raw_.format(), QImage::Format_Indexed8);
        EXPECT_LE(raw_.colorCount(), 256);
    } else {
        EXPECT_EQ(bitsPerPixel, 24);
    }
}

TEST_P(TilesetFile, TileMaskIsTheShapeOfTheBlankTile) {
    const QImage blank = Region(kBlankTile, kTileW, kTileH);
    const QImage mask = Region(kTileMask, kTileW, kTileH);
    for (int y = 0; y < mask.height(); ++y) {
        for (int x = 0; x < mask.width(); ++x) {
            const QRgb m = mask.pixel(x, y);
            ASSERT_TRUE(IsBlack(m) || IsWhite(m)) << "mask pixel " << x << "," << y;
            ASSERT_EQ(IsBlack(m), !IsBlack(blank.pixel(x, y))) << "pixel " << x << "," << y;
        }
    }
    // The face and the edges belong to the tile; the top-left and bottom-right corners are
    // cut off by the diagonals that join face and edge.
    for (int y = 0; y < kFaceH; ++y) {
        for (int x = 6; x < kTileW; ++x)
            ASSERT_TRUE(MostlyBlack(mask, x, y)) << x << "," << y;
    }
    EXPECT_TRUE(MostlyBlack(mask, 0, 55));   // bottom-left: where the two edges meet
    EXPECT_TRUE(MostlyBlack(mask, 0, 10));   // left edge
    EXPECT_TRUE(MostlyBlack(mask, 20, 53));  // bottom edge
    EXPECT_FALSE(MostlyBlack(mask, 0, 0));
    EXPECT_FALSE(MostlyBlack(mask, 45, 55));

    // The corner mask is the bottom-right of the tile: black towards the tile, white
    // towards the outside.
    const QImage corner = Region(kCornerMask, 6, 6);
    EXPECT_TRUE(MostlyBlack(corner, 0, 0));
    EXPECT_FALSE(MostlyBlack(corner, 5, 5));
}

TEST_P(TilesetFile, EveryFaceFitsItsMask) {
    for (int face = 1; face <= 42; ++face) {
        SCOPED_TRACE("face " + std::to_string(face));
        const QImage cell = Region(FaceCell(face), kFaceW, kFaceH);
        const QImage mask = Region(FaceMask(face), kFaceW, kFaceH);
        int symbolPixels = 0;
        for (int y = 0; y < mask.height(); ++y) {
            for (int x = 0; x < mask.width(); ++x) {
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
        EXPECT_GT(symbolPixels, 60 * k_ * k_);
        EXPECT_LT(symbolPixels, kFaceW * kFaceH * k_ * k_ * 3 / 4);
    }
}

TEST_P(TilesetFile, FacesAreAllDifferent) {
    std::vector<QImage> cells;
    for (int face = 1; face <= 42; ++face) {
        cells.push_back(Region(FaceCell(face), kFaceW, kFaceH));
    }
    for (size_t a = 0; a < cells.size(); ++a) {
        for (size_t b = a + 1; b < cells.size(); ++b) {
            EXPECT_NE(cells[a], cells[b]) << "faces " << a + 1 << " and " << b + 1;
        }
    }
}

TEST_P(TilesetFile, TintsStandOutFromTheFaceAndFromEachOther) {
    const QImage face = Region(kBlankFace, kFaceW, kFaceH);
    const QImage selected = Region(kSelectTint, kFaceW, kFaceH);
    const QImage hinted = Region(kHintTint, kFaceW, kFaceH);
    // Mean difference per channel, out of 255: a player must see it at a glance.
    EXPECT_GT(MeanDifference(face, selected), 15);
    EXPECT_GT(MeanDifference(face, hinted), 15);
    EXPECT_GT(MeanDifference(selected, hinted), 15);
    for (const QImage* tint : {&face, &selected, &hinted}) {
        for (int y = 0; y < kFaceH; ++y) {
            for (int x = 0; x < kFaceW; ++x)
                ASSERT_FALSE(MostlyBlack(*tint, x, y)) << x << "," << y;
        }
    }
}

// A finer picture is the same design as the 1x one: brought down to 1x, its tile, tints and
// faces are close to those of the 1x picture. (Another border colour is 7 or more away on the
// blank tile, another set's faces 35 away.)
using FinerPicture = TilesetFile;

TEST_P(FinerPicture, IsTheSameDesignAsThe1xOne) {
    const QImage base = QImage(PathOf(GetParam().file)).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(base.size() * k_, picture_.size());
    const std::pair<QPoint, QSize> parts[] = {{kBlankTile, QSize(kTileW, kTileH)},
                                              {kSelectTint, QSize(kFaceW, kFaceH)},
                                              {kHintTint, QSize(kFaceW, kFaceH)}};
    for (const auto& [at, size] : parts) {
        EXPECT_LT(MeanDifference(Reduced(Region(at, size.width(), size.height()), k_),
                                 base.copy(QRect(at, size))),
                  4.0)
            << "at " << at.x() << "," << at.y();
    }
    double faces = 0;
    for (int face = 1; face <= 42; ++face)
        faces += MeanDifference(Reduced(Composed(picture_, face, k_), k_), Composed(base, face));
    EXPECT_LT(faces / 42, 12.0);
}

INSTANTIATE_TEST_SUITE_P(Shipped, TilesetFile, ::testing::ValuesIn(Pictures(1)), NameOf);
INSTANTIATE_TEST_SUITE_P(Shipped, FinerPicture, ::testing::ValuesIn(Pictures(2)), NameOf);

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

// "Few Colors" is a design of its own, not one of the others with fewer colours: its tile
// and its faces look different from those of every full-colour set.
TEST(TilesetFiles, FewColorsIsADesignOfItsOwn) {
    const QImage few = LoadRgb("pai256.bmp");
    ASSERT_FALSE(few.isNull());
    for (const char* file : {"pai.bmp", "darkpai.bmp", "bluepai.bmp"}) {
        SCOPED_TRACE(file);
        const QImage full = LoadRgb(file);
        ASSERT_EQ(full.size(), few.size());
        EXPECT_GT(MeanDifference(Region(full, kBlankTile, kTileW, kTileH),
                                 Region(few, kBlankTile, kTileW, kTileH)),
                  15);
        double faces = 0;
        for (int face = 1; face <= 42; ++face)
            faces += MeanDifference(Composed(full, face), Composed(few, face));
        EXPECT_GT(faces / 42, 15);
    }
}

}  // namespace
