// What the player has is kept: a game in progress through the pause and every redraw and
// window that comes with it (the same tiles and the same clock when it continues), and the
// chosen tileset through a damaged file at start-up.
#include <array>

#include <QFile>
#include <QTest>
#include <QToolButton>

#include "WindowTestSupport.h"
#include "mainwindow/WelcomePanel.h"

using namespace quorin;
using namespace quorin::test;

namespace {

const QString kPlainIni = "[Quorin]\r\nCoolStatus=0\r\nWinnable=1\r\nRandomSeed=4242\r\n";

using Tiles = std::array<TilePosition, kTileCount + 1>;

// A game started and played for ten seconds.
void StartTenSeconds(Window& w) {
    w->Welcome()->Classic->click();
    w.clock.Advance(10'000);
    w.Tick();
    QCOMPARE(w->State().ElapsedSeconds, 10);
}

QString PauseMenuCaption(Window& w) {
    return w->Action("Pause1")->text();
}
QString PauseButtonCaption(Window& w) {
    return w->findChild<QToolButton*>("PauseButton")->text();
}

// The value of `key` in the folder's Quorin.ini.
QString StoredValue(const ProgramFolder& folder, const QString& key) {
    QFile ini(folder.File("Quorin.ini"));
    if (!ini.open(QIODevice::ReadOnly))
        return "(no Quorin.ini)";
    for (const QByteArray& line : ini.readAll().split('\n'))
        if (line.startsWith(key.toLatin1() + "="))
            return QString(line.mid(key.size() + 1)).trimmed();
    return "(no " + key + ")";
}

// The board of the stored seed's deal as the window draws it.
QImage SpecificBoard(Window& w) {
    w->NewSpecificGame1Click();
    return w->Renderer().BoardBuffer().copy();
}

}  // namespace

class KeepTest : public QObject {
    Q_OBJECT
  private slots:
    void DialogsOfTheGameKeepTheGame_data();
    void DialogsOfTheGameKeepTheGame();
    void RedrawsWhilePausedKeepTheGame();
    void OwnWindowsPauseOnlyAGame();
    void DamagedTilesetFallsBackAndKeepsTheChoice();
    void ShapeFilesAreKnownWhateverTheCaseOfTheirName();
};

void KeepTest::DialogsOfTheGameKeepTheGame_data() {
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("picture");
    QTest::newRow("background colour") << "None1" << QString();
    QTest::newRow("background from disk") << "LoadBackground"
                                          << "Backgrounds/dragons.bmp";
    QTest::newRow("tileset from disk") << "Load1"
                                       << "Tilesets/bluepai.bmp";
}

void KeepTest::DialogsOfTheGameKeepTheGame() {
    QFETCH(QString, entry);
    QFETCH(QString, picture);
    ProgramFolder folder(kPlainIni);
    Window w(folder);
    StartTenSeconds(w);
    GameState& s = w->State();
    const Tiles tiles = s.board.TilePos;

    // The dialog takes activation away for a minute, and the clock keeps ticking meanwhile.
    w.dialogs.colorAnswer = QColor(10, 20, 30);
    if (!picture.isEmpty())
        w.dialogs.pictureAnswers << folder.File(picture);
    w.dialogs.whileOpen = [&] {
        w->FormDeactivate();
        w.clock.Advance(60'000);
        w.Tick(3);
    };
    w->Action(entry.toLatin1().constData())->trigger();

    QVERIFY(w.dialogs.errors.isEmpty());
    QVERIFY(w->Action(entry.toLatin1().constData())->isChecked());
    QCOMPARE(s.GameMode, ModePaused);
    QVERIFY(!w->Welcome()->isVisible());
    QCOMPARE(w->Renderer().BoardBuffer(), w->Renderer().BackgroundImage());  // tiles hidden

    w->FormActivate();  // the dialog has closed
    QCOMPARE(s.GameMode, ModeSolitaire);
    QCOMPARE(s.board.TilePos, tiles);
    QCOMPARE(s.TilesLeft, kTileCount);
    QVERIFY(w->Renderer().BoardBuffer() != w->Renderer().BackgroundImage());  // tiles back
    w.clock.Advance(1'000);
    w.Tick();
    QCOMPARE(s.ElapsedSeconds, 11);
    QCOMPARE(PauseMenuCaption(w), QString("&Pause"));
    QCOMPARE(PauseButtonCaption(w), QString("Pause"));
    QVERIFY(w.dialogs.gameOvers.isEmpty());
}

void KeepTest::RedrawsWhilePausedKeepTheGame() {
    ProgramFolder folder(kPlainIni);
    Window w(folder);
    StartTenSeconds(w);
    GameState& s = w->State();
    const Tiles tiles = s.board.TilePos;
    const QImage darkTiles = w->Renderer().BoardBuffer().copy();

    w->PauseClick();
    for (const char* entry : {"Toolbar1", "MahJongg1", "Kanji1", "Toolbar1"}) {
        w->Action(entry)->trigger();
        QVERIFY2(s.GameMode == ModePaused, entry);
        QVERIFY2(!w->Welcome()->isVisible(), entry);
        QVERIFY2(w->Renderer().BoardBuffer() == w->Renderer().BackgroundImage(), entry);
        QCOMPARE(PauseMenuCaption(w), QString("&Continue"));
        QCOMPARE(PauseButtonCaption(w), QString("Play"));
    }
    QVERIFY(w->Action("MahJongg1")->isChecked());
    QVERIFY(w->Action("Kanji1")->isChecked());
    w.clock.Advance(30'000);
    w.Tick();

    w->PauseClick();
    QCOMPARE(s.GameMode, ModeSolitaire);
    QCOMPARE(s.board.TilePos, tiles);
    QCOMPARE(s.ElapsedSeconds, 10);
    QCOMPARE(PauseMenuCaption(w), QString("&Pause"));
    QCOMPARE(PauseButtonCaption(w), QString("Pause"));
    // The board comes back drawn with what was chosen during the pause.
    const QImage& board = w->Renderer().BoardBuffer();
    QVERIFY(board != w->Renderer().BackgroundImage());
    QVERIFY(board != darkTiles);
}

void KeepTest::OwnWindowsPauseOnlyAGame() {
    ProgramFolder folder(kPlainIni);
    Window w(folder);
    GameState& s = w->State();
    StartTenSeconds(w);

    w->CheckPause();
    QCOMPARE(s.GameMode, ModePaused);
    w.clock.Advance(20'000);
    w.Tick();
    w->UnCheckPause();
    QCOMPARE(s.GameMode, ModeSolitaire);
    w.Tick();
    QCOMPARE(s.ElapsedSeconds, 10);

    // A paused game stopped, then one of the program's windows opened on the welcome panel:
    // closing it must not bring back the stopped game's mode over the welcome panel.
    w->PauseClick();
    w->Stop();
    w->CheckPause();
    QCOMPARE(s.GameMode, ModeIdle);
    w->UnCheckPause();
    QCOMPARE(s.GameMode, ModeIdle);
    QVERIFY(w->Welcome()->isVisible());
    QCOMPARE(PauseMenuCaption(w), QString("&Pause"));
    QCOMPARE(PauseButtonCaption(w), QString("Pause"));
}

void KeepTest::DamagedTilesetFallsBackAndKeepsTheChoice() {
    QImage orange;
    {
        ProgramFolder folder(kPlainIni + "Tileset=1\r\n");
        Window w(folder);
        orange = SpecificBoard(w);
    }
    QFile shipped(QUORIN_SOURCE_DIR "/data/Tilesets/darkpai.bmp");
    QVERIFY(shipped.open(QIODevice::ReadOnly));
    const QByteArray truncated = shipped.read(5000);

    // A damaged shipped tileset, then a damaged one loaded from disk: the player is told, the
    // first shipped tileset that loads is shown, and the choice is stored again.
    for (const char* stored : {"Tileset=2\r\n", "Tileset=0\r\nLastLoadedTileset=%1\r\n"}) {
        ProgramFolder folder;
        const QString own = folder.File("own.bmp");
        folder.Write("Quorin.ini", (kPlainIni + QString(stored).replace("%1", own)).toUtf8());
        folder.Write("Tilesets/darkpai.bmp", truncated);
        folder.Write("own.bmp", truncated);
        const QString expected = StoredValue(folder, "Tileset");
        {
            Window w(folder);
            QCOMPARE(w.dialogs.errors.size(), 1);
            QVERIFY2(w.dialogs.errors[0].contains(expected == "2" ? "darkpai.bmp" : "own.bmp"),
                     qPrintable(w.dialogs.errors[0]));
            QVERIFY(w->Action("MahJongg1")->isChecked());
            QVERIFY(!w->Action("MahJongg2")->isChecked() && !w->Action("Load1")->isChecked());
            QCOMPARE(SpecificBoard(w), orange);
        }
        QCOMPARE(StoredValue(folder, "Tileset"), expected);
        if (expected == "0")
            QCOMPARE(StoredValue(folder, "LastLoadedTileset"), own);
    }

    // Once the player picks a tileset, that is the choice.
    ProgramFolder folder(kPlainIni + "Tileset=2\r\n");
    folder.Write("Tilesets/darkpai.bmp", truncated);
    {
        Window w(folder);
        w->Action("MahJongg3")->trigger();
    }
    QCOMPARE(StoredValue(folder, "Tileset"), QString("3"));
}

void KeepTest::ShapeFilesAreKnownWhateverTheCaseOfTheirName() {
    for (const QString name : {"Pyramid.SHP", "Pyramid.Shp"}) {
        ProgramFolder folder(kPlainIni);
        QDir layouts(folder.File("Layouts"));
        QVERIFY(layouts.rename("Pyramid.shp", name));
        for (const QString& other : layouts.entryList({"*.lay"}, QDir::Files))
            QVERIFY(layouts.remove(other));
        Window w(folder);
        QVERIFY2(!w->StartupFailed(), qPrintable(w->StartupError()));
        QCOMPARE(QString::fromStdString(w->State().LayoutName), name);
        QCOMPARE(w->State().layout.PositionCount(), kTileCount);
    }
}

QTEST_MAIN(KeepTest)
#include "KeepTest.moc"
