// The side panel behind the hall of fame, the chooser's small tile, the splash picture, the
// `Filled` pattern of inverted selections and the toolbar's wallpaper.

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <functional>

#include "Canvas.h"
#include "Pictures.h"

namespace pictures {

namespace {

const QColor kGold(206, 166, 84);
const QColor kGoldLight(244, 216, 140);
const QColor kIvory(250, 243, 222);

// A small four-petal knot, the panel's and the splash's corner mark.
void Knot(QPainter& p, QPointF c, double s, const QColor& col) {
    p.save();
    p.translate(c);
    p.setPen(QPen(col, 1.0));
    p.setBrush(Qt::NoBrush);
    for (int k = 0; k < 4; ++k) {
        p.drawEllipse(QPointF(s * 0.55, 0), s * 0.45, s * 0.28);
        p.rotate(90);
    }
    p.setBrush(col);
    p.drawEllipse(QPointF(0, 0), s * 0.18, s * 0.18);
    p.restore();
}

// A one-pixel outline drawn like QPainter::drawRect(x, y, w, h) without antialiasing: the
// pixels x..x+w and y..y+h of the 1x picture, so a finer picture gets k x k blocks of them.
void PixelFrame(QPainter& p, int x, int y, int w, int h, const QColor& c) {
    p.fillRect(QRectF(x, y, w + 1, 1), c);
    p.fillRect(QRectF(x, y + h, w + 1, 1), c);
    p.fillRect(QRectF(x, y + 1, 1, h - 1), c);
    p.fillRect(QRectF(x + w, y + 1, 1, h - 1), c);
}

// A one-pixel horizontal line over the pixels x0..x1 of row y of the 1x picture.
void PixelRow(QPainter& p, int x0, int x1, int y, const QColor& c) {
    p.fillRect(QRectF(x0, y, x1 - x0 + 1, 1), c);
}

// The centre of device pixel `i` of a picture drawn `k` times finer, in 1x pixels; at k = 1
// it is `i` itself, so the 1x picture stays as it always was.
double At1x(int i, int k) {
    return (i + 0.5) / k - 0.5;
}

// Deep indigo lacquer with a thin gold frame. The middle stays plain and dark: white and
// aqua names are written over it, a girl stands in the lower part and the two players'
// clocks use the band at the bottom. `k` times the 92 x 472 pixels, the same drawing.
QImage SidePanel(int k) {
    const int w = 92, h = 472;
    QImage img(w * k, h * k, QImage::Format_RGB32);
    TileNoise grain(w, h, 2, 10, 3, 61);
    for (int j = 0; j < h * k; ++j) {
        const double y = At1x(j, k);
        for (int i = 0; i < w * k; ++i) {
            const double x = At1x(i, k);
            const double t = y / h;
            // Lacquer: a soft vertical sheen a third of the way across, darker towards the
            // bottom and the edges.
            const double sheen = std::exp(-std::pow((x - 32) / 16.0, 2)) * 0.10;
            const double edge = 1.0 - 0.18 * std::pow(std::abs(x - 46) / 46.0, 2);
            const double s = (1.0 + sheen + 0.06 * (grain.At(x, y) - 0.5)) * edge;
            const QColor c = Mix(QColor(36, 30, 84), QColor(18, 16, 50), t);
            img.setPixel(i, j, Shade(c, s).rgb());
        }
    }
    QPainter p(&img);
    p.scale(k, k);
    p.setRenderHint(QPainter::Antialiasing);
    // Faint waves at the very top and bottom, where no text goes.
    Seigaiha(p, QRectF(3, 3, w - 6, 11), 6, QColor(30, 26, 74), QColor(70, 62, 140, 120), 3);
    Seigaiha(p, QRectF(3, h - 11, w - 6, 8), 6, QColor(20, 18, 54), QColor(60, 54, 124, 110), 3);

    p.setRenderHint(QPainter::Antialiasing, false);
    PixelFrame(p, 0, 0, w - 1, h - 1, Shade(kGold, 0.75));
    PixelFrame(p, 2, 2, w - 5, h - 5, kGold);
    PixelFrame(p, 4, 4, w - 9, h - 9, QColor(120, 96, 52));
    PixelRow(p, 5, w - 6, 15, kGold);
    PixelRow(p, 5, w - 6, h - 13, kGold);
    p.setRenderHint(QPainter::Antialiasing);
    for (QPointF c : {QPointF(9.5, 9.5), QPointF(w - 9.5, 9.5)})
        Knot(p, c, 6, kGoldLight);
    for (QPointF c : {QPointF(9.5, h - 8.5), QPointF(w - 9.5, h - 8.5)})
        Knot(p, c, 5, kGoldLight);
    return img;
}

// The chooser's miniature tile: an 11 x 13 ivory face with a 2-pixel edge on the left and
// at the bottom; the corners outside the tile stay black, which the chooser leaves out.
QImage SmallTile() {
    const int w = 13, h = 15;
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(Qt::black);
    const QColor rim(150, 124, 80), edgeLight(236, 170, 80), edgeDark(176, 98, 30);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const bool face = x >= 2 && y <= 12;
            QColor c;
            if (face) {
                const bool border = x == 2 || x == 12 || y == 0 || y == 12;
                // A bevel of light along the top and left inside the rim.
                c = border ? rim : (x == 3 || y == 1) ? QColor(255, 253, 244) : kIvory;
            } else {
                // Left edge x 0..1 and bottom edge y 13..14, cut at 45 degrees at the top
                // left and bottom right like a real tile seen from above.
                if (x < 2 && y < 2 - x)
                    continue;
                if (y > 12 && x > w - 1 - (y - 12))
                    continue;
                c = (x == 0 || y == 14) ? edgeDark : edgeLight;
                if (y > 12)
                    c = Shade(c, 0.85);
            }
            img.setPixel(x, y, c.rgb());
        }
    }
    return img;
}

// A whole tile for the splash: face at `face`, the edge `e` pixels to the left and below.
void SplashTile(QPainter& p, const QRectF& face, double e,
                const std::function<void(QPainter&, const QRectF&)>& symbol) {
    QPainterPath body;
    body.moveTo(face.left(), face.top());
    body.lineTo(face.left() - e, face.top() + e);
    body.lineTo(face.left() - e, face.bottom() + e);
    body.lineTo(face.right() - e, face.bottom() + e);
    body.lineTo(face.right(), face.bottom());
    body.closeSubpath();
    QLinearGradient side(face.left() - e, 0, face.left(), 0);
    side.setColorAt(0, QColor(150, 76, 18));
    side.setColorAt(1, QColor(236, 150, 52));
    p.setPen(QPen(QColor(70, 34, 10), 0.8));
    p.setBrush(side);
    p.drawPath(body);
    // The ivory slab right under the face.
    QPainterPath slab;
    slab.moveTo(face.left(), face.top());
    slab.lineTo(face.left() - e * 0.35, face.top() + e * 0.35);
    slab.lineTo(face.left() - e * 0.35, face.bottom() + e * 0.35);
    slab.lineTo(face.right() - e * 0.35, face.bottom() + e * 0.35);
    slab.lineTo(face.right(), face.bottom());
    slab.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(214, 200, 168));
    p.drawPath(slab);
    QLinearGradient ivory(face.topLeft(), face.bottomRight());
    ivory.setColorAt(0, QColor(255, 252, 240));
    ivory.setColorAt(1, QColor(236, 226, 196));
    p.setPen(QPen(QColor(150, 130, 96), 0.8));
    p.setBrush(ivory);
    p.drawRoundedRect(face, 2, 2);
    symbol(p, face);
}

void GlyphSymbol(QPainter& p, const QRectF& face, const char* text, const QColor& c, int px) {
    p.setFont(PixelFont("AR PL UKai TW", px));
    p.setPen(c);
    p.drawText(face, Qt::AlignCenter, QString::fromUtf8(text));
}

void DotsSymbol(QPainter& p, const QRectF& face) {
    // Five of Dots, in the blue, red and green of the tilesets.
    const QPointF c = face.center();
    const double dx = face.width() * 0.26, dy = face.height() * 0.27, r = face.width() * 0.13;
    const QPointF at[5] = {c + QPointF(-dx, -dy), c + QPointF(dx, -dy), c, c + QPointF(-dx, dy),
                           c + QPointF(dx, dy)};
    const QColor cols[5] = {QColor(30, 70, 160), QColor(20, 120, 60), QColor(196, 36, 36),
                            QColor(20, 120, 60), QColor(30, 70, 160)};
    for (int i = 0; i < 5; ++i) {
        p.setPen(QPen(cols[i], 1.2));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(at[i], r, r);
        p.setBrush(cols[i]);
        p.setPen(Qt::NoPen);
        p.drawEllipse(at[i], r * 0.45, r * 0.45);
    }
}

// Gold text with a dark drop shadow and a light rim at the top.
void GoldText(QPainter& p, const QPointF& at, const QFont& font, const QString& text) {
    QPainterPath path;
    path.addText(at, font, text);
    const QRectF box = path.boundingRect();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 150));
    p.drawPath(path.translated(2, 2));
    QLinearGradient gold(0, box.top(), 0, box.bottom());
    gold.setColorAt(0.0, QColor(255, 240, 180));
    gold.setColorAt(0.45, QColor(232, 184, 80));
    gold.setColorAt(0.55, QColor(196, 140, 48));
    gold.setColorAt(1.0, QColor(240, 198, 104));
    p.setBrush(gold);
    p.setPen(QPen(QColor(90, 56, 16), 0.8));
    p.drawPath(path);
}

// The picture shown while the game starts: the name over a teal night with three tiles.
QImage Splash() {
    const int w = 261, h = 136;
    QImage img(w, h, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient sky(w * 0.62, h * 0.35, w * 0.8);
    sky.setColorAt(0, QColor(22, 92, 100));
    sky.setColorAt(0.55, QColor(16, 52, 74));
    sky.setColorAt(1, QColor(16, 20, 56));
    p.fillRect(img.rect(), sky);
    {
        // Waves along the bottom, fading out upwards.
        QImage waves(w, h, QImage::Format_ARGB32_Premultiplied);
        waves.fill(Qt::transparent);
        QPainter q(&waves);
        Seigaiha(q, QRectF(0, h - 40, w, 40), 10, QColor(14, 40, 66), QColor(60, 130, 140, 110), 4);
        q.setCompositionMode(QPainter::CompositionMode_DestinationIn);
        QLinearGradient fade(0, h - 40, 0, h - 14);
        fade.setColorAt(0, QColor(0, 0, 0, 0));
        fade.setColorAt(1, QColor(0, 0, 0, 255));
        q.fillRect(waves.rect(), fade);
        q.end();
        p.drawImage(0, 0, waves);
    }

    // Three tiles fanned out on the left.
    struct Fan {
        double x, y, angle;
        int kind;
    };
    const Fan fan[] = {{20, 44, -14, 0}, {44, 36, -2, 1}, {70, 42, 11, 2}};
    for (const Fan& f : fan) {
        p.save();
        p.translate(f.x + 16, f.y + 21);
        p.rotate(f.angle);
        const QRectF face(-16, -21, 32, 42);
        SplashTile(p, face, 5, [&](QPainter& q, const QRectF& r) {
            if (f.kind == 0)
                GlyphSymbol(q, r, "發", QColor(20, 120, 60), 26);
            if (f.kind == 1)
                GlyphSymbol(q, r, "中", QColor(196, 32, 32), 28);
            if (f.kind == 2)
                DotsSymbol(q, r);
        });
        p.restore();
    }

    // The name and the game's kind, centred in the space right of the tiles.
    const double mid = 180;
    const QFont title = PixelFont("P052", 42, QFont::Bold, true);
    QPainterPath probe;
    probe.addText(0, 0, title, "Quorin");
    GoldText(p, QPointF(mid - probe.boundingRect().center().x(), 66), title, "Quorin");
    p.setPen(QPen(kGold, 1.0));
    p.drawLine(QPointF(mid - 60, 78), QPointF(mid + 60, 78));
    p.setBrush(kGoldLight);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(mid, 78), 2, 2);
    QFont sub = PixelFont("P052", 15, QFont::Bold);
    sub.setLetterSpacing(QFont::AbsoluteSpacing, 2.2);
    p.setFont(sub);
    const QRectF line(mid - 70, 83, 140, 20);
    p.setPen(QColor(0, 0, 0, 140));
    p.drawText(line.translated(1, 1), Qt::AlignHCenter | Qt::AlignTop, "MAH-JONGG");
    p.setPen(kIvory);
    p.drawText(line, Qt::AlignHCenter | Qt::AlignTop, "MAH-JONGG");

    p.setRenderHint(QPainter::Antialiasing, false);
    p.setBrush(Qt::NoBrush);
    p.setPen(Shade(kGold, 0.7));
    p.drawRect(0, 0, w - 1, h - 1);
    p.setPen(kGold);
    p.drawRect(2, 2, w - 5, h - 5);
    p.setRenderHint(QPainter::Antialiasing);
    for (QPointF c : {QPointF(8.5, 8.5), QPointF(w - 8.5, 8.5), QPointF(8.5, h - 8.5),
                      QPointF(w - 8.5, h - 8.5)}) {
        Knot(p, c, 5, kGoldLight);
    }
    return img;
}

// XORed over a selected face: ivory turns a warm orange, black ink turns blue, red ink
// lilac and green ink cyan, so every symbol stays readable on the highlighted face.
QImage Filled() {
    QImage img(40, 50, QImage::Format_RGB32);
    img.fill(QColor(0, 96, 192));
    return img;
}

// The toolbar's wallpaper: pale celadon waves, light enough for bold navy and maroon
// captions. 128 is a whole number of wave repeats, so the tiles join without a seam.
// `k` times the 128 x 33 pixels, the same drawing.
QImage ToolBitmap(int k) {
    const int w = 128, h = 33;
    QImage img(w * k, h * k, QImage::Format_RGB32);
    QPainter p(&img);
    p.scale(k, k);
    QLinearGradient bar(0, 0, 0, h);
    bar.setColorAt(0, QColor(236, 244, 240));
    bar.setColorAt(0.5, QColor(218, 232, 226));
    bar.setColorAt(1, QColor(196, 216, 210));
    p.fillRect(QRectF(0, 0, w, h), bar);
    p.setRenderHint(QPainter::Antialiasing);
    p.setOpacity(0.5);
    Seigaiha(p, QRectF(0, 0, w, h), 8, QColor(0, 0, 0, 0), QColor(120, 168, 160, 70), 3);
    p.setOpacity(1);
    p.setRenderHint(QPainter::Antialiasing, false);
    PixelRow(p, 0, w - 1, 0, QColor(255, 255, 255, 200));
    PixelRow(p, 0, w - 1, h - 1, QColor(150, 180, 174));
    return img;
}

}  // namespace

std::vector<Picture> Panel() {
    return {
        {"resources/bitmaps/1.bmp", SidePanel(1), Picture::Format::Bmp},
        {"resources/bitmaps/1@2x.png", SidePanel(2), Picture::Format::Png},
        {"resources/bitmaps/1@3x.png", SidePanel(3), Picture::Format::Png},
        {"resources/bitmaps/2.bmp", SmallTile(), Picture::Format::Bmp},
        {"resources/bitmaps/50.bmp", Splash(), Picture::Format::Bmp},
        {"resources/bitmaps/filled.bmp", Filled(), Picture::Format::Bmp},
        {"resources/bitmaps/toolbitmap.bmp", ToolBitmap(1), Picture::Format::Bmp},
        {"resources/bitmaps/toolbitmap@2x.png", ToolBitmap(2), Picture::Format::Png},
        {"resources/bitmaps/toolbitmap@3x.png", ToolBitmap(3), Picture::Format::Png},
    };
}

}  // namespace pictures
