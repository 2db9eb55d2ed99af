// gen_tilesets: draws the four tilesets that come with Quorin.
//
// Writes data/Tilesets/pai.bmp ("Orange borders"), darkpai.bmp ("Dark borders"),
// bluepai.bmp ("Blue borders") as 24-bit BMP and pai256.bmp ("Few Colors": flat inks and dark
// outlines on jade tiles, see Poster.h) as an 8-bit palette BMP, all 384 x 576, and each also
// at 2, 3 and 4 times that size as NAME@kx.png. The files are committed, so building the game
// needs neither this program nor its font.
//
// Running it again, from the top of the repository:
//   apt-get install fonts-wqy-microhei     the CJK glyphs of the faces (only this program
//                                          needs the font, the game does not)
//   cmake -S . -B build -G Ninja -DQUORIN_GENERATORS=ON
//   cmake --build build --target gen_tilesets
//   build/gen_tilesets                     writes the four files into data/Tilesets/ of the
//                                          source tree it was configured from
//   build/gen_tilesets --contact-sheet docs/tilesets.png
//                                          reads them back and renders every tile, plain,
//                                          selected and hinted, the way the board does
// --out DIR writes the tilesets elsewhere; --tilesets DIR makes the contact sheet read them
// from elsewhere. Without a display it runs on Qt's offscreen platform.

#include <QCommandLineParser>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QSaveFile>
#include <algorithm>
#include <cstdio>
#include <iterator>

#include "ContactSheet.h"
#include "FewColors.h"
#include "Ink.h"
#include "Poster.h"
#include "TileBody.h"
#include "TilesetLayout.h"
#include "TilesetPicture.h"

using namespace tilesets;

namespace {

void Fail(const QString& message) {
    std::fprintf(stderr, "gen_tilesets: %s\n", qPrintable(message));
}

// Writes through a temporary file, so a failed run never leaves half a tileset behind.
bool Save(const QImage& image, const QString& path, const char* format, int quality = -1) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !image.save(&file, format, quality) || !file.commit()) {
        Fail(QStringLiteral("cannot write %1: %2").arg(path, file.errorString()));
        return false;
    }
    std::printf("wrote %s\n", qPrintable(QDir::toNativeSeparators(path)));
    return true;
}

// NAME@kx.png beside NAME.bmp.
QString HighResolutionName(const QString& file, int k) {
    return QStringLiteral("%1@%2x.png").arg(file.left(file.lastIndexOf('.'))).arg(k);
}

int WriteTilesets(const QString& dir) {
    if (!QDir().mkpath(dir)) {
        Fail(QStringLiteral("cannot create the folder %1").arg(dir));
        return 1;
    }
    int count = 0;
    const BorderStyle* styles = BorderStyles(&count);
    for (int k : {1, kHighScales[0], kHighScales[1], kHighScales[2]}) {
        QString error;
        const std::vector<QImage> symbols = PaintAllSymbols(k, &error);
        if (!error.isEmpty()) {
            Fail(error);
            return 1;
        }
        for (int i = 0; i < count; ++i) {
            const std::vector<FaceLayers> faces = MakeFaces(symbols, styles[i].finish, k);
            QImage picture = PaintTilesetPicture(styles[i], faces, k);
            if (styles[i].fewColors) {
                std::vector<QRgb> keep = {qRgb(0, 0, 0), qRgb(255, 255, 255), kNeutral};
                if (styles[i].finish.flat) {
                    const std::vector<QRgb> flat = PosterColours(styles[i]);
                    keep.insert(keep.end(), flat.begin(), flat.end());
                }
                picture = ToFewColors(picture, keep);
            }
            // Quality 0 is the PNG writer's strongest compression; the files are committed.
            const bool saved =
                k == 1 ? Save(picture, QDir(dir).filePath(styles[i].file), "BMP")
                       : Save(picture, QDir(dir).filePath(HighResolutionName(styles[i].file, k)),
                              "PNG", 0);
            if (!saved)
                return 1;
        }
    }
    return 0;
}

int WriteContactSheet(const QString& tilesetDir, const QString& out, int k) {
    std::vector<NamedTileset> sets;
    int count = 0;
    const BorderStyle* styles = BorderStyles(&count);
    for (int i = 0; i < count; ++i) {
        const QString file = k == 1 ? styles[i].file : HighResolutionName(styles[i].file, k);
        const QString path = QDir(tilesetDir).filePath(file);
        QImage picture(path);
        // Qt reads the device pixel ratio from an "@kx" name; the sheet wants real pixels.
        picture.setDevicePixelRatio(1);
        if (picture.isNull()) {
            Fail(QStringLiteral("cannot read the tileset %1").arg(path));
            return 1;
        }
        if (picture.width() != kPictureWidth * k || picture.height() != kPictureHeight * k) {
            Fail(QStringLiteral("%1 is %2 x %3, a tileset is %4 x %5")
                     .arg(path)
                     .arg(picture.width())
                     .arg(picture.height())
                     .arg(kPictureWidth * k)
                     .arg(kPictureHeight * k));
            return 1;
        }
        sets.push_back({styles[i].title, picture});
    }
    // Quality 0 is the PNG writer's strongest compression; the sheet is committed.
    return Save(RenderContactSheet(sets, k), out, "PNG", 0) ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName("gen_tilesets");

    const QString defaultDir = QStringLiteral(QUORIN_SOURCE_DIR "/data/Tilesets");
    QCommandLineParser parser;
    parser.setApplicationDescription("Draws the tilesets of Quorin.");
    parser.addHelpOption();
    parser.addOption({"out", "Write the tilesets into <dir>.", "dir", defaultDir});
    parser.addOption(
        {"contact-sheet", "Render the tilesets found in the tileset folder to <png>.", "png"});
    parser.addOption({"tilesets", "Tileset folder the contact sheet reads.", "dir", defaultDir});
    parser.addOption({"scale",
                      "Make the contact sheet from the NAME@<k>x.png files (2, 3 or 4) instead "
                      "of the 1x ones.",
                      "k", "1"});
    parser.process(app);
    if (!parser.positionalArguments().isEmpty()) {
        Fail(QStringLiteral("unexpected argument %1 (see --help)")
                 .arg(parser.positionalArguments().first()));
        return 2;
    }

    QString error;
    if (!LoadFaceFont(&error)) {
        Fail(error);
        return 1;
    }
    if (parser.isSet("contact-sheet")) {
        bool number = false;
        const int k = parser.value("scale").toInt(&number);
        if (!number || (k != 1 && std::find(std::begin(kHighScales), std::end(kHighScales), k) ==
                                      std::end(kHighScales))) {
            Fail(QStringLiteral("--scale takes 1, 2, 3 or 4, not \"%1\"")
                     .arg(parser.value("scale")));
            return 2;
        }
        return WriteContactSheet(parser.value("tilesets"), parser.value("contact-sheet"), k);
    }
    return WriteTilesets(parser.value("out"));
}
