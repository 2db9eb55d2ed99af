// Checks the committed pictures against what the game does with them: the sizes its image
// lists and panels expect, the transparent colours it draws with, the file formats its
// loaders read, and the few properties a player would notice at once when broken.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QString>

#include <cmath>
#include <vector>

namespace {

const QString kRoot = QStringLiteral(QUORIN_SOURCE_DIR) + "/";
const QRgb kBlack = 0x000000;
const QRgb kGirlKey = 0x84FF84;  // red 132, green 255, blue 132

QImage Load(const QString& rel) {
    QImage img(kRoot + rel);
    EXPECT_FALSE(img.isNull()) << "cannot read " << rel.toStdString();
    return img.convertToFormat(QImage::Format_ARGB32);
}

QString Bitmap(int n) {
    return QString("resources/bitmaps/%1.bmp").arg(n);
}

bool Is(QRgb pixel, QRgb colour) {
    return (pixel & 0xFFFFFF) == (colour & 0xFFFFFF);
}

double Luma(QRgb p) {
    return 0.299 * qRed(p) + 0.587 * qGreen(p) + 0.114 * qBlue(p);
}

double Fraction(const QImage& img, QRgb colour) {
    int n = 0;
    for (int y = 0; y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x)
            n += Is(img.pixel(x, y), colour);
    }
    return double(n) / (img.width() * img.height());
}

double MeanLuma(const QImage& img, QRect area = QRect()) {
    if (area.isNull())
        area = img.rect();
    double sum = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            sum += Luma(img.pixel(x, y));
    }
    return sum / (area.width() * area.height());
}

// Mean difference between columns a and b (wrapping), over all rows and channels.
double ColumnDiff(const QImage& img, int a, int b) {
    double sum = 0;
    for (int y = 0; y < img.height(); ++y) {
        const QRgb p = img.pixel(a, y), q = img.pixel(b, y);
        sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
               std::abs(qBlue(p) - qBlue(q));
    }
    return sum / img.height();
}

struct Expected {
    const char* path;
    int width, height;
};

const Expected kFiles[] = {
    {"data/Backgrounds/kanji.bmp", 256, 234},
    {"data/Backgrounds/dragons.bmp", 704, 468},
    {"data/Backgrounds/andromeda.jpg", 704, 468},
    {"data/Backgrounds/catpats.jpg", 176, 156},
    {"data/orange.jpg", 616, 437},
    {"resources/bitmaps/1.bmp", 92, 472},
    {"resources/bitmaps/2.bmp", 13, 15},
    {"resources/bitmaps/3.bmp", 20, 10},
    {"resources/bitmaps/50.bmp", 261, 136},
    {"resources/bitmaps/filled.bmp", 40, 50},
    {"resources/bitmaps/toolbitmap.bmp", 128, 33},
    {"resources/cursors/techno.png", 32, 32},
};

const int kClicks[] = {4, 5, 6, 7, 8, 26};
const int kVertical[] = {9, 10, 11, 12, 13};
const char* const kGlyphs[] = {"new",   "back",   "hint", "shuffle", "pause", "play",
                               "music", "layout", "help", "about",   "hall",  "exit"};

std::vector<Expected> AllFiles() {
    std::vector<Expected> all(std::begin(kFiles), std::end(kFiles));
    static std::vector<QByteArray> names;
    auto add = [&](const QString& path, int w, int h) {
        names.push_back(path.toUtf8());
        all.push_back({names.back().constData(), w, h});
    };
    names.reserve(64);
    for (int n : kClicks)
        add(Bitmap(n), 38, 38);
    for (int n : kVertical)
        add(Bitmap(n), 10, 20);
    for (int n = 14; n <= 25; ++n)
        add(Bitmap(n), 92, 166);
    for (const char* g : kGlyphs)
        add(QString("resources/glyphs/%1.png").arg(g), 16, 16);
    return all;
}

TEST(Pictures, EveryFileOpensWithItsSize) {
    for (const Expected& e : AllFiles()) {
        SCOPED_TRACE(e.path);
        const QImage img(kRoot + e.path);
        ASSERT_FALSE(img.isNull());
        EXPECT_EQ(img.width(), e.width);
        EXPECT_EQ(img.height(), e.height);
    }
}

// Screens of 2 and 3 device pixels per pixel read NAME@2x.png and NAME@3x.png beside the side
// panel, the girls, the toolbar's wallpaper and the glyphs: exactly k times the size, and the
// same drawing, so that shrunk back to the 1x size they differ from it only by a little.
// Mean difference per pixel over the four channels, 0 to 1020.
constexpr double kFinerTolerance = 40;

TEST(Pictures, FinerVersionsAreTheSameDrawingAtKTimesTheSize) {
    std::vector<QString> names = {"resources/bitmaps/1.bmp", "resources/bitmaps/toolbitmap.bmp"};
    for (int n = 14; n <= 25; ++n)
        names.push_back(Bitmap(n));
    for (const char* g : kGlyphs)
        names.push_back(QString("resources/glyphs/%1.png").arg(g));
    for (const QString& name : names) {
        const QImage one = Load(name);
        for (int k = 2; k <= 3; ++k) {
            const QString finer = name.left(name.lastIndexOf('.')) + QString("@%1x.png").arg(k);
            SCOPED_TRACE(finer.toStdString());
            const QImage img = Load(finer);
            ASSERT_EQ(img.size(), one.size() * k);
            const QImage back =
                img.convertToFormat(QImage::Format_ARGB32_Premultiplied)
                    .scaled(one.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                    .convertToFormat(QImage::Format_ARGB32);
            double sum = 0;
            for (int y = 0; y < one.height(); ++y) {
                for (int x = 0; x < one.width(); ++x) {
                    const QRgb p = one.pixel(x, y), q = back.pixel(x, y);
                    sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                           std::abs(qBlue(p) - qBlue(q)) + std::abs(qAlpha(p) - qAlpha(q));
                }
            }
            EXPECT_LT(sum / (one.width() * one.height()), kFinerTolerance);
        }
    }
}

TEST(Pictures, BitmapsAre24BitWindowsBitmaps) {
    for (const Expected& e : AllFiles()) {
        if (!QString(e.path).endsWith(".bmp"))
            continue;
        SCOPED_TRACE(e.path);
        QFile f(kRoot + e.path);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QByteArray head = f.read(30);
        ASSERT_EQ(head.size(), 30);
        EXPECT_EQ(head.left(2), QByteArray("BM"));
        EXPECT_EQ(uint8_t(head[28]) | (uint8_t(head[29]) << 8), 24);  // bits per pixel
    }
}

// The game's JPEG reader is libjpeg: the files must be real baseline JPEG, whatever their
// extension says.
TEST(Pictures, JpegsAreBaselineJpegFiles) {
    for (const char* path :
         {"data/Backgrounds/andromeda.jpg", "data/Backgrounds/catpats.jpg", "data/orange.jpg"}) {
        SCOPED_TRACE(path);
        QFile f(kRoot + path);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QByteArray data = f.readAll();
        ASSERT_GT(data.size(), 4);
        EXPECT_EQ(uint8_t(data[0]), 0xFF);
        EXPECT_EQ(uint8_t(data[1]), 0xD8);
        EXPECT_EQ(uint8_t(data[2]), 0xFF);
        // Walk the marker segments up to the first frame header.
        int frame = -1;
        for (int i = 2; i + 4 <= data.size() && uint8_t(data[i]) == 0xFF;) {
            const int marker = uint8_t(data[i + 1]);
            if (marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 &&
                marker != 0xCC) {
                frame = marker;
                break;
            }
            i += 2 + ((uint8_t(data[i + 2]) << 8) | uint8_t(data[i + 3]));
        }
        EXPECT_EQ(frame, 0xC0) << "not a baseline frame";
        EXPECT_FALSE(QImage::fromData(data, "JPEG").isNull());
    }
}

TEST(Backgrounds, AtLeastOneIsSmallEnoughToBeTiled) {
    int small = 0;
    for (const char* path : {"data/Backgrounds/kanji.bmp", "data/Backgrounds/dragons.bmp",
                             "data/Backgrounds/andromeda.jpg", "data/Backgrounds/catpats.jpg"}) {
        const QImage img = Load(path);
        small += img.width() < 704 || img.height() < 468;
    }
    EXPECT_GE(small, 1);
}

// Ivory tiles stand on them: mid-dark, and calm rather than busy.
TEST(Backgrounds, AreDarkAndCalm) {
    for (const char* path : {"data/Backgrounds/kanji.bmp", "data/Backgrounds/dragons.bmp",
                             "data/Backgrounds/andromeda.jpg", "data/Backgrounds/catpats.jpg"}) {
        SCOPED_TRACE(path);
        const QImage img = Load(path);
        const double mean = MeanLuma(img);
        EXPECT_GT(mean, 12);
        EXPECT_LT(mean, 110);
        double var = 0;
        for (int y = 0; y < img.height(); ++y) {
            for (int x = 0; x < img.width(); ++x)
                var += std::pow(Luma(img.pixel(x, y)) - mean, 2);
        }
        EXPECT_LT(std::sqrt(var / (img.width() * img.height())), 24);
    }
}

// A tile that repeats must join itself: across the seam it changes no more than between
// any two neighbouring columns (rows likewise, through the transposed picture).
TEST(Backgrounds, TiledPicturesHaveNoSeam) {
    for (const char* path : {"data/Backgrounds/kanji.bmp", "data/Backgrounds/catpats.jpg",
                             "resources/bitmaps/toolbitmap.bmp"}) {
        SCOPED_TRACE(path);
        const QImage img = Load(path);
        const bool vertical = QString(path).contains("Backgrounds");
        for (const QImage& pic :
             {img, vertical ? img.transformed(QTransform(0, 1, 1, 0, 0, 0)) : QImage()}) {
            if (pic.isNull())
                continue;
            double inner = 0;
            for (int x = 0; x + 1 < pic.width(); ++x)
                inner += ColumnDiff(pic, x, x + 1);
            inner /= pic.width() - 1;
            EXPECT_LT(ColumnDiff(pic, pic.width() - 1, 0), 2.5 * inner + 3);
        }
    }
}

TEST(Backgrounds, HelpBackdropAndToolbarAreLightForDarkText) {
    EXPECT_GT(MeanLuma(Load("data/orange.jpg")), 160);
    EXPECT_GT(MeanLuma(Load("resources/bitmaps/toolbitmap.bmp")), 170);
}

TEST(SidePanel, IsDarkButNotBlackBehindTheNames) {
    const QImage panel = Load("resources/bitmaps/1.bmp");
    EXPECT_LT(Fraction(panel, kBlack), 0.5);
    const QRect names(12, 20, 68, 360);
    const double mean = MeanLuma(panel, names);
    EXPECT_GT(mean, 10);  // not mostly black
    EXPECT_LT(mean, 70);  // white and aqua text stands out
}

TEST(ClicksPieces, AreDistinctWithTransparentCornersAndSolidCentres) {
    std::vector<QImage> pieces;
    std::vector<QColor> tones;
    for (int n : kClicks) {
        SCOPED_TRACE(n);
        const QImage img = Load(Bitmap(n));
        for (QPoint c : {QPoint(0, 0), QPoint(37, 0), QPoint(0, 37), QPoint(37, 37)})
            EXPECT_TRUE(Is(img.pixel(c), kBlack));
        EXPECT_FALSE(Is(img.pixel(16, 16), kBlack));
        EXPECT_FALSE(Is(img.pixel(19, 19), kBlack));
        // Mean colour of the bright part of the piece, which is what the eye reads.
        double r = 0, g = 0, b = 0;
        int count = 0;
        for (int y = 0; y < 38; ++y) {
            for (int x = 0; x < 38; ++x) {
                const QRgb p = img.pixel(x, y);
                if (Luma(p) < 60)
                    continue;
                r += qRed(p), g += qGreen(p), b += qBlue(p), ++count;
            }
        }
        ASSERT_GT(count, 200);
        tones.push_back(QColor(int(r / count), int(g / count), int(b / count)));
        pieces.push_back(img);
    }
    for (size_t i = 0; i < pieces.size(); ++i) {
        for (size_t j = i + 1; j < pieces.size(); ++j) {
            SCOPED_TRACE(testing::Message() << kClicks[i] << " vs " << kClicks[j]);
            EXPECT_NE(pieces[i], pieces[j]);
            const int d = std::abs(tones[i].red() - tones[j].red()) +
                          std::abs(tones[i].green() - tones[j].green()) +
                          std::abs(tones[i].blue() - tones[j].blue());
            EXPECT_GT(d, 60) << "colours too close to tell apart";
            // Different shapes, not only different colours.
            int shape = 0;
            for (int y = 0; y < 38; ++y) {
                for (int x = 0; x < 38; ++x)
                    shape += Is(pieces[i].pixel(x, y), kBlack) != Is(pieces[j].pixel(x, y), kBlack);
            }
            EXPECT_GT(shape, 40);
        }
    }
}

TEST(ShadowPieces, AreDarkStipplesWithTransparentGaps) {
    std::vector<int> all = {3};
    all.insert(all.end(), std::begin(kVertical), std::end(kVertical));
    for (int n : all) {
        SCOPED_TRACE(n);
        const QImage img = Load(Bitmap(n));
        const double black = Fraction(img, kBlack);
        EXPECT_GT(black, 0.3);
        EXPECT_LT(black, 0.95);
        for (int y = 0; y < img.height(); ++y) {
            for (int x = 0; x < img.width(); ++x) {
                if (!Is(img.pixel(x, y), kBlack)) {
                    EXPECT_LT(Luma(img.pixel(x, y)), 90);
                }
            }
        }
    }
}

// Pieces cast by different tiles overlap on one face. Placed everywhere the game may put
// them at once, they must still form one half-tone, never two neighbouring dark pixels.
TEST(ShadowPieces, OverlapWithoutDarkPatches) {
    QImage face(40, 60, QImage::Format_ARGB32);
    face.fill(Qt::black);
    struct Place {
        int piece, x, y;  // piece: 3 for H, else the bitmap number
    };
    const Place places[] = {
        {11, 20, 0},  {9, 30, 0},   {11, 0, 0},   {3, 10, 0},  {3, 0, 0},   {12, 20, 0},
        {12, 0, 0},   {11, 20, 25}, {9, 30, 25},  {11, 0, 25}, {3, 10, 25}, {3, 0, 25},
        {12, 20, 25}, {12, 0, 25},  {13, 0, 35},  {10, 0, 10}, {10, 0, 30}, {9, 0, 0},
        {13, 20, 35}, {10, 20, 10}, {10, 20, 30}, {9, 20, 0},
    };
    for (const Place& pl : places) {
        const QImage img = Load(Bitmap(pl.piece));
        for (int y = 0; y < img.height(); ++y) {
            for (int x = 0; x < img.width(); ++x) {
                if (!Is(img.pixel(x, y), kBlack))
                    face.setPixel(pl.x + x, pl.y + y, img.pixel(x, y));
            }
        }
    }
    int solid = 0;
    QPoint first;
    for (int y = 0; y < face.height(); ++y) {
        for (int x = 0; x + 1 < face.width(); ++x) {
            if (!Is(face.pixel(x, y), kBlack) && !Is(face.pixel(x + 1, y), kBlack)) {
                if (solid++ == 0)
                    first = QPoint(x, y);
            }
        }
    }
    EXPECT_EQ(solid, 0) << "solid shadow from " << first.x() << ", " << first.y();
}

TEST(Girls, BasesFillThePictureAndOverlaysOnlyTheFace) {
    std::vector<QImage> bases;
    for (int b = 14; b <= 23; b += 3) {
        SCOPED_TRACE(b);
        const QImage base = Load(Bitmap(b));
        for (int n = b; n <= b + 2; ++n) {
            const QImage img = Load(Bitmap(n));
            for (QPoint c : {QPoint(0, 0), QPoint(91, 0), QPoint(0, 165), QPoint(91, 165)})
                EXPECT_TRUE(Is(img.pixel(c), kGirlKey)) << n;
        }
        EXPECT_LT(Fraction(base, kGirlKey), 0.5);
        for (int n : {b + 1, b + 2}) {
            const QImage overlay = Load(Bitmap(n));
            const double key = Fraction(overlay, kGirlKey);
            EXPECT_GT(key, 0.8) << n;
            EXPECT_LT(key, 0.99) << n;
        }
        EXPECT_NE(Load(Bitmap(b + 1)), Load(Bitmap(b + 2)));
        for (const QImage& other : bases)
            EXPECT_NE(base, other);
        bases.push_back(base);
    }
}

TEST(SmallTile, HasTransparentCornersAndAnIvoryFace) {
    const QImage tile = Load("resources/bitmaps/2.bmp");
    EXPECT_TRUE(Is(tile.pixel(0, 0), kBlack));
    EXPECT_TRUE(Is(tile.pixel(12, 14), kBlack));
    EXPECT_GT(Luma(tile.pixel(7, 6)), 200);
    EXPECT_FALSE(Is(tile.pixel(0, 8), kBlack));   // the left edge
    EXPECT_FALSE(Is(tile.pixel(7, 14), kBlack));  // the bottom edge
}

// XORed over a face: a black pixel in it would leave that part of the face unmarked.
TEST(Filled, ChangesEveryPixelOfTheFace) {
    const QImage filled = Load("resources/bitmaps/filled.bmp");
    EXPECT_EQ(Fraction(filled, kBlack), 0.0);
}

TEST(Glyphs, HaveAlphaAndAreNotEmpty) {
    for (const char* g : kGlyphs) {
        SCOPED_TRACE(g);
        const QImage img(kRoot + QString("resources/glyphs/%1.png").arg(g));
        ASSERT_FALSE(img.isNull());
        EXPECT_TRUE(img.hasAlphaChannel());
        int opaque = 0, clear = 0;
        for (int y = 0; y < 16; ++y) {
            for (int x = 0; x < 16; ++x) {
                const int a = qAlpha(img.pixel(x, y));
                opaque += a > 200;
                clear += a == 0;
            }
        }
        EXPECT_GT(opaque, 30);
        EXPECT_GT(clear, 20);
    }
}

TEST(Cursor, PointsWithItsTipAtTheHotSpot) {
    const QImage img(kRoot + "resources/cursors/techno.png");
    ASSERT_FALSE(img.isNull());
    EXPECT_TRUE(img.hasAlphaChannel());
    EXPECT_GT(qAlpha(img.pixel(1, 1)), 0);
    EXPECT_GT(qAlpha(img.pixel(2, 3)), 200);
    // Nothing above or left of the tip but a faint edge.
    for (int i = 0; i < 32; ++i) {
        EXPECT_LT(qAlpha(img.pixel(i, 0)), 128);
        EXPECT_LT(qAlpha(img.pixel(0, i)), 128);
    }
}

}  // namespace

int main(int argc, char** argv) {
    // Image format plugins (JPEG) are found through the application object; no display is
    // needed, so listing the tests works anywhere.
    QCoreApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
