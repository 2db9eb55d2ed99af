// The layout editor, the layout chooser with its favourites, the large chooser and the seed
// window, driven through the main window as a player drives them.
#include <memory>

#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QTest>
#include <QTimer>

#include <sys/stat.h>

#include "WindowTestSupport.h"
#include "board/BoardView.h"
#include "board/Placement.h"
#include "games/Game.h"
#include "layouts/LayoutFile.h"
#include "layouts/TChooseLayout.h"
#include "layouts/TExtendedChoose.h"
#include "layouts/TRandomWindow.h"
#include "mainwindow/StatusLine.h"

using namespace quorin;
using namespace quorin::test;

namespace {

const QString kPlainIni = "[Quorin]\r\nCoolStatus=0\r\nWinnable=1\r\nRandomSeed=4242\r\n";

// A window pixel that the editor maps to exactly this cell (1-based, as in the layout).
QPoint CellPoint(const TQuorin& w, int x, int y, int layer) {
    const GameState& s = w.State();
    return {20 * x + 6 * layer - 40 + s.BoardOriginX, 25 * y - 6 * layer - 50 + s.BoardOriginY};
}

// A right press on a visible part of the tile at this cell, inside the area presses reach.
void RemoveAt(Window& w, int x, int y, int layer) {
    const GameState& s = w->State();
    const int tile = s.board.Cell(x, y, layer);
    QVERIFY(tile > 0 && tile <= kTileCount);
    const int left = 20 * x + 6 * layer - 52, top = 25 * y - 6 * layer - 59;
    for (int py = top; py < top + 56; ++py)
        for (int px = left; px < left + 46; ++px)
            if (px > -20 && py > -25 && WhatTileThere(s.board, px, py) == tile) {
                w.Press({px + s.BoardOriginX, py + s.BoardOriginY}, Qt::RightButton);
                return;
            }
    QFAIL("no part of the tile shows");
}

// Clicks positions `from` .. `to` - 1 of a 16 x 9 grid on the first layer, two cells apart,
// from the far corner.
void ClickGrid(Window& w, int from, int to) {
    for (int i = from; i < to; ++i)
        w.Press(CellPoint(*w, 33 - 2 * (i % 16), 19 - 2 * (i / 16), 1));
}

int Tiles(const TQuorin& w) {
    return w.EditorTilesLabel()->text().toInt();
}

QStringList VisibleMenus(TQuorin& w) {
    QStringList menus;
    for (QAction* a : w.menuBar()->actions())
        if (a->menu() && a->isVisible())
            menus << a->text();
    return menus;
}

QByteArray Read(const QString& path) {
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

}  // namespace

class LayoutWindowsTest : public QObject {
    Q_OBJECT
  private slots:
    void CreateSaveRegistersOnceAndPlays();
    void SaveRefusesBadNamesAndAsksBeforeReplacing();
    void EditorMouseGhostAndMoves();
    void TryItAndExit();
    void ATriedLayoutEntersNoHallAndIsNotKept();
    void SeedWindow();
    void ChooserFavouritesAndMenu();
    void AnUnreadableFavouritesFileIsKept();
    void ChooserPreviewAndPlay();
    void FavouriteDropOrder();
    void ExtendedChooser();
};

void LayoutWindowsTest::CreateSaveRegistersOnceAndPlays() {
    ProgramFolder folder(kPlainIni);
    Window w(folder);
    const QByteArray traditional = Read(folder.File("Layouts/Traditional.lay"));
    const int layouts = w->State().LayoutCount;
    w->Action("CreateLayout1")->trigger();
    QCOMPARE(w->State().GameMode, uint8_t(ModeEditor));
    QVERIFY(w->menuBar()->isVisible());
    QCOMPARE(VisibleMenus(*w), (QStringList{"&Exit", "Move &Board"}));
    QCOMPARE(w->Action("Shuffle1")->shortcut(), QKeySequence());  // Ctrl+S moves the layout
    QCOMPARE(w->EditorName()->text(), QString("New Layout"));
    QCOMPARE(Tiles(*w), 144);

    // Right clicks on an empty board take nothing away.
    w.Press(CellPoint(*w, 2, 2, 1), Qt::RightButton);
    QCOMPARE(Tiles(*w), 144);
    ClickGrid(w, 0, 143);
    QCOMPARE(Tiles(*w), 1);
    w->Action("Saveandexit")->trigger();
    QCOMPARE(w.dialogs.messages, QStringList{"You haven't finished building the layout yet !"});
    QCOMPARE(w->State().GameMode, uint8_t(ModeEditor));
    ClickGrid(w, 143, 144);
    QCOMPARE(Tiles(*w), 0);
    w.Press(CellPoint(*w, 5, 2, 1));
    QCOMPARE(Tiles(*w), 0);
    w->FormMouseMove(CellPoint(*w, 5, 2, 1));
    QCOMPARE(w->GhostLayer(), -1);  // a full layout offers no ghost

    // A new layout's "Save" asks for a file name and never writes over the current layout.
    w->EditorName()->setText("Grid of squares");
    w.dialogs.saveAnswers << folder.File("Layouts/Grid");
    w->Action("Saveandexit")->trigger();
    QCOMPARE(w.dialogs.saveTitles.size(), 1);
    QCOMPARE(Read(folder.File("Layouts/Traditional.lay")), traditional);
    const LayoutLoad saved = ReadLayoutFile(folder.File("Layouts/Grid.lay").toStdString());
    QVERIFY2(saved.ok, saved.reason.c_str());
    QCOMPARE(saved.name, std::string("Grid of squares"));
    QVERIFY(saved.grid == w->State().layout);
    QCOMPARE(w->State().GameMode, uint8_t(ModeSolitaire));
    QCOMPARE(w->State().TilesLeft, 144);
    QCOMPARE(w->State().LayoutCount, layouts + 1);
    QCOMPARE(w->State().CurrentLayout, layouts + 1);
    QCOMPARE(w->LayoutNames().back(), std::string("Grid"));
    // Ten placeholder ranks, 300 s to 840 s.
    for (int r = 1; r <= 10; ++r)
        QCOMPARE(HallTable::Total(w->Hall().Table().Entry(r, layouts + 1)), 240 + 60 * r);
    QCOMPARE(w->Action("Shuffle1")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
    QVERIFY(VisibleMenus(*w).contains("&Play"));

    // The menu shows it, checked; editing and saving again writes the same file, no new entry.
    QAction* gridEntry = nullptr;
    for (QAction* a : w->menuBar()->actions())
        if (a->menu())
            for (QAction* e : a->menu()->actions())
                if (e->text() == "Grid")
                    gridEntry = e;
    QVERIFY(gridEntry && gridEntry->isVisible() && gridEntry->isChecked());
    w->Action("Editlayout1")->trigger();
    QCOMPARE(Tiles(*w), 0);
    QCOMPARE(w->EditorName()->text(), QString("Grid of squares"));
    w->Action("Saveandexit")->trigger();
    QCOMPARE(w.dialogs.saveTitles.size(), 1);
    QCOMPARE(w->State().LayoutCount, layouts + 1);
}

void LayoutWindowsTest::SaveRefusesBadNamesAndAsksBeforeReplacing() {
    ProgramFolder folder(kPlainIni);
    Window w(folder);
    const QByteArray bridge = Read(folder.File("Layouts/Bridge.lay"));
    w->Action("CreateLayout1")->trigger();
    ClickGrid(w, 0, 144);
    w.dialogs.saveAnswers << folder.File("Layouts/..") << folder.File("Layouts/Bridge.lay")
                          << folder.Path() + "/Elsewhere.lay";
    w.dialogs.answerReplace = false;
    for (int i = 0; i < 3; ++i) {
        w->Action("Saveasandexit")->trigger();
        QCOMPARE(w->State().GameMode, uint8_t(ModeEditor));  // nothing written, still editing
    }
    QCOMPARE(w.dialogs.errors.size(), 2);
    QCOMPARE(w.dialogs.replaceQuestions, QStringList{"Bridge.lay"});
    QCOMPARE(Read(folder.File("Layouts/Bridge.lay")), bridge);
    QVERIFY(!QFile::exists(folder.Path() + "/Elsewhere.lay"));
    // Cancelling the file question keeps the work too.
    w->Action("Saveasandexit")->trigger();
    QCOMPARE(w->State().GameMode, uint8_t(ModeEditor));

    // Replacing an existing layout keeps its menu entry and hall of fame column.
    const int layouts = w->State().LayoutCount;
    w.dialogs.answerReplace = true;
    w.dialogs.saveAnswers << folder.File("Layouts/Bridge.lay");
    w->Action("Saveasandexit")->trigger();
    QCOMPARE(w->State().GameMode, uint8_t(ModeSolitaire));
    QCOMPARE(w->State().LayoutCount, layouts);
    QCOMPARE(w->LayoutNames()[w->State().CurrentLayout], std::string("Bridge"));
    QVERIFY(Read(folder.File("Layouts/Bridge.lay")) != bridge);
}

void LayoutWindowsTest::EditorMouseGhostAndMoves() {
    ProgramFolder folder(kPlainIni);
    Window w(folder);
    w->Action("Highlight1")->trigger();  // no highlight: the editor still shows its ghost
    w->Action("CreateLayout1")->trigger();
    w->FormMouseMove(CellPoint(*w, 5, 5, 1));
    QCOMPARE(w->GhostLayer(), 0);

    // Two stacked positions: the lower one stays while the upper one rests on it.
    w.Press(CellPoint(*w, 1, 5, 1));
    w.Press(CellPoint(*w, 1, 5, 2));
    QCOMPARE(Tiles(*w), 142);
    QCOMPARE(w->State().layout.At(1, 5, 2), 1);
    w->Action("Movetoleft1")->trigger();  // column 1 is taken
    QCOMPARE(w->State().layout.At(1, 5, 1), 1);
    w->Action("Movetoright1")->trigger();
    QCOMPARE(w->State().layout.At(2, 5, 1), 1);
    QCOMPARE(w->State().layout.At(2, 5, 2), 1);
    QCOMPARE(w->State().layout.At(1, 5, 1), 0);
    QCOMPARE(w->State().board.TilePos[w->State().board.Cell(2, 5, 2)].x, 2);
    // Ctrl+S is "Move to left <" while editing.
    QTest::keyClick(w.window.get(), Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(w->State().layout.At(1, 5, 1), 1);
    QCOMPARE(w->State().GameMode, uint8_t(ModeEditor));

    // A press on the lower tile's visible part cannot take it: the upper one rests on it.
    RemoveAt(w, 1, 5, 1);
    QCOMPARE(Tiles(*w), 142);
    RemoveAt(w, 1, 5, 2);
    QCOMPARE(Tiles(*w), 143);
    QCOMPARE(w->State().layout.At(1, 5, 2), 0);
}

void LayoutWindowsTest::TryItAndExit() {
    ProgramFolder folder(kPlainIni);
    Window w(folder);
    const int current = w->State().CurrentLayout;
    const QStringList before = QDir(folder.File("Layouts")).entryList(QDir::Files);
    w->Action("CreateLayout1")->trigger();
    ClickGrid(w, 0, 144);
    w->Action("Cancel1")->trigger();  // "Try it"
    QCOMPARE(w->State().GameMode, uint8_t(ModeSolitaire));
    QCOMPARE(w->State().TilesLeft, 144);
    QCOMPARE(w->State().layout.At(3, 3, 1), 1);
    QCOMPARE(QDir(folder.File("Layouts")).entryList(QDir::Files), before);
    QCOMPARE(w->State().CurrentLayout, current);
    // "Edit Layout" now edits what was tried; "Exit" goes back to the current layout's file.
    w->Action("Editlayout1")->trigger();
    QCOMPARE(Tiles(*w), 0);
    RemoveAt(w, 3, 3, 1);
    QCOMPARE(Tiles(*w), 1);
    w->Action("Cancel2")->trigger();
    QCOMPARE(w->State().GameMode, uint8_t(ModeSolitaire));
    QVERIFY(w->State().layout == ReadLayoutFile(w->State().LayoutPath).grid);
    QVERIFY(w->Action("Undo1")->isVisible());
}

void LayoutWindowsTest::ATriedLayoutEntersNoHallAndIsNotKept() {
    // Every tile but one free pair is taken away as the game is dealt.
    qputenv("QUORIN_TEST_LAST_PAIR", "1");
    const std::shared_ptr<void> unset(nullptr, [](void*) { qunsetenv("QUORIN_TEST_LAST_PAIR"); });
    ProgramFolder folder("[Quorin]\r\nCoolStatus=0\r\nEnableHall=1\r\nCurrentPlayer1=Ann\r\n");
    Window w(folder);
    const int column = w->State().CurrentLayout;
    auto finish = [&w] {
        w.clock.Advance(61'000);
        w.Tick();
        for (int t = 1; t <= kTileCount; ++t)
            if (w->State().board.TilePos[t].OnBoard())
                w.PressTile(t);
        w.Tick();  // the next tick finds the board empty
    };
    auto checkedEntries = [&w] {
        int checked = 0;
        for (QAction* a : w->menuBar()->actions())
            if (a->menu() && a->text() == "&Layout")
                for (QAction* e : a->menu()->actions())
                    checked += e->isChecked() ? 1 : 0;
        return checked;
    };
    w->Action("ShowGirls")->trigger();  // the panel then shows only its title and the ranks
    w->Redraw();
    const QImage panel = w->SidePanelImage();
    QCOMPARE(checkedEntries(), 1);
    w->Action("CreateLayout1")->trigger();
    ClickGrid(w, 0, 144);
    w->Action("Cancel1")->trigger();  // "Try it"
    // Neither the menu nor the panel shows the layout that was current before.
    QCOMPARE(checkedEntries(), 0);
    QVERIFY(w->SidePanelImage() != panel);
    // Nor does it survive the window: there would be no file to deal it from.
    w.Tick();
    QVERIFY(!QFile::exists(folder.File("Saved.game")));
    finish();
    // "New" deals the tried layout again: still no entry.
    w->RandomSolitaireGame1Click();
    finish();
    QCOMPARE(w.dialogs.gameOvers,
             (QStringList{"Your final time is 01:01", "Your final time is 01:01"}));
    QCOMPARE(w.dialogs.hallsShown, 0);
    QVERIFY(HallOfFame::IsEmptyEntry(w->Hall().Table().Entry(1, column), 1, column));

    // Back on the layout of a file, the same time enters its column.
    w->Action("Editlayout1")->trigger();
    w->Action("Cancel2")->trigger();
    QCOMPARE(checkedEntries(), 1);
    w->Redraw();
    QCOMPARE(w->SidePanelImage(), panel);
    finish();
    QCOMPARE(w.dialogs.gameOvers.last(), QString("Your final time is 01:01 [fame]"));
    QCOMPARE(w.dialogs.hallsShown, 1);
    QVERIFY(!HallOfFame::IsEmptyEntry(w->Hall().Table().Entry(1, column), 1, column));
}

void LayoutWindowsTest::SeedWindow() {
    ProgramFolder folder(kPlainIni);
    Window w(folder);
    // 42 deals what the core deals for seed 42 on the same layout and options.
    w.dialogs.seedTyped = "42";
    // The window rates the very deal the game then starts with.
    QString rated;
    w.dialogs.onSeedWindow = [&rated](TRandomWindow& window) {
        QTRY_VERIFY(!window.Difficulty->text().isEmpty());
        rated = window.Difficulty->text();
    };
    w->Action("NewSpecificGame1")->trigger();
    w.dialogs.onSeedWindow = nullptr;
    QCOMPARE(w.dialogs.seedWindows, 1);
    QCOMPARE(w->State().SeedNumber, 42);
    SilentView view;
    FakeClock clock;
    Game game(view, clock, clock);
    game.State().layout = w->State().layout;
    game.State().options = w->State().options;
    game.State().SeedNumber = 42;
    game.State().GameMode = ModeSolitaire;
    game.DealLayout();
    for (int t = 1; t <= kTileCount; ++t)
        QVERIFY(w->State().board.TilePos[t] == game.State().board.TilePos[t]);
    w.Tick();
    QVERIFY(w.StatusText().contains("Random Seed #42"));
    QVERIFY(rated.startsWith("Difficulty: "));
    QVERIFY2(w.StatusText().endsWith(" Difficulty " + rated.mid(12) + "."),
             qPrintable(rated + " / " + w.StatusText()));

    // Text that is no number is marked in the field, not reported letter by letter; the
    // close box leaves with the last good number.
    w.dialogs.errors.clear();
    w.dialogs.seedTyped = "4x";
    w.dialogs.onSeedWindow = [](TRandomWindow& window) {
        QVERIFY(window.Invalid());
        QCOMPARE(window.SeedProblem->text(), QString("'4x' is not a valid integer value"));
        QVERIFY(window.SeedProblem->isVisible());
    };
    w->Action("NewSpecificGame1")->trigger();
    QCOMPARE(w->State().SeedNumber, 4);
    QCOMPARE(w.dialogs.errors, QStringList());
    w.dialogs.onSeedWindow = nullptr;

    // "OK" refuses it, once, and the window stays open on it.
    w.dialogs.seedTyped = "abc";
    w.dialogs.seedPressOk = true;
    w->Action("NewSpecificGame1")->trigger();
    QCOMPARE(w.dialogs.errors, QStringList{"'abc' is not a valid integer value"});
    QVERIFY(!w.dialogs.seedAccepted);
    QCOMPARE(w->State().SeedNumber, 4);
    w.dialogs.seedTyped = "";
    w->Action("NewSpecificGame1")->trigger();
    QCOMPARE(w.dialogs.errors.last(), QString("'' is not a valid integer value"));
    QVERIFY(!w.dialogs.seedAccepted);
    w.dialogs.seedTyped = "77";
    w->Action("NewSpecificGame1")->trigger();
    QVERIFY(w.dialogs.seedAccepted);
    QCOMPARE(w->State().SeedNumber, 77);
    QCOMPARE(w.dialogs.errors.size(), 2);
    w.dialogs.seedPressOk = false;

    // "New random game seed" picks a number in range; 0 deals an ordinary random game.
    w.dialogs.seedTyped.reset();
    w.dialogs.seedNewRandom = true;
    w->Action("NewSpecificGame1")->trigger();
    QVERIFY(w->State().SeedNumber >= 1 && w->State().SeedNumber <= 999999999);
    w.dialogs.seedNewRandom = false;
    w.dialogs.seedTyped = "0";
    w->Action("NewSpecificGame1")->trigger();
    QCOMPARE(w->State().GameMode, uint8_t(ModeSolitaire));
    QCOMPARE(w->State().SeedNumber, 0);

    // The number comes selected, so typing replaces it; the field holds nine characters at
    // most.
    int32_t seed = 7;
    TRandomWindow window(
        seed, [] { return 1; }, [](const QString&) {});
    QCOMPARE(window.RandomSeed->text(), QString("7"));
    QTest::keyClicks(window.RandomSeed, "12345678901");
    QCOMPARE(seed, 123456789);

    // A mended text clears the mark at once.
    window.RandomSeed->clear();
    QTest::keyClicks(window.RandomSeed, "9z");
    QVERIFY(window.Invalid());
    QTest::keyClick(window.RandomSeed, Qt::Key_Backspace);
    QVERIFY(!window.Invalid());
    QVERIFY(window.RandomSeed->styleSheet().isEmpty());
    QCOMPARE(seed, 9);
}

void LayoutWindowsTest::ChooserFavouritesAndMenu() {
    ProgramFolder folder(kPlainIni);
    Window w(folder);
    QCOMPARE(Read(folder.File("Favelay.ini")), QByteArray("Traditional\r\n"));
    auto visible = [&](const QString& caption) {
        for (QAction* a : w->findChildren<QAction*>())
            if (a->text() == caption && a->data() == -2 && a->isCheckable())
                return a->isVisible();
        return false;
    };
    QVERIFY(!visible("Spiral"));
    // Cancelling still saves the favourites and rebuilds the menu.
    WhenModal([](QWidget* modal) {
        auto* chooser = qobject_cast<TChooseLayout*>(modal);
        QVERIFY(chooser);
        const auto spiral = chooser->LayoutList->findItems("Spiral", Qt::MatchExactly);
        QCOMPARE(spiral.size(), 1);
        chooser->LayoutList->setCurrentItem(spiral.first());
        chooser->FaveLayoutsDragDrop(chooser->FaveLayouts->count());
        chooser->BitBtn2->click();
    });
    w->Action("SelectLayout1")->trigger();
    QCOMPARE(Read(folder.File("Favelay.ini")), QByteArray("Spiral\r\nTraditional\r\n"));
    QVERIFY(visible("Spiral"));

    // Dropping a favourite back on the list removes it; the current layout always shows.
    WhenModal([](QWidget* modal) {
        auto* chooser = qobject_cast<TChooseLayout*>(modal);
        chooser->FaveLayouts->setCurrentRow(1);  // Traditional
        chooser->LayoutListDragDrop();
        chooser->BitBtn2->click();
    });
    w->Action("SelectLayout1")->trigger();
    QCOMPARE(Read(folder.File("Favelay.ini")), QByteArray("Spiral\r\n"));
    QCOMPARE(w->LayoutNames()[w->State().CurrentLayout], std::string("Traditional"));
    QVERIFY(visible("Traditional"));
}

void LayoutWindowsTest::AnUnreadableFavouritesFileIsKept() {
    // Over the size cap, or a FIFO: it may still be the player's list, so neither a start
    // nor a chooser closed with a change writes over it.
    QByteArray large("Spiral\r\n");
    large += QByteArray((4 << 20) - large.size() + 1, 'x');
    for (const bool fifo : {false, true}) {
        ProgramFolder folder(kPlainIni);
        const QString path = folder.File("Favelay.ini");
        if (fifo)
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        else
            folder.Write("Favelay.ini", large);
        Window w(folder);
        QTRY_COMPARE(w.dialogs.errors.size(), 1);
        QVERIFY2(w.dialogs.errors[0].contains("Favelay.ini") &&
                     w.dialogs.errors[0].contains("Favourites will not be saved."),
                 qPrintable(w.dialogs.errors[0]));
        WhenModal([](QWidget* modal) {
            auto* chooser = qobject_cast<TChooseLayout*>(modal);
            QVERIFY(chooser);
            chooser->LayoutList->setCurrentRow(0);
            chooser->FaveLayoutsDragDrop(0);
            chooser->BitBtn2->click();
        });
        w->Action("SelectLayout1")->trigger();
        QCOMPARE(w.dialogs.errors.size(), 1);
        QVERIFY(w->Favourites().size() == 1);  // the session keeps its change all the same
        const QFileInfo info(path);
        if (fifo)
            QVERIFY(!info.isFile() && info.exists());
        else
            QVERIFY(Read(path) == large);
    }
}

void LayoutWindowsTest::ChooserPreviewAndPlay() {
    ProgramFolder folder(kPlainIni);
    Window w(folder);
    // A .shp entry is previewed and played through its own reader.
    WhenModal([](QWidget* modal) {
        auto* chooser = qobject_cast<TChooseLayout*>(modal);
        const QImage first = chooser->PreviewImage();
        const auto pyramid = chooser->LayoutList->findItems("Pyramid.shp", Qt::MatchExactly);
        QCOMPARE(pyramid.size(), 1);
        chooser->LayoutList->setCurrentItem(pyramid.first());
        QVERIFY(chooser->PreviewImage() != first);
        QVERIFY(!chooser->LayoutN->text().contains("cannot"));
        chooser->BitBtn1->click();
    });
    w->Action("SelectLayout1")->trigger();
    QCOMPARE(w->LayoutNames()[w->State().CurrentLayout], std::string("Pyramid.shp"));
    QCOMPARE(w->State().GameMode, uint8_t(ModeSolitaire));

    // "Edit" plays the selected layout and opens the editor on it.
    WhenModal([](QWidget* modal) {
        auto* chooser = qobject_cast<TChooseLayout*>(modal);
        chooser->LayoutList->setCurrentItem(
            chooser->LayoutList->findItems("Crab", Qt::MatchExactly).first());
        chooser->BitBtn3->click();
    });
    w->Action("SelectLayout1")->trigger();
    QCOMPARE(w->LayoutNames()[w->State().CurrentLayout], std::string("Crab"));
    QCOMPARE(w->State().GameMode, uint8_t(ModeEditor));
    QCOMPARE(Tiles(*w), 0);
    w->Action("Cancel2")->trigger();
}

void LayoutWindowsTest::FavouriteDropOrder() {
    // Only first characters are compared, so equal ones keep the order they were dropped in.
    const QImage none;
    TChooseLayout chooser("", {"Alpha", "Bb", "Beta"}, none, {"Gamma", "Beta"});
    chooser.LayoutList->setCurrentRow(0);
    chooser.FaveLayoutsDragDrop(99);
    QCOMPARE(chooser.FavouriteNames(), (std::vector<std::string>{"Alpha", "Beta", "Gamma"}));
    TChooseLayout second("", {"Alpha", "Bb"}, none, {"Bc", "Ba"});
    second.LayoutList->setCurrentRow(1);
    second.FaveLayoutsDragDrop(0);
    QCOMPARE(second.FavouriteNames(), (std::vector<std::string>{"Bb", "Ba", "Bc"}));
    // A copy goes only when it ends up beside the other.
    second.FaveLayoutsDragDrop(1);
    QCOMPARE(second.FavouriteNames(), (std::vector<std::string>{"Bb", "Ba", "Bc"}));
}

void LayoutWindowsTest::ExtendedChooser() {
    std::vector<QImage> pictures(101, QImage(206, 138, QImage::Format_RGB32));
    TExtendedChoose seven(std::vector<QImage>(pictures.begin(), pictures.begin() + 7), 7);
    QCOMPARE(seven.Pictures.size(), size_t(7));
    QCOMPARE(seven.ScrollBox->widget()->height(), 417);
    QCOMPARE(seven.Pictures[6]->geometry(), QRect(0, 276, 206, 138));
    QCOMPARE(seven.Pictures[5]->pos(), QPoint(404, 138));
    TExtendedChoose many(pictures, 101);
    QCOMPARE(many.Pictures.size(), size_t(100));
    QCOMPARE(many.ScrollBox->widget()->height(), 33 * 139 + 139);
    QTest::mouseClick(many.Pictures[4], Qt::LeftButton);
    QCOMPARE(many.result(), int(QDialog::Accepted));
    QCOMPARE(many.SelectedIndex(), 4);

    // From the chooser: "<< Reduce" comes back to it, "Cancel" closes it as well.
    TChooseLayout chooser(QUORIN_SOURCE_DIR "/data/Layouts/", {"Bridge", "Crab", "Spiral"}, {}, {});
    WhenModal([](QWidget* modal) { qobject_cast<TExtendedChoose*>(modal)->BitBtn2->click(); });
    chooser.BitBtn5->click();
    QCOMPARE(chooser.LayoutList->currentRow(), 2);  // the last miniature built
    QCOMPARE(chooser.result(), 0);
    WhenModal([](QWidget* modal) {
        auto* extended = qobject_cast<TExtendedChoose*>(modal);
        QTest::mouseClick(extended->Pictures[1], Qt::LeftButton);
    });
    chooser.BitBtn5->click();
    QCOMPARE(chooser.Result(), TChooseLayout::Choice::Play);
    QCOMPARE(chooser.ChosenIndex(), 1);
}

QTEST_MAIN(LayoutWindowsTest)
#include "LayoutWindowsTest.moc"
