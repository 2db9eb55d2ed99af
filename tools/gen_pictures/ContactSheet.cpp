// The contact sheet: every committed picture on one page, small ones enlarged, and the
// pieces that only make sense together shown the way the game puts them together (girls
// with their overlays, shadow pieces on a little board, the side panel with its texts).

#include <QPainter>
#include <QPainterPath>

#include <array>
#include <map>
#include <vector>

#include "Canvas.h"
#include "Pictures.h"

namespace pictures {

namespace {

const QColor kSheet(236, 232, 222);
const QColor kCaption(40, 40, 56);
const char* const kGlyphNames[] = {"new",   "back",   "hint", "shuffle", "pause", "play",
                                   "music", "layout", "help", "about",   "hall",  "exit"};

// Black pixels become transparent, as when the game draws with black as the transparent colour.
QImage KeyOut(const QImage& img, QRgb key) {
    QImage out = img.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            if ((line[x] & 0xFFFFFF) == (key & 0xFFFFFF))
                line[x] = 0;
        }
    }
    return out;
}

QImage Enlarged(const QImage& img, int k) {
    return img.scaled(img.width() * k, img.height() * k, Qt::IgnoreAspectRatio,
                      Qt::FastTransformation);
}

QImage Tiled(const QImage& tile, int w, int h) {
    QImage out(w, h, QImage::Format_RGB32);
    QPainter p(&out);
    for (int y = 0; y < h; y += tile.height()) {
        for (int x = 0; x < w; x += tile.width())
            p.drawImage(x, y, tile);
    }
    return out;
}

// A plain stand-in tile, 46 x 56 with the edge on the left and at the bottom, used to show
// how the shadow pieces fall on real faces.
QImage MockSprite() {
    QImage s(46, 56, QImage::Format_ARGB32_Premultiplied);
    s.fill(Qt::transparent);
    QPainter p(&s);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath body;
    body.moveTo(6, 0);
    body.lineTo(0, 6);
    body.lineTo(0, 56);
    body.lineTo(40, 56);
    body.lineTo(46, 50);
    body.lineTo(46, 0);
    body.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(214, 128, 40));
    p.drawPath(body);
    p.setBrush(QColor(250, 243, 222));
    p.setPen(QPen(QColor(150, 124, 80), 1));
    p.drawRect(QRectF(6.5, 0.5, 39, 49));
    p.setPen(QPen(QColor(30, 70, 160), 2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(26, 25), 9, 9);
    p.setPen(QPen(QColor(196, 36, 36), 2));
    p.drawEllipse(QPointF(26, 25), 4, 4);
    return s;
}

// A little board of two layers drawn in the game's order, with the shadow table applied.
QImage ShadowDemo(const QString& bitmaps) {
    const QImage h = KeyOut(QImage(bitmaps + "/3.bmp"), 0);
    const QImage v[6] = {
        KeyOut(QImage(bitmaps + "/9.bmp"), 0),  KeyOut(QImage(bitmaps + "/9.bmp"), 0),
        KeyOut(QImage(bitmaps + "/10.bmp"), 0), KeyOut(QImage(bitmaps + "/11.bmp"), 0),
        KeyOut(QImage(bitmaps + "/12.bmp"), 0), KeyOut(QImage(bitmaps + "/13.bmp"), 0)};
    const QImage sprite = MockSprite();
    int board[14][12][4] = {};
    int id = 1;
    for (int x = 2; x <= 10; x += 2) {
        for (int y = 2; y <= 8; y += 2)
            board[x][y][1] = id++;
    }
    board[4][2][2] = id++;   // straight above a lower tile
    board[7][5][2] = id++;   // half a tile across and down
    board[10][6][2] = id++;  // at the right edge
    board[4][7][2] = id++;   // half a tile down only
    auto cell = [&](int x, int y, int z) {
        return (x < 0 || y < 0 || x >= 14 || y >= 12 || z > 3) ? 0 : board[x][y][z];
    };
    QImage out(300, 250, QImage::Format_RGB32);
    out.fill(QColor(20, 62, 66));
    QPainter p(&out);
    struct Piece {
        int dx, dy;  // cell offset on the layer above
        // Each piece: which (-1 for H, else V n) and where on the face.
        std::vector<std::array<int, 3>> pieces;
    };
    const Piece table[] = {
        {1, -2, {{3, 20, 0}, {1, 30, 0}}},
        {0, -2, {{3, 0, 0}, {-1, 10, 0}, {1, 30, 0}}},
        {-1, -2, {{-1, 0, 0}, {4, 20, 0}}},
        {-2, -2, {{4, 0, 0}}},
        {1, -1, {{3, 20, 25}, {1, 30, 25}}},
        {0, -1, {{3, 0, 25}, {-1, 10, 25}, {1, 30, 25}}},
        {-1, -1, {{-1, 0, 25}, {4, 20, 25}}},
        {-2, -1, {{4, 0, 25}}},
        {-2, 1, {{4, 0, 25}, {5, 0, 35}}},
        {-2, 0, {{4, 0, 0}, {2, 0, 10}, {2, 0, 30}}},
        {-2, -1, {{1, 0, 0}, {2, 0, 10}, {3, 0, 25}}},
        {-2, -2, {{3, 0, 0}}},
        {-1, 1, {{4, 20, 25}, {5, 20, 35}}},
        {-1, 0, {{4, 20, 0}, {2, 20, 10}, {2, 20, 30}}},
        {-1, -1, {{1, 20, 0}, {2, 20, 10}, {3, 20, 25}}},
        {-1, -2, {{3, 20, 0}}},
    };
    for (int z = 1; z <= 2; ++z) {
        for (int x = 13; x >= 1; --x) {
            for (int y = 1; y <= 11; ++y) {
                if (!cell(x, y, z))
                    continue;
                const int ax = 20 * x + 6 * z - 10, ay = 25 * y - 6 * z - 20;
                if (cell(x + 1, y + 2, z)) {
                    // The lower-right neighbour's face must not be covered by this edge.
                    p.drawImage(QPoint(ax - 6, ay), sprite, QRect(0, 0, 46, 50));
                    p.drawImage(QPoint(ax - 6, ay + 50), sprite, QRect(0, 50, 27, 6));
                } else {
                    p.drawImage(ax - 6, ay, sprite);
                }
                for (const Piece& row : table) {
                    if (!cell(x + row.dx, y + row.dy, z + 1))
                        continue;
                    for (const auto& pc : row.pieces) {
                        p.drawImage(ax + pc[1], ay + pc[2], pc[0] < 0 ? h : v[pc[0]]);
                    }
                }
            }
        }
    }
    return out;
}

// Shows how the game writes the hall of fame over the panel: title or picture, names,
// times, and the two players' clocks.
QImage PanelDemo(const QImage& panel, const QImage& girl, int mode) {
    QImage out = panel.convertToFormat(QImage::Format_RGB32);
    QPainter p(&out);
    p.setRenderHint(QPainter::TextAntialiasing);
    const int off = mode == 1 ? 90 : mode == 2 ? 20 : -20;
    if (mode == 1) {
        p.drawImage(0, 302, girl);
    } else {
        p.setFont(PixelFont("DejaVu Sans", 13, QFont::Bold));
        p.setPen(QColor(255, 255, 0));
        p.drawText(21, 50 - off + 13, "HALL OF");
        p.drawText(31, 70 - off + 13, "FAME");
    }
    const char* names[] = {"Mei",  "Aiko", "Sora", "Player", "Hana",
                           "Yuki", "Ren",  "Kai",  "Nao",    "Rin"};
    for (int i = 1; i <= 10; ++i) {
        QFont f = PixelFont("DejaVu Sans", 11, QFont::Bold, i == 3);
        p.setFont(f);
        p.setPen(Qt::white);
        p.drawText(15, 27 * i - off + 81 + 11, names[i - 1]);
        p.setPen(QColor(0, 255, 255));
        p.drawText(39, 27 * i - off + 94 + 11,
                   QString("%1:%2")
                       .arg(2 + i / 3, 2, 10, QChar('0'))
                       .arg((i * 17) % 60, 2, 10, QChar('0')));
    }
    if (mode == 2) {
        p.setFont(PixelFont("DejaVu Sans", 11, QFont::Bold));
        p.setPen(QColor(255, 255, 0));
        p.drawText(10, 400, "Player 1");
        p.drawText(10, 440, "Player 2");
        p.setPen(QColor(0, 255, 255));
        p.drawText(30, 418, "01:42");
        p.drawText(30, 458, "02:05");
    }
    return out;
}

QImage ClicksDemo(const QImage pieces[6], const QImage& background) {
    QImage out = background.copy(0, 0, 8 * 32 + 20, 5 * 32 + 20);
    QPainter p(&out);
    Rng rng(7);
    int grid[8][5];
    for (auto& col : grid) {
        for (int& v : col)
            v = rng.Int(6);
    }
    grid[7][0] = grid[6][0] = -1;  // a gap, to show the shadows on the ground
    for (int n = 7; n >= 0; --n) {
        for (int i = 0; i < 5; ++i) {
            if (grid[n][i] >= 0)
                p.drawImage(8 + 32 * n, 8 + 32 * i, pieces[grid[n][i]]);
        }
    }
    return out;
}

// The chooser's miniature of a small pyramid, drawn with the chooser's own arithmetic.
QImage MiniatureDemo(const QImage& small) {
    QImage out(206, 138, QImage::Format_RGB32);
    out.fill(QColor(20, 62, 66));
    QPainter p(&out);
    const QImage tile = KeyOut(small, 0);
    for (int layer = 1; layer <= 3; ++layer) {
        const int span = 4 - layer;
        for (int x = 33; x >= 0; --x) {
            for (int y = 0; y <= 19; ++y) {
                const bool on = x >= 6 + 2 * (3 - span) && x <= 26 - 2 * (3 - span) && x % 2 == 0 &&
                                y >= 2 + 2 * (3 - span) && y <= 14 - 2 * (3 - span) && y % 2 == 0;
                if (on)
                    p.drawImage(5 * x + 3 * (layer - 1) + 14, 6 * y - 3 * (layer - 1) + 8, tile);
            }
        }
    }
    return out;
}

QImage XorDemo(const QImage& filled) {
    QImage face(40, 50, QImage::Format_RGB32);
    face.fill(QColor(250, 243, 222));
    {
        QPainter p(&face);
        p.setRenderHint(QPainter::Antialiasing);
        p.setFont(PixelFont("AR PL UKai TW", 20));
        p.setPen(QColor(20, 20, 20));
        p.drawText(QRectF(0, 0, 40, 24), Qt::AlignCenter, QString::fromUtf8("萬"));
        p.setPen(QColor(196, 32, 32));
        p.drawText(QRectF(0, 22, 40, 26), Qt::AlignCenter, QString::fromUtf8("中"));
        p.setPen(QPen(QColor(20, 120, 60), 2));
        p.drawLine(5, 6, 5, 44);
        p.setPen(QPen(QColor(30, 70, 160), 2));
        p.drawLine(35, 6, 35, 44);
    }
    QImage inverted = face.copy();
    {
        QPainter p(&inverted);
        p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        p.drawImage(0, 0, filled.convertToFormat(QImage::Format_RGB32));
    }
    QImage out(86, 50, QImage::Format_RGB32);
    out.fill(kSheet);
    QPainter p(&out);
    p.drawImage(0, 0, face);
    p.drawImage(46, 0, inverted);
    return out;
}

class Sheet {
  public:
    explicit Sheet(int width) : width_(width) {}

    void Section(const QString& title) {
        NewRow();
        items_.push_back({QImage(), title, x_, y_, true});
        y_ += 24;
    }
    void Add(const QImage& img, const QString& caption) {
        if (x_ + img.width() > width_ - 10 && x_ > 10)
            NewRow();
        items_.push_back({img, caption, x_, y_, false});
        x_ += img.width() + 14;
        rowH_ = std::max(rowH_, img.height() + 18);
    }
    void NewRow() {
        if (x_ > 10)
            y_ += rowH_ + 6;
        x_ = 10;
        rowH_ = 0;
    }
    QImage Render() {
        NewRow();
        QImage out(width_, y_ + 10, QImage::Format_RGB32);
        out.fill(kSheet);
        QPainter p(&out);
        p.setRenderHint(QPainter::TextAntialiasing);
        for (const Item& it : items_) {
            if (it.header) {
                p.setFont(PixelFont("DejaVu Sans", 15, QFont::Bold));
                p.setPen(kCaption);
                p.drawText(it.x, it.y + 17, it.caption);
                continue;
            }
            p.drawImage(it.x, it.y, it.img);
            p.setFont(PixelFont("DejaVu Sans", 11));
            p.setPen(kCaption);
            p.drawText(it.x, it.y + it.img.height() + 13, it.caption);
        }
        return out;
    }

  private:
    struct Item {
        QImage img;
        QString caption;
        int x, y;
        bool header;
    };
    int width_, x_ = 10, y_ = 10, rowH_ = 0;
    std::vector<Item> items_;
};

}  // namespace

QImage ContactSheet(const QString& root, QString* error) {
    std::map<QString, QImage> files;
    auto load = [&](const QString& rel) -> const QImage& {
        auto it = files.find(rel);
        if (it != files.end())
            return it->second;
        QImage img(root + "/" + rel);
        if (img.isNull() && error->isEmpty())
            *error = "cannot read " + root + "/" + rel;
        return files.emplace(rel, img).first->second;
    };
    const QString bmp = "resources/bitmaps/";
    const QStringList needed = [&] {
        QStringList l = {"data/Backgrounds/kanji.bmp",
                         "data/Backgrounds/dragons.bmp",
                         "data/Backgrounds/andromeda.jpg",
                         "data/Backgrounds/catpats.jpg",
                         "data/orange.jpg",
                         "resources/cursors/techno.png"};
        for (int n = 1; n <= 26; ++n)
            l << bmp + QString::number(n) + ".bmp";
        l << bmp + "50.bmp" << bmp + "filled.bmp" << bmp + "toolbitmap.bmp";
        for (const char* g : kGlyphNames)
            l << QString("resources/glyphs/%1.png").arg(g);
        return l;
    }();
    for (const QString& rel : needed)
        load(rel);
    if (!error->isEmpty())
        return QImage();

    Sheet sheet(1300);
    sheet.Section("Backgrounds (data/Backgrounds) and the help backdrop (data/orange.jpg)");
    sheet.Add(Tiled(load("data/Backgrounds/kanji.bmp"), 512, 234),
              "kanji.bmp 256 x 234, two tiles");
    sheet.Add(Tiled(load("data/Backgrounds/catpats.jpg"), 528, 234),
              "catpats.jpg 176 x 156, tiled");
    sheet.Add(load("data/Backgrounds/dragons.bmp")
                  .scaled(352, 234, Qt::KeepAspectRatio, Qt::SmoothTransformation),
              "dragons.bmp 704 x 468, half size");
    sheet.Add(load("data/Backgrounds/andromeda.jpg")
                  .scaled(352, 234, Qt::KeepAspectRatio, Qt::SmoothTransformation),
              "andromeda.jpg 704 x 468, half size");
    sheet.Add(
        load("data/orange.jpg").scaled(308, 219, Qt::KeepAspectRatio, Qt::SmoothTransformation),
        "orange.jpg 616 x 437, half size");

    sheet.Section("Side panel (1.bmp) as the game fills it, splash (50.bmp) x2, toolbar wallpaper");
    const QImage panel = load(bmp + "1.bmp");
    auto composed = [&](int base, int overlay) {
        QImage img =
            load(bmp + QString::number(base) + ".bmp").convertToFormat(QImage::Format_RGB32);
        if (overlay) {
            QPainter p(&img);
            p.drawImage(0, 0,
                        KeyOut(load(bmp + QString::number(overlay) + ".bmp"), kGirlKey.rgb()));
        }
        return img;
    };
    sheet.Add(panel, "1.bmp");
    sheet.Add(PanelDemo(panel, KeyOut(composed(23, 0), kGirlKey.rgb()), 0), "title mode");
    sheet.Add(PanelDemo(panel, KeyOut(composed(23, 24), kGirlKey.rgb()), 1), "picture mode");
    sheet.Add(PanelDemo(panel, QImage(), 2), "two players");
    sheet.Add(Enlarged(load(bmp + "50.bmp"), 2), "50.bmp 261 x 136, x2");
    sheet.NewRow();
    sheet.Add(Enlarged(Tiled(load(bmp + "toolbitmap.bmp"), 512, 33), 2),
              "toolbitmap.bmp, tiled, x2");

    // As the game shows them: the key green left out over the panel's indigo.
    auto onPanel = [&](int base, int overlay) {
        QImage img(92, 166, QImage::Format_RGB32);
        img.fill(QColor(26, 22, 64));
        QPainter p(&img);
        p.drawImage(0, 0, KeyOut(composed(base, overlay), kGirlKey.rgb()));
        return img;
    };
    sheet.Section("Girls: 14..25, each base alone, with its delighted and its worried overlay");
    for (int b = 14; b <= 23; b += 3) {
        sheet.Add(onPanel(b, 0), QString("%1").arg(b));
        sheet.Add(onPanel(b, b + 1), QString("%1+%2").arg(b).arg(b + 1));
        sheet.Add(onPanel(b, b + 2), QString("%1+%2").arg(b).arg(b + 2));
    }
    sheet.NewRow();
    for (int b = 14; b <= 23; b += 3) {
        sheet.Add(load(bmp + QString::number(b + 1) + ".bmp"), QString("%1 as stored").arg(b + 1));
        sheet.Add(load(bmp + QString::number(b + 2) + ".bmp"), QString("%1 as stored").arg(b + 2));
    }

    sheet.Section("Clicks pieces 4, 5, 6, 7, 8, 26 (x3), and on the grid as the game draws them");
    QImage pieces[6];
    const int numbers[6] = {4, 5, 6, 7, 8, 26};
    for (int i = 0; i < 6; ++i) {
        pieces[i] = KeyOut(load(bmp + QString::number(numbers[i]) + ".bmp"), 0);
        sheet.Add(Enlarged(load(bmp + QString::number(numbers[i]) + ".bmp"), 3),
                  QString("%1.bmp").arg(numbers[i]));
    }
    sheet.Add(ClicksDemo(pieces, load("data/Backgrounds/dragons.bmp")), "grid");

    sheet.Section(
        "Shadow pieces H (3), V1 (9), V2 (10), V3 (11), V4 (12), V5 (13) x3; on a board x2");
    for (int n : {3, 9, 10, 11, 12, 13}) {
        sheet.Add(Enlarged(load(bmp + QString::number(n) + ".bmp"), 3), QString("%1.bmp").arg(n));
    }
    sheet.Add(Enlarged(ShadowDemo(root + "/" + bmp), 2), "two layers, shadows on");

    sheet.Section("Filled XOR, small tile (2.bmp) x3 and a miniature, glyphs x3, TECHNO cursor x3");
    sheet.Add(Enlarged(XorDemo(load(bmp + "filled.bmp")), 2), "face, and XOR filled.bmp");
    sheet.Add(Enlarged(load(bmp + "2.bmp"), 3), "2.bmp");
    sheet.Add(Enlarged(MiniatureDemo(load(bmp + "2.bmp")), 2), "chooser miniature x2");
    QImage glyphRow(12 * 20 + 4, 20, QImage::Format_RGB32);
    glyphRow.fill(QColor(218, 232, 226));
    {
        QPainter p(&glyphRow);
        for (int i = 0; i < 12; ++i) {
            p.drawImage(4 + 20 * i, 2,
                        load(QString("resources/glyphs/%1.png").arg(kGlyphNames[i])));
        }
    }
    sheet.Add(Enlarged(glyphRow, 3),
              "new back hint shuffle pause play music layout help about hall exit");
    sheet.Add(glyphRow, "glyphs x1");
    QImage cursor(34, 34, QImage::Format_RGB32);
    cursor.fill(QColor(200, 200, 200));
    {
        QPainter p(&cursor);
        p.drawImage(1, 1, load("resources/cursors/techno.png"));
    }
    sheet.Add(Enlarged(cursor, 3), "techno.png, hot spot (1, 1)");
    return sheet.Render();
}

}  // namespace pictures
