// Rivers, Memory and Clicks in the main window: where they start, "New" continuing them across
// a restart, and what the clock and the board show while they run.
#include <QPushButton>
#include <QTest>

#include <memory>

#include "WindowTestSupport.h"
#include "mainwindow/BoardSurface.h"
#include "mainwindow/WelcomePanel.h"

using namespace quorin;
using namespace quorin::test;

namespace {

const QString kPlainIni = "[Quorin]\r\nCoolStatus=0\r\nTileRivers=0\r\n";

struct Start {
    const char* action;
    QPushButton* WelcomePanel::*button;
    uint8_t mode;
    int32_t code;
    const char* status;
};

const Start kStarts[] = {
    {"NewArcadeMahjonggGame1", &WelcomePanel::RiversEasy, ModeRivers, 100,
     "Mahjongg Rivers started."},
    {"MahJonggRiversNewGameHard1", &WelcomePanel::RiversHard, ModeRivers, 101,
     "Mahjongg Rivers started."},
    {"Memory1", &WelcomePanel::MemoryEasy, ModeMemory, 110, "Mahjongg Memory started."},
    {"MemoryHard1", &WelcomePanel::MemoryHard, ModeMemory, 111, "Mahjongg Memory started."},
    {"MahJonggClicks1", &WelcomePanel::ClicksEasy, ModeClicks, 120, "Mahjongg Clicks started."},
    {"MahJonggClicksHard1", &WelcomePanel::ClicksHard, ModeClicks, 121, "Mahjongg Clicks started."},
};

// A press in the middle of Clicks cell (n, i).
QPoint ClicksPoint(const GameState& s, int n, int i) {
    return {32 * (n - 1) + 16 + s.BoardOriginX, 32 * (i - 1) + s.BoardOriginY};
}

}  // namespace

class OtherGamesTest : public QObject {
    Q_OBJECT
  private slots:
    void EachGameStartsFromItsButtonAndItsMenuEntry();
    void NewContinuesTheLastGameAfterARestart();
    void MemoryPairIsJudgedByTheClockAndDrawnFaceDown();
    void ClicksDeadEndAsksToGiveUp();
    void EachGameTakesTheKeyboard();
};

void OtherGamesTest::EachGameStartsFromItsButtonAndItsMenuEntry() {
    ProgramFolder folder(kPlainIni);
    Window w(folder);
    for (const Start& start : kStarts) {
        w->Stop();  // back to the welcome panel
        QPushButton* button = (*w->Welcome()).*start.button;
        QVERIFY(button->isVisible() && button->isEnabled());
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(w->State().GameMode, start.mode);
        QCOMPARE(w->State().CurrentLayout, start.code);
        QVERIFY(!w->Welcome()->isVisible());
        w.Tick();
        QCOMPARE(w.StatusText(), QString(start.status));

        w->State().CurrentLayout = 1;
        w->Action(start.action)->trigger();
        QCOMPARE(w->State().GameMode, start.mode);
        QCOMPARE(w->State().CurrentLayout, start.code);
    }
}

void OtherGamesTest::NewContinuesTheLastGameAfterARestart() {
    ProgramFolder folder(kPlainIni);
    for (const Start& start : kStarts) {
        {
            Window w(folder);
            w->Action(start.action)->trigger();
            w->RandomSolitaireGame1Click();      // a solitaire game in between...
            w->Action(start.action)->trigger();  // ...and the game again, as last played
        }
        Window again(folder);
        QCOMPARE(again->State().CurrentLayout, start.code);
        again->NewGame();
        QCOMPARE(again->State().GameMode, start.mode);
        QCOMPARE(again->State().CurrentLayout, start.code);
        again->NewGame();  // during the game as well
        QCOMPARE(again->State().CurrentLayout, start.code);
    }
}

void OtherGamesTest::MemoryPairIsJudgedByTheClockAndDrawnFaceDown() {
    ProgramFolder folder(kPlainIni);
    Window w(folder);
    w->Memory(TQuorin::Level::Easy);
    GameState& s = w->State();
    const QImage down = w->Renderer().BoardBuffer().copy();
    // Tiles 1 and 5 are of different groups.
    w.PressTile(1);
    w.PressTile(5);
    const QImage up = w->Renderer().BoardBuffer().copy();
    QVERIFY(up != down);
    QCOMPARE(s.MemoryCountdown, 10);
    w.Tick(10);
    QCOMPARE(s.PenaltySeconds, 2);
    QCOMPARE(s.Selected1, 0);
    QCOMPARE(w->Renderer().BoardBuffer(), down);
    w.PressTile(1);
    w.PressTile(2);
    w.Tick(10);
    QCOMPARE(s.TilesLeft, 30);
    const QByteArray dir = qgetenv("QUORIN_SCREENSHOTS");
    if (!dir.isEmpty()) {
        w.PressTile(3);
        w->grab().save(QString(dir) + "/memory.png");
    }
}

void OtherGamesTest::ClicksDeadEndAsksToGiveUp() {
    ProgramFolder folder(kPlainIni + "EnableHall=1\r\nPauseFocus=1\r\nCurrentPlayer1=Ann\r\n");
    Window w(folder);
    // The question box takes the focus from the window, which pauses the game.
    w.dialogs.whileOpen = [&w] { w->FormDeactivate(); };
    w->MahJonggClicks(TQuorin::Level::Hard);
    GameState& s = w->State();
    const QByteArray dir = qgetenv("QUORIN_SCREENSHOTS");
    if (!dir.isEmpty())
        w->grab().save(QString(dir) + "/clicks.png");
    // One pair left to take, and a lone piece.
    s.Clicks = {};
    s.Clicks.At(2, 13) = 1;
    s.Clicks.At(3, 13) = 1;
    s.Clicks.At(4, 13) = 2;
    s.TilesLeft = 3;
    w.Press(ClicksPoint(s, 2, 13));
    QCOMPARE(s.TilesLeft, 1);
    w.dialogs.answerYes = false;
    w.Tick();
    QCOMPARE(w.dialogs.questions.size(), 1);
    QVERIFY(w.dialogs.questions[0].startsWith("Game Over: No more moves."));
    // No takes the move back, and the game goes on.
    QCOMPARE(s.TilesLeft, 3);
    QCOMPARE(s.GameMode, ModeClicks);
    w.Tick(3);
    QCOMPARE(w.dialogs.questions.size(), 1);

    w.Press(ClicksPoint(s, 3, 13));
    w.dialogs.answerYes = true;
    w.Tick();
    QCOMPARE(w.dialogs.questions.size(), 2);
    QVERIFY(s.GameFinished);
    QCOMPARE(s.GameMode, ModeGameOver);
    QCOMPARE(s.ElapsedSeconds, 1);
    // One piece left beats every default entry of the column.
    QCOMPARE(w.dialogs.hallsShown, 1);
    QCOMPARE(w->Hall().Table().Entry(1, 121), std::string("Ann         1    0"));
    w.Tick(3);
    QCOMPARE(w.dialogs.questions.size(), 2);
}

void OtherGamesTest::EachGameTakesTheKeyboard() {
    ProgramFolder folder(kPlainIni);
    Window w(folder);
    GameState& s = w->State();
    BoardSurface* board = w->GameImage();
    // Memory: every tile face down can be turned from the keyboard.
    w->Memory(TQuorin::Level::Easy);
    QCOMPARE(static_cast<int>(w->Rules().FocusTargets().size()), s.TilesLeft);
    QTest::keyClick(board, Qt::Key_Down);
    QTest::keyClick(board, Qt::Key_Space);
    QVERIFY(s.Selected1 != 0);
    QCOMPARE(int(s.Selected1), w->FocusTile());
    // Clicks: Enter takes the group in focus.
    w->Action("MahJonggClicks1")->trigger();
    const int before = s.TilesLeft;
    QTest::keyClick(board, Qt::Key_Right);
    QVERIFY(w->FocusTile() >= 1000);
    QTest::keyClick(board, Qt::Key_Return);
    QVERIFY(s.TilesLeft < before);
}

QTEST_MAIN(OtherGamesTest)
#include "OtherGamesTest.moc"
