// gen_pictures: draws Quorin's own pictures with QPainter and writes them into the source
// tree, where they are committed. The game's build never runs this program.
//
// What it writes (paths relative to the repository root):
//   data/Backgrounds/kanji.bmp, dragons.bmp, andromeda.jpg, catpats.jpg, data/orange.jpg
//   resources/bitmaps/1.bmp .. 26.bmp, 50.bmp, filled.bmp, toolbitmap.bmp
//   resources/bitmaps/<n>@2x.png, <n>@3x.png: the side panel (1), the girls (14 .. 25) and
//     the toolbar's wallpaper (toolbitmap) drawn at 2 and 3 times the size
//   resources/glyphs/<name>.png (16 x 16 toolbar and menu glyphs), <name>@2x.png, @3x.png
//   resources/cursors/techno.png (32 x 32; its hot spot is pixel (1, 1), the arrow's tip)
//
// Running it again:
//   apt-get install fonts-arphic-ukai fonts-urw-base35 fonts-dejavu-core
//   cmake -S . -B build -G Ninja -DQUORIN_GENERATORS=ON
//   cmake --build build --target regenerate_pictures
// or by hand, from the repository root:
//   build/gen_pictures --root .
//   build/gen_pictures --root . --contact-sheet docs/resources.png
// The contact sheet mode only reads the committed files and lays them out for review.
// Drawing is deterministic: the same fonts give the same files.

#include <QFontDatabase>
#include <QGuiApplication>
#include <QStringList>

#include <algorithm>
#include <cstdio>

#include "Canvas.h"
#include "Pictures.h"

namespace {

// Fonts the drawings use, with the Debian package that brings each. Qt would quietly fall
// back to another font, which would change the pictures, so a missing one stops the run.
struct FontNeed {
    const char* family;
    const char* package;
};
const FontNeed kFonts[] = {
    {"AR PL UKai TW", "fonts-arphic-ukai"},
    {"P052", "fonts-urw-base35"},
    {"DejaVu Sans", "fonts-dejavu-core"},
};

void Usage() {
    std::fprintf(stderr,
                 "usage: gen_pictures [--root DIR]\n"
                 "       gen_pictures [--root DIR] --contact-sheet OUT.png\n"
                 "Writes the pictures under DIR (default: the current folder), or lays the\n"
                 "files already there out on one sheet.\n");
}

bool FontsPresent() {
    const QStringList families = QFontDatabase::families();
    bool ok = true;
    for (const FontNeed& f : kFonts) {
        // Families installed by more than one foundry are listed as "Name [foundry]".
        const QString name = QString::fromUtf8(f.family);
        const bool found = std::any_of(families.begin(), families.end(), [&](const QString& s) {
            return s.compare(name, Qt::CaseInsensitive) == 0 ||
                   s.startsWith(name + " [", Qt::CaseInsensitive);
        });
        if (!found) {
            std::fprintf(stderr, "gen_pictures: font \"%s\" is missing (Debian package %s)\n",
                         f.family, f.package);
            ok = false;
        }
    }
    return ok;
}

bool WriteAll(const QString& root) {
    std::vector<pictures::Picture> all;
    for (auto part : {pictures::Backgrounds, pictures::Panel, pictures::Pieces, pictures::Girls,
                      pictures::Glyphs}) {
        for (pictures::Picture& p : part())
            all.push_back(std::move(p));
    }
    bool ok = true;
    for (const pictures::Picture& p : all) {
        const QString path = root + "/" + p.path;
        switch (p.format) {
            case pictures::Picture::Format::Bmp:
                ok = pictures::SaveBmp24(p.image, path) && ok;
                break;
            case pictures::Picture::Format::Jpeg:
                ok = pictures::SaveJpeg(p.image, path, 85) && ok;
                break;
            case pictures::Picture::Format::Png:
                ok = pictures::SavePng(p.image, path) && ok;
                break;
        }
    }
    std::fprintf(stderr, "gen_pictures: %zu pictures written under %s\n", all.size(),
                 qPrintable(root));
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    // Runs without a display; fonts still come from fontconfig.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    QString root = ".", sheet;
    const QStringList args = app.arguments();
    for (int i = 1; i < args.size(); ++i) {
        if (args[i] == "--root" && i + 1 < args.size()) {
            root = args[++i];
        } else if (args[i] == "--contact-sheet" && i + 1 < args.size()) {
            sheet = args[++i];
        } else {
            Usage();
            return 2;
        }
    }

    if (!sheet.isEmpty()) {
        QString error;
        const QImage img = pictures::ContactSheet(root, &error);
        if (img.isNull()) {
            std::fprintf(stderr, "gen_pictures: %s\n", qPrintable(error));
            return 1;
        }
        return pictures::SavePng(img, sheet) ? 0 : 1;
    }

    if (!FontsPresent())
        return 1;
    return WriteAll(root) ? 0 : 1;
}
