// gen_icons: draws Quorin's desktop icon, one tile of the game standing on a second one,
// and writes it as a scalable SVG and as PNG pictures for the icon theme's fixed sizes:
//   dist/icons/org.example.quorin.svg
//   dist/icons/<size>/org.example.quorin.png   for 16, 22, 24, 32, 48, 64, 128 and 256
// Both come from the same list of shapes, so the PNGs are the SVG drawn at each size.
//
// Running it again, from the repository root:
//   cmake -S . -B build -G Ninja -DQUORIN_GENERATORS=ON
//   cmake --build build --target regenerate_icons
// or by hand: build/gen_icons dist/icons
// It needs no fonts; the same Qt gives the same files.

#include <QColor>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QString>

#include <cstdio>
#include <tuple>
#include <vector>

namespace {

constexpr const char* kIconName = "org.example.quorin";
constexpr double kCanvas = 256;  // the SVG's view box; the shapes are given in it
const int kSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

struct Shape {
    bool circle = false;  // otherwise a rounded rectangle
    double x = 0, y = 0, w = 0, h = 0, radius = 0;
    QColor fill;
    QColor line;
    double lineWidth = 0;
};

std::vector<Shape> IconShapes() {
    const QColor outline(28, 34, 52);
    const QColor teal(38, 160, 160);
    const QColor ivory(250, 243, 222);
    const QColor navy(52, 78, 170);
    const QColor red(214, 58, 58);
    const QColor green(56, 168, 80);
    std::vector<Shape> shapes;
    // The tile behind, shifted up and right as the board draws its higher layers.
    shapes.push_back({false, 70, 14, 150, 196, 22, teal.darker(140), outline, 8});
    shapes.push_back({false, 62, 22, 150, 196, 22, ivory.darker(115), outline, 8});
    // The tile in front: its thick side, then its face.
    shapes.push_back({false, 44, 50, 156, 196, 24, teal, outline, 8});
    shapes.push_back({false, 34, 40, 156, 196, 24, ivory, outline, 8});
    // Five circles, as on the tile of the same name.
    const double c1 = 78, c2 = 146, r1 = 88, r2 = 188, rr = 22;
    for (const auto& [cx, cy, colour] : {std::tuple{c1, r1, navy}, std::tuple{c2, r1, green},
                                         std::tuple{c1, r2, green}, std::tuple{c2, r2, navy}})
        shapes.push_back({true, cx - rr, cy - rr, 2 * rr, 2 * rr, rr, colour, outline, 6});
    shapes.push_back({true, 112 - 26, 138 - 26, 52, 52, 26, red, outline, 6});
    shapes.push_back({true, 112 - 9, 138 - 9, 18, 18, 9, ivory, QColor(), 0});
    return shapes;
}

QString Svg(const std::vector<Shape>& shapes) {
    QString svg = QString(
                      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                      "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%1\" "
                      "viewBox=\"0 0 %1 %1\">\n")
                      .arg(kCanvas);
    for (const Shape& s : shapes) {
        const QString stroke =
            s.lineWidth > 0
                ? QString(" stroke=\"%1\" stroke-width=\"%2\"").arg(s.line.name()).arg(s.lineWidth)
                : QString();
        if (s.circle)
            svg += QString("  <circle cx=\"%1\" cy=\"%2\" r=\"%3\" fill=\"%4\"%5/>\n")
                       .arg(s.x + s.radius)
                       .arg(s.y + s.radius)
                       .arg(s.radius)
                       .arg(s.fill.name(), stroke);
        else
            svg += QString(
                       "  <rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" rx=\"%5\" "
                       "fill=\"%6\"%7/>\n")
                       .arg(s.x)
                       .arg(s.y)
                       .arg(s.w)
                       .arg(s.h)
                       .arg(s.radius)
                       .arg(s.fill.name(), stroke);
    }
    return svg + "</svg>\n";
}

QImage Png(const std::vector<Shape>& shapes, int size) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / kCanvas, size / kCanvas);
    for (const Shape& s : shapes) {
        // The pen is centred on the outline, as an SVG stroke is.
        p.setPen(s.lineWidth > 0 ? QPen(s.line, s.lineWidth) : QPen(Qt::NoPen));
        p.setBrush(s.fill);
        const QRectF box(s.x, s.y, s.w, s.h);
        if (s.circle)
            p.drawEllipse(box);
        else
            p.drawRoundedRect(box, s.radius, s.radius);
    }
    return image;
}

}  // namespace

int main(int argc, char** argv) {
    // Drawing into pictures needs no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: gen_icons OUT_FOLDER  (dist/icons of the repository)\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    const std::vector<Shape> shapes = IconShapes();
    QFile svg(out + "/" + kIconName + ".svg");
    if (!QDir().mkpath(out) || !svg.open(QIODevice::WriteOnly) ||
        svg.write(Svg(shapes).toUtf8()) < 0) {
        std::fprintf(stderr, "gen_icons: cannot write %s\n", qPrintable(svg.fileName()));
        return 1;
    }
    for (int size : kSizes) {
        const QString folder = out + "/" + QString::number(size);
        const QString file = folder + "/" + kIconName + ".png";
        if (!QDir().mkpath(folder) || !Png(shapes, size).save(file, "PNG")) {
            std::fprintf(stderr, "gen_icons: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
