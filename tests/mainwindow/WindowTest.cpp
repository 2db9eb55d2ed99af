// The main window driven the way a player drives it: presses on the board at tile pixels,
// menu commands, and the clock.
#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include <sys/stat.h>

#include <atomic>
#include <chrono>
#include <map>
#include <thread>
#include <tuple>

#include "WindowTestSupport.h"
#include "board/FreeRule.h"
#include "board/Placement.h"
#include "games/Focus.h"
#include "games/Game.h"
#include "layouts/LayoutFile.h"
#include "mainwindow/BoardSurface.h"
#include "mainwindow/FinerResources.h"
#include "mainwindow/StatusLine.h"
#include "mainwindow/WelcomePanel.h"
#include "render/Geometry.h"
#include "solver/Solver.h"
#include "support/FatalMoves.h"

using namespace quorin;
using namespace quorin::test;

namespace {

// The options most tests want: messages appear whole at the next tick, no animation.
const QString kPlainIni = "[Quorin]\r\nCoolStatus=0\r\nWinnable=1\r\nRandomSeed=4242\r\n";

// The slot order of the winnable deal of a seed on the shipped Traditional layout, as the
// core deals it outside any window.
std::vector<TilePosition> WinnableOrder(int seed) {
    SilentView view;
    FakeClock clock;
    Game game(view, clock, clock);
    game.State().layout = ReadLayoutFile(QUORIN_SOURCE_DIR "/data/Layouts/Traditional.lay").grid;
    game.State().options.RandomSeed1 = true;
    game.State().SeedNumber = seed;
    std::vector<TilePosition> order;
    game.MakeDealer().CreateBoard(&order);
    return order;
}

// A tile, free or not, that a press in the middle of its face reaches.
int FirstTile(const GameState& s, bool wantFree) {
    for (int t = 1; t <= kTileCount; ++t) {
        const TilePosition p = s.board.TilePos[t];
        if (!p.OnBoard() || IsTileFree(s, t) != wantFree)
            continue;
        const int px = CoordX(p.x - 1, p.layer - 1, 0) + 20;
        const int py = CoordY(p.y - 1, p.layer - 1, 0) + 25;
        if (WhatTileThere(s.board, px, py) == t)
            return t;
    }
    return 0;
}

// A free tile whose group has another free tile, and that partner.
std::pair<int, int> FreePair(const GameState& s) {
    for (int a = 1; a <= kTileCount; ++a)
        for (int b = a + 1; b <= kTileCount; ++b)
            if (SameGroup(a, b) && s.board.TilePos[a].OnBoard() && s.board.TilePos[b].OnBoard() &&
                IsTileFree(s, a) && IsTileFree(s, b))
                return {a, b};
    return {0, 0};
}

}  // namespace

class WindowTest : public QObject {
    Q_OBJECT
  private slots:
    void StartsIdleOnTheWelcomePanel();
    void AGameClosedComesBackPausedAndAFinishedOneDoesNot();
    void AFatalMoveIsToldAndUndoneToTheLastWinnablePosition();
    void TheClockRunsWhileAHardPositionIsJudged();
    void PlaysAWholeGameFromTheKeyboard();
    void ClearsAWholeGameByClicking();
    void RefusesAndMovesTheSelection();
    void BackRestartHintAndShuffle();
    void PauseFreezesTheClockAndTheLimitStopsTheGame();
    void LosingActivationPausesAndComingBackResumes();
    void VerticalVariationAsksDuringAGame();
    void FirstCloseWritesEveryKeyInOrder();
    void SettingsRoundTrip();
    void DrawsTheSelectionOnItsTint();
    void OnlyPossibleMovesDimsTheBlockedTiles();
    void CancellingTheFileDialogKeepsThePicture();
    void DamagedFilesAreRefusedWithAMessage();
    void StartupNeedsLayoutsAndMusic();
    void ViewSwitchesResizeTheWindow();
    void TheBoardFillsALargerWindowAndItsSizeIsKept();
    void AnimationDealsTheSameGame();
    void AfterAnotherGameSolitaireKnowsItsLayout();
    void Screenshots();
    void TheSidePanelAndToolbarAreAsFineAsTheScreen();
    // Window placement and settings files
    void StoredPositionsAreClampedToTheScreen();
};

void WindowTest::StartsIdleOnTheWelcomePanel() {
    ProgramFolder folder(kPlainIni);
    Window w(folder);
    QCOMPARE(w->State().GameMode, ModeIdle);
    QVERIFY(w->Welcome()->isVisible());
    QCOMPARE(w->windowTitle(), QString("Quorin 6.28 "));
    QCOMPARE(w->GameImage()->size(), QSize(704, 468));
    // The favourites start with the default layout, which alone shows in the Layout menu.
    QFile favourites(folder.File("Favelay.ini"));
    QVERIFY(favourites.open(QIODevice::ReadOnly));
    QCOMPARE(favourites.readAll().trimmed(), QByteArray("Traditional"));
    w.Tick();
    QVERIFY(w.StatusText().startsWith("Quorin 6.28"));
    // Every game starts from the welcome panel.
    QVERIFY(w->Welcome()->RiversEasy->isEnabled());
    QVERIFY(w->Action("Memory1")->isEnabled());
    QVERIFY(w->Welcome()->Classic->isEnabled());
}

void WindowTest::ClearsAWholeGameByClicking() {
    ProgramFolder folder(kPlainIni);
    Window w(folder);
    w->Action("NewSpecificGame1")->trigger();
    const GameState& s = w->State();
    QCOMPARE(s.GameMode, ModeSolitaire);
    QVERIFY(!w->Welcome()->isVisible());
    w.Tick();
    // The rating follows the start message.
    QCOMPARE(w.StatusText(),
             QString("Specific Board started. Random Seed #4242 Difficulty 2 of 5."));

    const std::vector<TilePosition> order = WinnableOrder(4242);
    QCOMPARE(static_cast<int>(order.size()), kTileCount);
    w.clock.Advance(65'000);
    w.Tick();
    for (size_t k = 0; k < order.size(); k += 2) {
        const int a = s.board.Cell(order[k].x, order[k].y, order[k].layer);
        const int b = s.board.Cell(order[k + 1].x, order[k + 1].y, order[k + 1].layer);
        QVERIFY2(a > 0 && b > 0 && SameGroup(a, b), "the window dealt another game");
        const int before = s.TilesLeft;
        w.PressTile(a);
        QCOMPARE(int(s.Selected1), a);
        w.PressTile(b);
        QCOMPARE(s.TilesLeft, before - 2);
        QCOMPARE(int(s.Selected1), 0);
    }
    QCOMPARE(s.TilesLeft, 0);
    QVERIFY(w.dialogs.gameOvers.isEmpty());
    w.Tick();  // the clock finds the empty board; 65 s beats every default rank
    QCOMPARE(w.dialogs.gameOvers, QStringList{"Your final time is 01:05 [fame]"});
    QCOMPARE(s.GameMode, ModeGameOver);
    QCOMPARE(s.SavedMode, ModeGameOver);
    QVERIFY(w->Welcome()->isVisible());
    w.Tick(3);
    QCOMPARE(w.dialogs.gameOvers.size(), 1);  // shown once per game
}

void WindowTest::RefusesAndMovesTheSelection() {
    ProgramFolder folder(kPlainIni);
    Window w(folder);
    w->Welcome()->Classic->click();
    const GameState& s = w->State();
    QCOMPARE(s.GameMode, ModeSolitaire);

    const int blocked = FirstTile(s, false);
    w.PressTile(blocked);
    QCOMPARE(int(s.Selected1), 0);

    const auto [a, b] = FreePair(s);
    QVERIFY(a && b);
    w.PressTile(a);
    QCOMPARE(int(s.Selected1), a);
    w.PressTile(blocked);  // a blocked second tile keeps the first
    QCOMPARE(int(s.Selected1), a);
    w.PressTile(a);  // the same tile again: deselected
    QCOMPARE(int(s.Selected1), 0);

    int other = 0;
    for (int t = 1; t <= kTileCount && !other; ++t)
        if (s.board.TilePos[t].OnBoard() && IsTileFree(s, t) && !SameGroup(t, a))
            other = t;
    w.PressTile(a);
    w.PressTile(other);  // another group: the selection moves
    QCOMPARE(int(s.Selected1), other);
    QCOMPARE(s.TilesLeft, kTileCount);

    w.Press({2, 2});  // outside every tile
    QCOMPARE(int(s.Selected1), other);
    w.PressTile(a, Qt::RightButton);  // the right button clears the selection
    QCOMPARE(int(s.Selected1), 0);
}

void WindowTest::BackRestartHintAndShuffle() {
    ProgramFolder folder(kPlainIni + "Shuffable=0\r\n");
    Window w(folder);
    w->Welcome()->Classic->click();
    GameState& s = w->State();
    w.clock.Advance(3000);
    w.Tick();
    const int moves = s.MovesLeft;
    QVERIFY(moves > 0);

    w->Action("GiveHint")->trigger();
    QCOMPARE(s.PenaltySeconds, 40);
    QVERIFY(s.HintTile1 && SameGroup(s.HintTile1, s.HintTile2));

    const auto [a, b] = FreePair(s);
    const TilePosition pa = s.board.TilePos[a];
    w.PressTile(a);
    w.PressTile(b);
    QCOMPARE(s.TilesLeft, kTileCount - 2);
    QCOMPARE(s.HintTile1, 0 + s.HintTile1);                  // untouched by the removal
    w->findChild<QToolButton*>("ExplorerButton2")->click();  // Back
    QCOMPARE(s.TilesLeft, kTileCount);
    QCOMPARE(s.board.TilePos[a], pa);
    QCOMPARE(int(s.board.Cell(pa.x, pa.y, pa.layer)), a);

    w.PressTile(a);
    w.PressTile(b);
    w->Action("Restart1")->trigger();
    QCOMPARE(s.TilesLeft, kTileCount);
    QCOMPARE(s.PenaltySeconds, 0);
    w.Tick();
    QCOMPARE(w.StatusText(), QString("Game restarted."));
    QCOMPARE(s.ElapsedSeconds, 0);

    w->Action("Shuffle1")->trigger();
    w.Tick();
    const int n = s.MovesLeft;
    const QString expected = n >= 2   ? QString("Tiles shuffled. %1 new moves found.").arg(n)
                             : n == 1 ? QString("Tiles shuffled. 1 new move found.")
                                      : QString("No moves found. Try to press Back a few times.");
    QCOMPARE(w.StatusText(), expected);
    QCOMPARE(s.PenaltySeconds, 10 * n);
}

void WindowTest::PauseFreezesTheClockAndTheLimitStopsTheGame() {
    ProgramFolder folder(kPlainIni);
    Window w(folder);
    w->Welcome()->Classic->click();
    GameState& s = w->State();
    w.clock.Advance(10'000);
    w.Tick();
    QCOMPARE(s.ElapsedSeconds, 10);
    QCOMPARE(w->LigneStatus()->TimeLine->text(), QString("00:10"));

    w->PauseClick();
    QCOMPARE(s.GameMode, ModePaused);
    QCOMPARE(w->Action("Pause1")->text(), QString("&Continue"));
    QCOMPARE(w->findChild<QToolButton*>("PauseButton")->text(), QString("Play"));
    w.clock.Advance(120'000);
    w.Tick();
    QCOMPARE(w->LigneStatus()->TimeLine->text(), QString());  // neither time nor moves
    QCOMPARE(w->LigneStatus()->MovesLeftLine->text(), QString());
    QCOMPARE(w->LigneStatus()->TilesLeftLine->text(), QString("144"));
    w->PauseClick();
    QCOMPARE(s.GameMode, ModeSolitaire);
    w.Tick();
    QCOMPARE(s.ElapsedSeconds, 10);
    QCOMPARE(w->Action("Pause1")->text(), QString("&Pause"));

    // 99:59 still runs; 100:00 stops the game without a word.
    s.PenaltySeconds = 5999 - 10;
    w.clock.Advance(800);
    w.Tick();
    QCOMPARE(s.GameMode, ModeSolitaire);
    w.clock.Advance(200);
    w.Tick();
    QCOMPARE(s.GameMode, ModeIdle);
    QVERIFY(w->Welcome()->isVisible());
    QVERIFY(w.dialogs.gameOvers.isEmpty());
}

void WindowTest::LosingActivationPausesAndComingBackResumes() {
    ProgramFolder folder(kPlainIni);
    Window w(folder);
    w->FormDeactivate();  // nothing to pause on the welcome screen
    QCOMPARE(w->State().GameMode, ModeIdle);
    w->Welcome()->Classic->click();
    w->FormDeactivate();
    QCOMPARE(w->State().GameMode, ModePaused);
    w->FormActivate();
    QCOMPARE(w->State().GameMode, ModeSolitaire);
    // Paused by hand, then switched away and back: the game continues.
    w->PauseClick();
    w->FormDeactivate();
    w->FormActivate();
    QCOMPARE(w->State().GameMode, ModeSolitaire);
}

void WindowTest::VerticalVariationAsksDuringAGame() {
    ProgramFolder folder(kPlainIni);
    Window w(folder);
    QAction* vertical = w->Action("Vertical");
    vertical->trigger();  // idle: only the check changes
    QVERIFY(vertical->isChecked());
    QVERIFY(w.dialogs.questions.isEmpty());

    w->Welcome()->Classic->click();
    w.dialogs.answerOk = false;
    vertical->trigger();
    QVERIFY(vertical->isChecked());
    QCOMPARE(w.dialogs.questions.size(), 1);
    QVERIFY(w.dialogs.questions[0].startsWith("Vertical variation: If you want to change"));

    const auto [a, b] = FreePair(w->State());
    w.PressTile(a);
    w.dialogs.answerOk = true;
    vertical->trigger();  // a new game on the new rule
    QVERIFY(!vertical->isChecked());
    QVERIFY(!w->State().options.Vertical);
    QCOMPARE(int(w->State().Selected1), 0);
}

void WindowTest::FirstCloseWritesEveryKeyInOrder() {
    ProgramFolder folder;
    {
        Window w(folder);
        QCOMPARE(w->State().GameMode, ModeIdle);
    }
    QFile ini(folder.File("Quorin.ini"));
    QVERIFY(ini.open(QIODevice::ReadOnly));
    QStringList keys;
    for (const QByteArray& line : ini.readAll().split('\n'))
        if (line.contains('='))
            keys << QString(line.left(line.indexOf('=')));
    const QStringList expected = {"Highlight",
                                  "Invert",
                                  "ShowMoves",
                                  "PlayMusic",
                                  "PlaySounds",
                                  "CurrentPlayer1",
                                  "ColorBackground",
                                  "Background",
                                  "BoardNumber",
                                  "MidiNumber",
                                  "Tileset",
                                  "SetRes800",
                                  "LastLoadedTileset",
                                  "LastLoadedBackground",
                                  "StartDirectly",
                                  "StartMusic",
                                  "ShowHallOfFame",
                                  "ShowToolbar",
                                  "ShowStatus",
                                  "ShowGirls",
                                  "CoolMenu",
                                  "CoolMouse",
                                  "CoolStatus",
                                  "CoolToolbar",
                                  "TileRivers",
                                  "ShowTime",
                                  "FlatButtons",
                                  "EnableHall",
                                  "Shadows",
                                  "Vertical",
                                  "Winnable",
                                  "Shuffable",
                                  "Animate",
                                  "AnimateClicks",
                                  "PauseFocus",
                                  "ShowTile",
                                  "OnlyPossible",
                                  "RandomMusic",
                                  "RandomSeed",
                                  "XPos",
                                  "YPos",
                                  "WPos",
                                  "HPos",
                                  "PreviousRes",
                                  "WarnUnwinnable",
                                  "WindowWidth",
                                  "WindowHeight",
                                  "WindowMaximized"};
    QCOMPARE(keys, expected);
}

void WindowTest::SettingsRoundTrip() {
    ProgramFolder folder(
        "; kept\r\n[Quorin]\r\nHighlight=abc\r\nInvert=2\r\nColorBackground=0xFF\r\n"
        "Background=2\r\nTileset=1\r\nShowToolbar=0\r\nVertical=1\r\nRandomSeed=77\r\n"
        "CurrentPlayer1=  Bob\r\nCoolStatus=0\r\n[Other]\r\nKeep=me\r\n");
    {
        Window w(folder);
        QVERIFY(w->Action("Highlight4")->isChecked());  // "abc" reads as the default 3
        QVERIFY(w->Action("Invert")->isChecked());
        QVERIFY(w->Action("None1")->isChecked());
        QVERIFY(w->Action("MahJongg1")->isChecked());
        QVERIFY(!w->Action("Toolbar1")->isChecked());
        QVERIFY(w->Action("Vertical")->isChecked());
        QVERIFY(w->State().options.Vertical);
        QCOMPARE(w->State().SeedNumber, 77);
        // The plain background is pure red, 0xFF with red in the low byte.
        QCOMPARE(QColor(w->Renderer().BackgroundImage().pixel(5, 5)), QColor(255, 0, 0));
    }
    QFile ini(folder.File("Quorin.ini"));
    QVERIFY(ini.open(QIODevice::ReadOnly));
    const QString text = ini.readAll();
    QVERIFY(text.startsWith("; kept\r\n[Quorin]\r\n"));
    QVERIFY(text.contains("Invert=1\r\n"));
    QVERIFY(text.contains("ColorBackground=255\r\n"));
    QVERIFY(text.contains("Highlight=3\r\n"));
    QVERIFY(text.contains("CurrentPlayer1=Bob\r\n"));
    QVERIFY(text.contains("[Other]\r\nKeep=me"));
}

void WindowTest::DrawsTheSelectionOnItsTint() {
    ProgramFolder folder(kPlainIni);
    Window w(folder);
    w->Welcome()->Classic->click();
    const GameState& s = w->State();
    const auto [a, b] = FreePair(s);
    w.PressTile(a);

    // A face pixel without a symbol, away from the shadow bands along the top and left.
    QImage tileset(folder.File("Tilesets/bluepai.bmp"));
    QVERIFY2(!tileset.isNull(), "the shipped tileset bluepai.bmp does not load");
    tileset = tileset.convertToFormat(QImage::Format_RGB32);
    const FaceCellPos cell = FaceCell(TileFace(a));
    const QPoint mask(41 * cell.col + 1, 51 * cell.row + 1 + 312);
    QPoint spot(-1, -1);
    for (int dy = 14; dy < 48 && spot.x() < 0; ++dy)
        for (int dx = 14; dx < 38 && spot.x() < 0; ++dx)
            if (QColor(tileset.pixel(mask + QPoint(dx, dy))) == Qt::white)
                spot = {dx, dy};
    QVERIFY(spot.x() >= 0);
    const QPoint anchor = FaceAnchor(s, a);
    const QImage& board = w->Renderer().BoardBuffer();
    QCOMPARE(board.pixel(anchor + spot), tileset.pixel(QPoint(52, 256) + spot));
    w.PressTile(a);  // deselected: back on the plain face
    QCOMPARE(board.pixel(anchor + spot), tileset.pixel(QPoint(6, 256) + spot));

    // The pointer over a tile outlines its face with the green pen of the default highlight.
    QTest::mouseMove(w->GameImage(), anchor + QPoint(20, 25));
    QCOMPARE(int(s.HoverTile), a);
    QCOMPARE(QColor(board.pixel(anchor + QPoint(2, 25))), QColor(0, 128, 0));
    QTest::mouseMove(w->GameImage(), QPoint(41, 30));  // on the board, on no tile
    QCOMPARE(int(s.HoverTile), 0);
    QCOMPARE(board.pixel(anchor + spot), tileset.pixel(QPoint(6, 256) + spot));
}

void WindowTest::OnlyPossibleMovesDimsTheBlockedTiles() {
    ProgramFolder folder(kPlainIni);
    Window w(folder);
    w->Action("NewSpecificGame1")->trigger();
    const GameState& s = w->State();
    auto board = [&w] { return w->Renderer().BoardBuffer().copy(); };
    auto face = [&s](const QImage& image, int t) {
        return image.copy(QRect(FaceAnchor(s, t), QSize(40, 50)));
    };
    // The whole board drawn afresh with the option as it is: every partial redraw before must
    // have left the same picture.
    auto afresh = [&w, &board] {
        QAction* only = w->Action("OnlyPossibleMoves");
        only->trigger();
        only->trigger();
        return board();
    };
    // A free pair whose leaving frees a tile that is blocked now.
    int a = 0, b = 0, freed = 0;
    for (int x = 1; x <= kTileCount && !freed; ++x)
        for (int y = x + 1; y <= kTileCount && !freed; ++y) {
            if (!SameGroup(x, y) || !IsTileFree(s, x) || !IsTileFree(s, y))
                continue;
            GameState after = s;
            for (const int t : {x, y}) {
                const TilePosition p = after.board.TilePos[t];
                after.board.SetCell(p.x, p.y, p.layer, 0);
                after.board.TilePos[t] = {};
            }
            for (int t = 1; t <= kTileCount && !freed; ++t)
                if (t != x && t != y && !IsTileFree(s, t) && IsTileFree(after, t))
                    std::tie(a, b, freed) = std::tuple(x, y, t);
        }
    QVERIFY(freed);
    int open = 0;  // a free tile that stays free
    for (int t = 1; t <= kTileCount && !open; ++t)
        if (t != a && t != b && IsTileFree(s, t))
            open = t;
    QVERIFY(open);

    const QImage off = board();
    w->Action("OnlyPossibleMoves")->trigger();  // shown at once
    const QImage on = board();
    QVERIFY(face(on, freed) != face(off, freed));
    QCOMPARE(face(on, open), face(off, open));
    // Grey, not a tint: the blocked face is darker and of less colour.
    const QPoint middle = QPoint(20, 25);
    const QColor dimmed(face(on, freed).pixel(middle)), plain(face(off, freed).pixel(middle));
    QVERIFY(dimmed.lightness() < plain.lightness() || dimmed.saturation() < plain.saturation());
    w->Action("OnlyPossibleMoves")->trigger();
    QCOMPARE(board(), off);

    w->Action("OnlyPossibleMoves")->trigger();
    w.PressTile(a);
    w.PressTile(b);
    QCOMPARE(int(s.TilesLeft), kTileCount - 2);
    const QImage played = board();
    QCOMPARE(played, afresh());
    w->Action("OnlyPossibleMoves")->trigger();
    QCOMPARE(face(played, freed), face(board(), freed));  // freed: drawn as with the option off
    w->Action("OnlyPossibleMoves")->trigger();

    // Taken back, the pair blocks it again, under the pointer too; a new game shows its own
    // blocked tiles.
    w.PointAtTile(freed);
    QCOMPARE(int(s.HoverTile), freed);
    w->Action("Undo1")->trigger();
    QCOMPARE(int(s.TilesLeft), kTileCount);
    QCOMPARE(int(s.HoverTile), 0);
    QCOMPARE(face(board(), freed), face(on, freed));
    QCOMPARE(board(), afresh());
    w->Action("Shuffle1")->trigger();
    QCOMPARE(board(), afresh());
    w->Action("NewSpecificGame1")->trigger();
    QCOMPARE(board(), afresh());

    // In Memory every tile may be turned, in Rivers every tile picked: none is greyed.
    w->Action("Memory1")->trigger();
    QCOMPARE(s.GameMode, ModeMemory);
    const QImage memory = board();
    w->Action("OnlyPossibleMoves")->trigger();
    QCOMPARE(board(), memory);
    w->Action("NewArcadeMahjonggGame1")->trigger();
    QCOMPARE(s.GameMode, ModeRivers);
    const QImage rivers = board();
    w->Action("OnlyPossibleMoves")->trigger();
    QCOMPARE(board(), rivers);
}

void WindowTest::CancellingTheFileDialogKeepsThePicture() {
    ProgramFolder folder(kPlainIni + "Tileset=2\r\n");
    Window w(folder);
    w->Welcome()->Classic->click();
    const QImage before = w->Renderer().BoardBuffer().copy();
    w.dialogs.openTitles.clear();
    w->Action("Load1")->trigger();  // the dialog is cancelled
    QCOMPARE(w.dialogs.openTitles, QStringList{"Please choose a Tileset bitmap file"});
    QVERIFY(w->Action("MahJongg2")->isChecked());
    QVERIFY(!w->Action("Load1")->isChecked());
    QCOMPARE(w->Renderer().BoardBuffer(), before);

    w->Action("LoadBackground")->trigger();
    QVERIFY(!w->Action("LoadBackground")->isChecked());
    w->Action("None1")->trigger();  // the colour dialog is cancelled: the stored colour stays
    QVERIFY(w->Action("None1")->isChecked());
    QCOMPARE(QColor(w->Renderer().BackgroundImage().pixel(0, 0)), QColor(0, 128, 128));
}

void WindowTest::DamagedFilesAreRefusedWithAMessage() {
    ProgramFolder folder(kPlainIni);
    folder.Write("Backgrounds/broken.jpg", "not a picture at all");
    folder.Write("Layouts/Broken.lay", "Quorin 3.0\r\nBroken\r\n0101\r\n");
    folder.Write("Favelay.ini", "Traditional\r\nBroken\r\n");
    Window w(folder);
    w->Welcome()->Classic->click();
    const GameState& s = w->State();
    const LayoutGrid before = s.layout;

    w.dialogs.pictureAnswers << folder.File("Backgrounds/broken.jpg");
    w->Action("LoadBackground")->trigger();
    QCOMPARE(w.dialogs.errors.size(), 1);
    QVERIFY(w.dialogs.errors[0].contains("broken.jpg"));
    QVERIFY(!w->Action("LoadBackground")->isChecked());

    QAction* broken = nullptr;
    for (QAction* a : w->findChildren<QAction*>())
        if (a->text() == "Broken")
            broken = a;
    QVERIFY(broken && broken->isVisible());
    broken->trigger();
    QCOMPARE(w.dialogs.errors.size(), 2);
    QVERIFY(w.dialogs.errors[1].contains("Broken.lay"));
    QVERIFY(w.dialogs.errors[1].contains("3400 expected"));
    QCOMPARE(s.layout, before);
    QVERIFY(!broken->isChecked());
    QCOMPARE(s.GameMode, ModeSolitaire);
}

void WindowTest::StartupNeedsLayoutsAndMusic() {
    {
        ProgramFolder folder(kPlainIni);
        for (const QString& f : QDir(folder.File("Musics")).entryList(QDir::Files))
            QFile::remove(folder.File("Musics/" + f));
        Window w(folder);
        QVERIFY(w->StartupFailed());
        QVERIFY(w->StartupError().contains("music"));
    }
    {
        ProgramFolder folder(kPlainIni);
        for (const QString& f : QDir(folder.File("Layouts")).entryList(QDir::Files))
            QFile::remove(folder.File("Layouts/" + f));
        Window w(folder);
        QVERIFY(w->StartupFailed());
        QVERIFY(w->StartupError().contains("layout"));
        QFile ini(folder.File("Quorin.ini"));  // nothing half-set is saved
        QVERIFY(ini.open(QIODevice::ReadOnly));
        QCOMPARE(QString(ini.readAll()), kPlainIni);
    }
    {
        // A damaged current layout: the next one that loads is used and the player is told.
        ProgramFolder folder(kPlainIni + "BoardNumber=1\r\n");
        folder.Write("Layouts/AAA.lay", "Quorin 3.0\r\nAAA\r\n");
        Window w(folder);
        QVERIFY(!w->StartupFailed());
        QTRY_COMPARE(w.dialogs.errors.size(), 1);
        QVERIFY(w.dialogs.errors[0].contains("AAA.lay"));
        QVERIFY(w->State().layout.PositionCount() == kTileCount);
    }
    {
        // A FIFO under the current layout's name: said by name, not read (it would block),
        // and the side panel shows the real table of the layout used instead.
        ProgramFolder folder(kPlainIni + "BoardNumber=1\r\nShowHallOfFame=1\r\n");
        const QString fifo = folder.File("Layouts/AAA.lay");
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        Window w(folder);
        QVERIFY(!w->StartupFailed());
        QTRY_COMPARE(w.dialogs.errors.size(), 1);
        QVERIFY2(w.dialogs.errors[0].contains("AAA.lay: it is not a regular file"),
                 qPrintable(w.dialogs.errors[0]));
        QCOMPARE(w->LayoutNames()[1], std::string("AAA"));
        QCOMPARE(w->State().CurrentLayout, 2);
        QCOMPARE(w->Hall().SectionName(w->State().CurrentLayout), w->LayoutNames()[2]);
    }
}

void WindowTest::ViewSwitchesResizeTheWindow() {
    ProgramFolder folder(kPlainIni);
    Window w(folder);
    QTest::qWait(10);
    const QSize full = w->size();
    w->Action("Toolbar1")->trigger();
    QTRY_COMPARE(w->height(), full.height() - 33);
    w->Action("Toolbar1")->trigger();
    QTRY_COMPARE(w->size(), full);
    w->Action("ShowHallFame")->trigger();
    QTRY_COMPARE(w->width(), full.width() - 92);
    w->Action("ShowTitle")->trigger();
    QTRY_COMPARE(w->height(), full.height() - 25);
}

void WindowTest::TheBoardFillsALargerWindowAndItsSizeIsKept() {
    ProgramFolder folder(kPlainIni);
    QSize larger;
    {
        Window w(folder);
        const QSize least = w->size();
        larger = least + QSize(528, 351);  // room for the board at 1.75 times its size
        w->resize(larger);
        QTRY_COMPARE(w->size(), larger);
        BoardSurface* board = w->GameImage();
        QTRY_VERIFY(board->ViewScale() > 1.7);
        // Drawn at the screen's own pixels, not stretched from the small board.
        QCOMPARE(w->Renderer().Scale(), board->DeviceScale());
        QCOMPARE(w->Renderer().BoardBuffer().width(), qRound(704 * board->DeviceScale()));

        // Clicks and the pointer land on the tiles they are over.
        w->Action("NewSpecificGame1")->trigger();
        const GameState& s = w->State();
        const auto [a, b] = FreePair(s);
        QVERIFY(a && b);
        const QPoint middle = FaceAnchor(s, a) + QPoint(20, 25);
        // The pointer moves only on the screen, which the test screen of twice the pixels
        // is too small for.
        const QPoint pointer = board->ToWidget(middle);
        if (QGuiApplication::primaryScreen()->geometry().contains(board->mapToGlobal(pointer))) {
            QTest::mouseMove(board, pointer);
            QCOMPARE(int(s.HoverTile), a);
        }
        w.PressTile(a);
        w.PressTile(b);
        QCOMPARE(int(s.TilesLeft), kTileCount - 2);

        // The toolbar going away gives the board the room; the window keeps its size.
        w->Action("Toolbar1")->trigger();
        QTest::qWait(10);
        QCOMPARE(w->size(), larger);
    }
    // A larger screen's size shrinks to fit this one.
    const QSize screen = QGuiApplication::primaryScreen()->availableGeometry().size();
    Window again(folder);
    QCOMPARE(again->size(), larger.boundedTo(screen).expandedTo(again->minimumSize()));
}

void WindowTest::AnimationDealsTheSameGame() {
    // A specific game is dealt without animation; a random one with it. Either way the
    // generator's sequence, and so the deal of a seed, must not depend on the drawing.
    std::array<TilePosition, kTileCount + 1> plain{}, animated{};
    for (const bool animate : {false, true}) {
        ProgramFolder folder(kPlainIni +
                             (animate ? "Animate=1\r\nWinnable=0\r\n" : "Winnable=0\r\n"));
        Window w(folder);
        w.clock.timeOfDay = 1234567;
        w->Welcome()->Classic->click();
        QCOMPARE(w->State().GameMode, ModeSolitaire);
        QVERIFY(!w->Welcome()->isVisible());
        (animate ? animated : plain) = w->State().board.TilePos;
    }
    QVERIFY(plain == animated);
}

void WindowTest::AfterAnotherGameSolitaireKnowsItsLayout() {
    // The last game was Memory: the first layout is loaded, and the next solitaire game plays
    // it under its own number, not Memory's.
    ProgramFolder folder(kPlainIni + "BoardNumber=110\r\n");
    Window w(folder);
    QCOMPARE(w->State().CurrentLayout, 110);
    w->Welcome()->Classic->click();
    QCOMPARE(w->State().CurrentLayout, 1);
    const std::string first = w->LayoutNames()[1];
    const LayoutLoad expected = ReadLayoutFile(
        folder.File("Layouts/" + QString::fromStdString(first) + ".lay").toStdString());
    QVERIFY(expected.ok);
    QCOMPARE(w->State().layout, expected.grid);
}

void WindowTest::Screenshots() {
    // QUORIN_SCREENSHOTS names a folder to keep the pictures in (docs/ for the README),
    // taken before the window moves the working folder to its own.
    const QByteArray asked = qgetenv("QUORIN_SCREENSHOTS");
    const QString dir = asked.isEmpty() ? QString() : QFileInfo(asked).absoluteFilePath();
    ProgramFolder folder(kPlainIni + "CoolStatus=1\r\n");
    Window w(folder);
    w.Tick(40);
    const QImage welcome = w->grab().toImage();
    w->Welcome()->Classic->click();
    const GameState& s = w->State();
    for (int i = 0; i < 6; ++i) {
        const auto [a, b] = FreePair(s);
        if (!a)
            break;
        w.PressTile(a);
        w.PressTile(b);
    }
    const auto [a, b] = FreePair(s);
    if (a)
        w.PressTile(a);
    w.clock.Advance(83'000);
    w.Tick(40);
    const QImage game = w->grab().toImage();
    QVERIFY(!welcome.isNull() && !game.isNull());
    QVERIFY(welcome != game);
    // The other games and the editor, each just started.
    std::vector<std::pair<QString, QImage>> others;
    for (const auto& [action, name] : {std::pair{"MahJonggRiversNewGameHard1", "rivers"},
                                       {"Memory1", "memory"},
                                       {"MahJonggClicks1", "clicks"},
                                       {"CreateLayout1", "editor"}}) {
        w->Action(action)->trigger();
        w.Tick(2);
        others.emplace_back(name, w->grab().toImage());
        QVERIFY(others.back().second != game);
    }
    if (!dir.isEmpty()) {
        // A screen of another pixel ratio keeps its pictures apart: game-2x.png.
        const qreal ratio = w->devicePixelRatioF();
        const QString suffix = ratio == 1 ? QString() : QStringLiteral("-%1x").arg(ratio);
        welcome.save(dir + "/welcome" + suffix + ".png");
        game.save(dir + "/game" + suffix + ".png");
        for (const auto& [name, picture] : others)
            picture.save(dir + "/" + name + suffix + ".png");
    }
}

void WindowTest::TheSidePanelAndToolbarAreAsFineAsTheScreen() {
    ProgramFolder folder(kPlainIni);
    Window w(folder);
    w->Welcome()->Classic->click();
    w.Tick();
    const double ratio = w->devicePixelRatioF();
    const QImage& panel = w->SidePanelImage();
    QCOMPARE(panel.devicePixelRatio(), ratio);
    QCOMPARE(panel.size(), QSize(92, 472) * ratio);

    // The panel's frame, its corner knots and waves are the finest picture's own pixels: an
    // enlarged coarser picture would blur them.
    const int k = ResourceFactorFor(":/bitmaps/1.bmp", ratio);
    QCOMPARE(double(k), std::ceil(ratio));
    const QImage fine =
        QImage(QString(":/bitmaps/1%1").arg(k == 1 ? ".bmp" : QString("@%1x.png").arg(k)))
            .convertToFormat(QImage::Format_RGB32);
    QCOMPARE(fine.size(), QSize(92, 472) * k);
    const QRect top(0, 0, panel.width(), int(16 * ratio));
    if (k == ratio)
        QCOMPARE(panel.copy(top), fine.copy(top));

    // The toolbar's glyphs come from the file drawn for the screen's ratio.
    const QIcon icon = w->findChild<QToolButton*>("NewButton")->icon();
    const QImage glyph = icon.pixmap(QSize(16, 16), ratio).toImage();
    QCOMPARE(glyph.size(), QSize(16, 16) * ratio);
    if (k == ratio) {
        const QImage file(
            QString(":/glyphs/new%1").arg(k == 1 ? ".png" : QString("@%1x.png").arg(k)));
        QCOMPARE(glyph.convertToFormat(QImage::Format_ARGB32),
                 file.convertToFormat(QImage::Format_ARGB32));
    }

    // So does the "Cool Toolbar" wallpaper, repeated from the strip's corner: right of the
    // buttons and above the border every pixel is the finest file's own.
    auto* tools = w->findChild<ToolStrip*>("Tools");
    QVERIFY(w->Action("CoolToolbar")->isChecked());
    const QImage bar = tools->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const int t = ResourceFactorFor(":/bitmaps/toolbitmap.bmp", ratio);
    QCOMPARE(double(t), std::ceil(ratio));
    const QImage paper =
        FinestResource(":/bitmaps/toolbitmap.bmp", ratio).convertToFormat(QImage::Format_RGB32);
    QCOMPARE(paper.size(), QSize(128, 33) * t);
    int buttonsEnd = 0;
    for (const QToolButton* b : tools->findChildren<QToolButton*>())
        buttonsEnd = std::max(buttonsEnd, b->geometry().right() + 1);
    QVERIFY(buttonsEnd + 20 < tools->width());
    if (t == ratio)
        for (int y = 0; y < (tools->height() - 1) * t; ++y)
            for (int x = buttonsEnd * t; x < bar.width(); ++x)
                QCOMPARE(bar.pixel(x, y), paper.pixel(x % paper.width(), y % paper.height()));
    // Without it, the plain colour.
    w->Action("CoolToolbar")->trigger();
    QCOMPARE(QColor(tools->grab().toImage().pixel(bar.width() - 2, 2)), QColor(0xe4, 0xdc, 0xcb));
    w->Action("CoolToolbar")->trigger();
    QCOMPARE(tools->grab().toImage().convertToFormat(QImage::Format_RGB32), bar);
}

// Window placement and settings files
void WindowTest::StoredPositionsAreClampedToTheScreen() {
    const QRect area(100, 50, 1000, 700);  // a second screen, less a panel
    const QSize frame(400, 300);
    QCOMPARE(quorin::ClampWindowPosition({300, 200}, frame, area), QPoint(300, 200));
    QCOMPARE(quorin::ClampWindowPosition({2147483647, 2147483647}, frame, area), QPoint(700, 450));
    QCOMPARE(quorin::ClampWindowPosition({-2147483647 - 1, 0}, frame, area), QPoint(100, 50));
    QCOMPARE(quorin::ClampWindowPosition({900, 600}, frame, area), QPoint(700, 450));
    // Larger than the screen: its top-left corner stays visible.
    QCOMPARE(quorin::ClampWindowPosition({500, 500}, {2000, 1000}, area), QPoint(100, 50));

    // The window itself: clamped with the size it is shown at, not the one it had before
    // its parts were laid out, and the position saved back is that one.
    for (const QPoint stored : {QPoint(3000, 3000), QPoint(700, 400)}) {
        ProgramFolder folder(
            kPlainIni +
            QString("PreviousRes=1280\r\nXPos=%1\r\nYPos=%2\r\n").arg(stored.x()).arg(stored.y()));
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        QPoint shownAt;
        {
            Window w(folder);
            const QRect placed(w->pos(), w->size());
            QVERIFY2(screen.contains(placed), qPrintable(QString("%1,%2 %3x%4 on %5x%6")
                                                             .arg(placed.x())
                                                             .arg(placed.y())
                                                             .arg(placed.width())
                                                             .arg(placed.height())
                                                             .arg(screen.width())
                                                             .arg(screen.height())));
            QCOMPARE(placed.right(), screen.right());
            shownAt = w->pos();
        }
        QFile ini(folder.File("Quorin.ini"));
        QVERIFY(ini.open(QIODevice::ReadOnly));
        const QByteArray text = ini.readAll();
        QVERIFY(text.contains("XPos=" + QByteArray::number(shownAt.x()) + "\r\n"));
        QVERIFY(text.contains("YPos=" + QByteArray::number(shownAt.y()) + "\r\n"));
    }
}

void WindowTest::AGameClosedComesBackPausedAndAFinishedOneDoesNot() {
    ProgramFolder folder(kPlainIni);
    std::array<TilePosition, kTileCount + 1> tiles{};
    {
        Window w(folder);
        w->RandomSolitaireGame1Click();
        for (int k = 0; k < 3; ++k) {
            const auto [a, b] = FreePair(w->State());
            w.PressTile(a);
            w.PressTile(b);
        }
        w.clock.Advance(4000);
        w.Tick();
        QVERIFY(QFile::exists(folder.File("Saved.game")));
        tiles = w->State().board.TilePos;
        // A pause writes the clock as it stopped, before the next save is due: a program
        // killed while paused loses none of it.
        w.clock.Advance(3000);
        w->PauseClick();
        QFile saved(folder.File("Saved.game"));
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QVERIFY(saved.readAll().contains("\nclock 7"));
    }
    Window w(folder);
    GameState& s = w->State();
    QCOMPARE(s.GameMode, ModePaused);
    QCOMPARE(s.TilesLeft, 138);
    QVERIFY(s.board.TilePos == tiles);
    QVERIFY(w.dialogs.errors.isEmpty());
    // It waits for the player, not for the focus.
    w->FormActivate();
    QCOMPARE(s.GameMode, ModePaused);
    w->PauseClick();
    QCOMPARE(s.GameMode, ModeSolitaire);
    w.clock.Advance(1000);
    w.Tick();
    QCOMPARE(s.ElapsedSeconds, 8);
    w->Rules().Back();
    QCOMPARE(s.TilesLeft, 140);
    // Abandoned: nothing comes back.
    w->Stop();
    w.Tick();
    QVERIFY(!QFile::exists(folder.File("Saved.game")));
}

void WindowTest::AFatalMoveIsToldAndUndoneToTheLastWinnablePosition() {
    ProgramFolder folder(
        "[Quorin]\r\nCoolStatus=0\r\nWinnable=0\r\nRandomSeed=3\r\n"
        "WarnUnwinnable=1\r\n");
    Window w(folder);
    w->Action("NewSpecificGame1")->trigger();
    GameState& s = w->State();
    QLabel* verdict = w->LigneStatus()->WinnableLine;
    // Along a winning line, up to a position where one free pair loses the game.
    const SolveResult line = Solve(TilesOnBoard(s.board), false, {});
    QCOMPARE(line.answer, SolveAnswer::Winnable);
    std::pair<int, int> fatal{0, 0};
    for (size_t k = 0; k < 30 && !fatal.first; ++k) {
        fatal = FatalPair(s);
        if (!fatal.first) {
            w.PressTile(line.order[k].first);
            w.PressTile(line.order[k].second);
        }
    }
    QVERIFY2(fatal.first, "no fatal move on this deal");
    QTRY_COMPARE(verdict->text(), QString("yes"));
    const auto before = s.board.TilePos;
    const int tilesBefore = s.TilesLeft;

    // "Play on": the game goes on, known to be lost.
    w.dialogs.answerFirst = false;
    w.PressTile(fatal.first);
    w.PressTile(fatal.second);
    QTRY_COMPARE(w.dialogs.choices.size(), 1);
    QVERIFY(w.dialogs.choices[0].endsWith("[&Undo that move|&Play on]"));
    QCOMPARE(s.TilesLeft, tilesBefore - 2);
    QCOMPARE(verdict->text(), QString("no"));
    // A move after it: the way back takes both.
    IsItFree(s);
    for (int i = 1; i < s.FreeCount; ++i)
        if (SameGroup(s.board.FreeList[i], s.board.FreeList[i + 1])) {
            w.PressTile(s.board.FreeList[i]);
            w.PressTile(s.board.FreeList[i + 1]);
            break;
        }
    QCOMPARE(s.TilesLeft, tilesBefore - 4);
    w->Action("UndoToWinnable")->trigger();
    QCOMPARE(s.TilesLeft, tilesBefore);
    QVERIFY(s.board.TilePos == before);
    w.Tick();
    QCOMPARE(verdict->text(), QString("yes"));
    QCOMPARE(w.dialogs.choices.size(), 1);

    // "Undo that move" takes it back at once; the hint then shows a pair that keeps the game.
    w.dialogs.answerFirst = true;
    w.PressTile(fatal.first);
    w.PressTile(fatal.second);
    QTRY_COMPARE(w.dialogs.choices.size(), 2);
    QCOMPARE(s.TilesLeft, tilesBefore);
    QVERIFY(s.board.TilePos == before);
    w->Action("GiveHint")->trigger();
    QVERIFY(s.HintTile1 && s.HintTile2);
    QCOMPARE(AnswerWithout(s, s.HintTile1, s.HintTile2, 0), SolveAnswer::Winnable);
}

void WindowTest::TheClockRunsWhileAHardPositionIsJudged() {
    std::atomic<bool> done{false};  // outlives the window and its judging thread
    ProgramFolder folder("[Quorin]\r\nCoolStatus=0\r\nWinnable=0\r\nRandomSeed=650\r\n");
    Window w(folder);
    // A position that takes the solver until it is called off.
    w->Judge().SetSolver([&done](const std::vector<SolverTile>&, bool, const SolveLimits& l) {
        while (!l.cancel->load() && !done)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        return SolveResult{};
    });
    w->Action("NewSpecificGame1")->trigger();
    w.Tick();
    QVERIFY(w->Judge().Busy());
    w.clock.Advance(3000);
    w.Tick();
    QCOMPARE(w->State().ElapsedSeconds, 3);
    QCOMPARE(w->LigneStatus()->WinnableLine->text(), QString("?"));
    QVERIFY(w->Judge().Busy());
    done = true;
}

namespace {

// The arrow keys that lead the focus from where it is to `tile`, found by trying every key
// from every target reached; empty when the tile cannot be reached.
QList<Qt::Key> KeysTo(TQuorin& w, int tile) {
    const std::vector<FocusTarget> targets = w.Rules().FocusTargets();
    const std::pair<Qt::Key, FocusStep> steps[] = {{Qt::Key_Left, FocusStep::Left},
                                                   {Qt::Key_Right, FocusStep::Right},
                                                   {Qt::Key_Up, FocusStep::Up},
                                                   {Qt::Key_Down, FocusStep::Down}};
    std::map<int, QList<Qt::Key>> paths{{w.FocusTile(), {}}};
    QList<int> open{w.FocusTile()};
    while (!open.isEmpty()) {
        const int at = open.takeFirst();
        if (at == tile)
            return paths[at];
        for (const auto& [key, step] : steps) {
            const int next = StepFocus(targets, at, step);
            if (!paths.count(next)) {
                paths[next] = paths[at] + QList<Qt::Key>{key};
                open << next;
            }
        }
    }
    return {};
}

}  // namespace

void WindowTest::PlaysAWholeGameFromTheKeyboard() {
    ProgramFolder folder(kPlainIni);
    Window w(folder);
    w->Action("NewSpecificGame1")->trigger();
    const GameState& s = w->State();
    BoardSurface* board = w->GameImage();
    QVERIFY(board->hasFocus() || QApplication::focusWidget() == nullptr);
    board->setFocus();
    w.clock.Advance(65'000);
    w.Tick();
    // The first arrow shows the focus on the board, on a free tile.
    QTest::keyClick(board, Qt::Key_Right);
    QVERIFY(w->FocusTile() > 0 && IsTileFree(s, w->FocusTile()));
    QVERIFY(!board->FocusOutline().isEmpty());
    QVERIFY(board->accessibleDescription().startsWith(
        QString::fromStdString(FaceName(w->FocusTile())) + ", free."));
    // Escape drops a selection.
    QTest::keyClick(board, Qt::Key_Return);
    QCOMPARE(int(s.Selected1), w->FocusTile());
    QTest::keyClick(board, Qt::Key_Escape);
    QCOMPARE(int(s.Selected1), 0);

    const std::vector<TilePosition> order = WinnableOrder(4242);
    for (size_t k = 0; k < order.size(); k += 2) {
        for (size_t e = k; e <= k + 1; ++e) {
            const TilePosition p = order[e];
            const int tile = s.board.Cell(p.x, p.y, p.layer);
            const QList<Qt::Key> keys = KeysTo(*w.window, tile);
            QVERIFY2(!keys.isEmpty() || w->FocusTile() == tile,
                     qPrintable(QString("tile %1 cannot be reached").arg(tile)));
            for (const Qt::Key key : keys)
                QTest::keyClick(board, key);
            QCOMPARE(w->FocusTile(), tile);
            QTest::keyClick(board, e == k ? Qt::Key_Return : Qt::Key_Space);
        }
        QCOMPARE(s.TilesLeft, kTileCount - static_cast<int>(k) - 2);
    }
    w.Tick();  // the clock finds the empty board
    QCOMPARE(w.dialogs.gameOvers, QStringList{"Your final time is 01:05 [fame]"});
}

QTEST_MAIN(WindowTest)
#include "WindowTest.moc"
