#include "WindowTestSupport.h"

#include <QDirIterator>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "layouts/TRandomWindow.h"
#include "mainwindow/BoardSurface.h"
#include "mainwindow/StatusLine.h"
#include "render/Geometry.h"

namespace quorin::test {

namespace {

void CopyTree(const QString& from, const QString& to) {
    QDir().mkpath(to);
    QDirIterator it(from, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = to + "/" + QDir(from).relativeFilePath(source);
        if (it.fileInfo().isDir())
            QDir().mkpath(target);
        else
            QFile::copy(source, target);
    }
}

}  // namespace

// --- Layout editor, chooser and seed window ---
void FakeDialogs::RunSeedWindow(QWidget* parent, int32_t& seed, std::function<int32_t()> randomSeed,
                                std::function<void(const QString&)> reportError,
                                std::function<QString(int32_t)> difficulty) {
    // The real window, typed into as a player would, then closed by its close box.
    ++seedWindows;
    TRandomWindow window(seed, std::move(randomSeed), std::move(reportError), parent);
    window.SetDifficulty(std::move(difficulty));
    if (seedNewRandom)
        window.BitBtn2->click();
    if (seedTyped) {
        window.RandomSeed->clear();
        QTest::keyClicks(window.RandomSeed, *seedTyped);
    }
    if (onSeedWindow) {
        window.show();
        if (QTest::qWaitForWindowExposed(&window))
            onSeedWindow(window);
    }
    if (seedPressOk)
        window.BitBtn1->click();
    seedAccepted = window.result() == QDialog::Accepted;
    if (!seedAccepted)
        window.close();
}

ProgramFolder::ProgramFolder(const QString& ini) {
    CopyTree(QStringLiteral(QUORIN_SOURCE_DIR "/data"), dir_.path());
    // The window needs at least one piece of music to start.
    if (QDir(dir_.filePath("Musics")).entryList({"*.mid"}).isEmpty())
        Write("Musics/Night.mid", QByteArray("MThd\0\0\0\6\0\0\0\1\0\x60", 14));
    if (!ini.isNull())
        Write("Quorin.ini", ini.toUtf8());
}

void ProgramFolder::Write(const QString& name, const QByteArray& content) const {
    QDir().mkpath(QFileInfo(dir_.filePath(name)).path());
    QFile f(dir_.filePath(name));
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    f.write(content);
}

Window::Window(const ProgramFolder& folder, int screenWidth) {
    window = std::make_unique<TQuorin>(folder.Path(),
                                       TQuorin::Services{clock, clock, dialogs, screenWidth});
    Show();
}

Window::Window(const FileLocations& where, int screenWidth) {
    window =
        std::make_unique<TQuorin>(where, TQuorin::Services{clock, clock, dialogs, screenWidth});
    Show();
}

void Window::Show() {
    if (!window->StartupFailed()) {
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get()))
            qWarning("the window was not exposed");
        // Sound and music start from the event loop after the first paint: every test
        // begins with them started, as a player does.
        if (!QTest::qWaitFor([this] { return !window->SoundPending(); }, 2000))
            qWarning("the sound output was not started after the first paint");
    }
}

Window::~Window() {
    if (window && window->isVisible())
        window->close();
}

void Window::Tick(int count) {
    for (int i = 0; i < count; ++i) {
        clock.Advance(50);
        window->Temps();
    }
}

void Window::Press(QPoint at, Qt::MouseButton button) {
    BoardSurface* board = window->GameImage();
    QTest::mousePress(board, button, {}, board->ToWidget(at));
    QTest::mouseRelease(board, button, {}, board->ToWidget(at));
}

QPoint FaceAnchor(const GameState& s, int tile) {
    const TilePosition p = s.board.TilePos[tile];
    return {CoordX(p.x - 1, p.layer - 1, s.BoardOriginX),
            CoordY(p.y - 1, p.layer - 1, s.BoardOriginY)};
}

void Window::PressTile(int tile, Qt::MouseButton button) {
    Press(FaceAnchor(window->State(), tile) + QPoint(20, 25), button);
}

void Window::PointAtTile(int tile) {
    BoardSurface* board = window->GameImage();
    QTest::mouseMove(board, board->ToWidget(FaceAnchor(window->State(), tile) + QPoint(20, 25)));
}

QString Window::StatusText() {
    return window->LigneStatus()->StatusText->text();
}

}  // namespace quorin::test
