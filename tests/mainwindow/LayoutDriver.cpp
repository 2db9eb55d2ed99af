// Makes layouts with the real layout editor: for each shape file it opens the main window on
// a copy of the program folder, enters "Create Layout", presses every position of the shape
// with the mouse, types the name and saves with "Save as...".
//
//   build/quorin_layout_driver --write data/Layouts tests/mainwindow/shapes/*.txt
//       writes data/Layouts/<file name of the shape>.lay
//   build/quorin_layout_driver --check data/Layouts tests/mainwindow/shapes/*.txt
//       fails unless the files there are exactly what the editor makes now
//   --png FOLDER (after the mode) also saves a picture of a game dealt on each layout.
//
// A shape file: "Name: <name shown in the game>", then 20 lines of 34 characters, one per
// cell of the board. '.' is empty; a digit d puts a tile on layers 1 to d at that cell (its
// upper-left cell; a tile covers two by two cells); a letter b to e puts a single tile on
// layer 2 to 5 at that cell, resting half aside on the tiles below it. Lines starting with
// '#' are comments.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QTextStream>

#include <algorithm>
#include <cstdio>

#include "WindowTestSupport.h"
#include "board/Placement.h"

using namespace quorin;
using namespace quorin::test;

namespace {

struct Shape {
    QString name;
    LayoutGrid grid;
};

bool ReadShape(const QString& path, Shape& shape, QString& error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        error = "cannot read " + path;
        return false;
    }
    int y = 0;
    QTextStream in(&file);
    while (!in.atEnd()) {
        const QString line = in.readLine();
        if (line.startsWith('#') || line.trimmed().isEmpty())
            continue;
        if (line.startsWith("Name:")) {
            shape.name = line.mid(5).trimmed();
            continue;
        }
        if (++y > kRows || line.size() != kColumns) {
            error = QString("%1: row %2 is not one of 20 rows of 34 cells").arg(path).arg(y);
            return false;
        }
        for (int x = 1; x <= kColumns; ++x) {
            const QChar c = line[x - 1];
            if (c >= '1' && c <= '5') {
                for (int layer = 1; layer <= c.digitValue(); ++layer)
                    shape.grid.Set(x, y, layer, 1);
            } else if (c >= 'b' && c <= 'e') {
                shape.grid.Set(x, y, c.toLatin1() - 'a' + 1, 1);
            } else if (c != '.') {
                error = QString("%1: unknown cell '%2'").arg(path).arg(c);
                return false;
            }
        }
    }
    if (y != kRows || shape.name.isEmpty()) {
        error = path + ": a name and 20 rows are needed";
        return false;
    }
    return true;
}

// Presses every position of the shape, layer by layer, and checks that each press put its
// tile exactly where it was meant to go.
bool Build(Window& w, const Shape& shape, QString& error) {
    w->Action("CreateLayout1")->trigger();
    const GameState& s = w->State();
    for (const TilePosition& p :
         EnumeratePositions([&](int x, int y, int l) { return shape.grid.At(x, y, l) != 0; })) {
        // The surface starts just above the first row: row 1 is reached from its top pixel.
        w.Press({20 * p.x + 6 * p.layer - 40 + s.BoardOriginX,
                 std::max(25 * p.y - 6 * p.layer - 50, -24) + s.BoardOriginY});
        if (s.layout.At(p.x, p.y, p.layer) != 1) {
            error = QString("the press for %1, %2 on layer %3 put no tile there")
                        .arg(p.x)
                        .arg(p.y)
                        .arg(p.layer);
            return false;
        }
    }
    if (!(s.layout == shape.grid) || w->EditorTilesLabel()->text() != "0") {
        error = "the editor shows " + w->EditorTilesLabel()->text() + " tiles left";
        return false;
    }
    return true;
}

int Usage() {
    std::fputs(
        "usage: quorin_layout_driver --write|--check LAYOUT_FOLDER [--png FOLDER] "
        "SHAPE_FILE...\n",
        stderr);
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    // No screen and no sound are needed, whatever the machine has.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("SDL_AUDIODRIVER", "dummy");
    qputenv("QT_SCALE_FACTOR", "1");
    QApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.size() < 3 || (args[0] != "--write" && args[0] != "--check"))
        return Usage();
    const bool write = args.takeFirst() == "--write";
    // The window may change the working folder: every name is made absolute first.
    const QDir layouts(QFileInfo(args.takeFirst()).absoluteFilePath());
    QString pngFolder;
    if (args.size() >= 2 && args[0] == "--png") {
        args.takeFirst();
        pngFolder = QFileInfo(args.takeFirst()).absoluteFilePath();
    }
    for (QString& shape : args)
        shape = QFileInfo(shape).absoluteFilePath();
    int failures = 0;
    for (const QString& shapePath : args) {
        const QString file = QFileInfo(shapePath).completeBaseName() + ".lay";
        Shape shape;
        QString error;
        ProgramFolder folder("[Quorin]\r\nCoolStatus=0\r\nWinnable=1\r\n");
        Window w(folder);
        bool ok = ReadShape(shapePath, shape, error) && Build(w, shape, error);
        if (ok) {
            w->EditorName()->setText(shape.name);
            w.dialogs.saveAnswers << folder.File("Layouts/" + file);
            w.dialogs.answerReplace = true;  // the copy holds the shipped file of that name
            w->Action("Saveasandexit")->trigger();
            QFile made(folder.File("Layouts/" + file));
            ok = w->State().GameMode != ModeEditor && made.open(QIODevice::ReadOnly);
            if (!ok)
                error = "Save as... wrote nothing: " + w.dialogs.errors.join("; ") +
                        w.dialogs.messages.join("; ");
            const QByteArray bytes = made.readAll();
            QFile shipped(layouts.filePath(file));
            if (ok && write) {
                ok = shipped.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
                     shipped.write(bytes) == bytes.size();
                if (!ok)
                    error = "cannot write " + shipped.fileName();
            } else if (ok) {
                ok = shipped.open(QIODevice::ReadOnly) && shipped.readAll() == bytes;
                if (!ok)
                    error = shipped.fileName() + " is not what the editor makes";
            }
            if (ok && !pngFolder.isEmpty())
                w->grab().save(QDir(pngFolder).filePath(file + ".png"));
        }
        std::printf("%s %s%s%s\n", ok ? "ok  " : "FAIL", qPrintable(file), ok ? "" : ": ",
                    ok ? "" : qPrintable(error));
        failures += ok ? 0 : 1;
    }
    return failures == 0 ? 0 : 1;
}
