// The end of a game as the player meets it: the game-over window, the entry into the hall
// of fame and its window, two-player verdicts and the Clicks give-up question.
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "WindowTestSupport.h"
#include "halloffame/THallWindow.h"

using namespace quorin;
using namespace quorin::test;

namespace {

const QString kHallIni = "[Quorin]\r\nCoolStatus=0\r\nEnableHall=1\r\nCurrentPlayer1=Ann\r\n";

// The two tiles still on the board.
std::pair<int, int> LastPair(const GameState& s) {
    int a = 0;
    for (int t = 1; t <= kTileCount; ++t)
        if (s.board.TilePos[t].OnBoard()) {
            if (a)
                return {a, t};
            a = t;
        }
    return {0, 0};
}

// Plays the last pair after `millis` of thinking; the game ends at the tick that follows.
void FinishAfter(Window& w, uint32_t millis) {
    QCOMPARE(w->State().TilesLeft, 2);
    w.clock.Advance(millis);
    w.Tick();
    const auto [a, b] = LastPair(w->State());
    w.PressTile(a);
    w.PressTile(b);
    w.Tick();  // the next tick finds the board empty
}

}  // namespace

class HallTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { qputenv("QUORIN_TEST_LAST_PAIR", "1"); }
    void AGoodTimeEntersUnderTheTypedName();
    void OnlyATimeBelowRankTenQualifies();
    void ARedrawWhilePausedAbandonsWithoutAWord();
    void TwoPlayersGetAVerdictAndNoEntry();
    void ClicksAsksToGiveUp();
    void TheWindowListsEveryTable();
};

void HallTest::AGoodTimeEntersUnderTheTypedName() {
    ProgramFolder folder(kHallIni);
    Window w(folder);
    int renamedRank = 0;
    w.dialogs.onHall = [&](THallWindow& hall) {
        QVERIFY(w->JustEnteredHall());
        renamedRank = w->Hall().NewHallRank();
        // The name is selected: typing replaces it, letter by letter.
        QTest::keyClicks(hall.PlayerName, "Zoe");
        QCOMPARE(hall.Names[renamedRank]->text(), QString("Zoe"));
        QVERIFY(hall.Names[renamedRank]->property("newEntry").toBool());
    };
    // Killed while "Board finished !" is open, the program would keep the score under
    // the name it knew.
    QByteArray onDiskAtGameOver;
    w.dialogs.onGameOver = [&] {
        QFile file(folder.File("Hallfame.ini"));
        if (file.open(QIODevice::ReadOnly))
            onDiskAtGameOver = file.readAll();
    };
    w->RandomSolitaireGame1Click();
    w->State().PenaltySeconds = 40;
    FinishAfter(w, 205'000);
    QVERIFY2(onDiskAtGameOver.contains("Rank1=Ann       245   40"), onDiskAtGameOver.constData());

    QCOMPARE(w.dialogs.gameOvers, QStringList{"Your final time is 04:05 [fame]"});
    QCOMPARE(w.dialogs.hallsShown, 1);
    QCOMPARE(renamedRank, 1);
    QVERIFY(!w->JustEnteredHall());
    const int column = w->State().CurrentLayout;
    QCOMPARE(w->Hall().Table().Entry(1, column), std::string("Zoe       245   40"));
    QCOMPARE(w->State().GameMode, uint8_t{ModeGameOver});
    QCOMPARE(w->State().SavedMode, uint8_t{ModeGameOver});

    // Already on disk, before any close: a killed program keeps it.
    QFile file(folder.File("Hallfame.ini"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().contains("Rank1=Zoe       245   40"));

    // The flow runs once per game, whatever redraws follow.
    w->FullRedraw();
    w.Tick(3);
    QCOMPARE(w.dialogs.gameOvers.size(), 1);
    QCOMPARE(w.dialogs.hallsShown, 1);
}

void HallTest::OnlyATimeBelowRankTenQualifies() {
    ProgramFolder folder(kHallIni);
    Window w(folder);
    w->RandomSolitaireGame1Click();
    FinishAfter(w, 840'000);  // the total of the default rank 10
    QCOMPARE(w.dialogs.gameOvers, QStringList{"Your final time is 14:00"});
    QCOMPARE(w.dialogs.hallsShown, 0);
    const int column = w->State().CurrentLayout;
    QVERIFY(HallOfFame::IsEmptyEntry(w->Hall().Table().Entry(10, column), 10, column));

    // Without time tracking a good time is told but not kept.
    w->Action("EnableHall")->setChecked(false);
    w->RandomSolitaireGame1Click();
    FinishAfter(w, 61'000);
    QCOMPARE(w.dialogs.gameOvers.last(), QString("Your final time is 01:01"));
    QCOMPARE(w.dialogs.hallsShown, 0);
}

void HallTest::ARedrawWhilePausedAbandonsWithoutAWord() {
    ProgramFolder folder(kHallIni);
    Window w(folder);
    w->RandomSolitaireGame1Click();
    w.clock.Advance(5'000);
    w.Tick();
    w->PauseClick();
    w->GameOver();
    QCOMPARE(w->State().GameMode, uint8_t{ModeGameOver});
    QVERIFY(w.dialogs.gameOvers.isEmpty());
    QCOMPARE(w.dialogs.hallsShown, 0);
}

void HallTest::TwoPlayersGetAVerdictAndNoEntry() {
    ProgramFolder folder(kHallIni);
    Window w(folder);
    w->TwoPlayers();
    QCOMPARE(w->State().GameMode, uint8_t{ModeTwoPlayers});
    // A long pause in player 1's turn counts for nobody.
    w.clock.Advance(30'000);
    w.Tick();
    w->PauseClick();
    w.clock.Advance(500'000);
    w.Tick();
    w->PauseClick();
    FinishAfter(w, 31'000);
    QCOMPARE(w->State().Player1Millis, 61'100);  // with two ticks of 50 ms in the turn
    QCOMPARE(w->State().Player2Millis, 0);
    QCOMPARE(w.dialogs.gameOvers, QStringList{"And the winner is... Player 2 !"});
    QCOMPARE(w.dialogs.hallsShown, 0);
    QCOMPARE(w->State().GameMode, uint8_t{ModeGameOver});

    // "New" goes on with two players.
    w->TwoPlayers();
    w->NewGame();
    QCOMPARE(w->State().GameMode, uint8_t{ModeTwoPlayers});
    QCOMPARE(w->State().Player1Millis, 0);
}

void HallTest::ClicksAsksToGiveUp() {
    ProgramFolder folder(kHallIni);
    Window w(folder);
    w->RandomSolitaireGame1Click();
    GameState& s = w->State();
    // A Clicks game stuck with pieces left: its clock counts them.
    s.GameMode = ModeClicks;
    w->Rules().Choose(ModeClicks);
    s.CurrentLayout = 120;
    s.TilesLeft = 12;
    s.PenaltySeconds = 3;
    w.dialogs.answerYes = true;
    w.Tick();
    QCOMPARE(w.dialogs.questions.size(), 1);
    QVERIFY(w.dialogs.questions.first().startsWith("Game Over: No more moves. Do you want"));
    // Given up: no window to say so, but 15 pieces beat the default 20.
    QVERIFY(w.dialogs.gameOvers.isEmpty());
    QCOMPARE(w.dialogs.hallsShown, 1);
    QCOMPARE(w->Hall().Table().Entry(1, 120), std::string("Ann        15    3"));
    QCOMPARE(s.GameMode, uint8_t{ModeGameOver});

    // A cleared board asks nothing and scores its penalty only.
    w->RandomSolitaireGame1Click();
    s.GameMode = ModeClicks;
    w->Rules().Choose(ModeClicks);
    s.CurrentLayout = 121;
    s.TilesLeft = 0;
    s.PenaltySeconds = 0;
    w.Tick();
    QCOMPARE(w.dialogs.questions.size(), 1);
    QCOMPARE(w.dialogs.gameOvers, QStringList{"You reached the top ! Great ! [fame]"});
    QCOMPARE(w->Hall().Table().Entry(1, 121), std::string("Ann         0    0"));
}

void HallTest::TheWindowListsEveryTable() {
    ProgramFolder folder(kHallIni);
    Window w(folder);
    const int layouts = static_cast<int>(w->LayoutNames().size()) - 1;
    w->State().CurrentLayout = 101;
    bool seen = false;
    w.dialogs.onHall = [&](THallWindow& hall) {
        seen = true;
        QCOMPARE(hall.LayoutComboBox->count(), layouts + 6);
        QCOMPARE(hall.LayoutComboBox->currentText(), QString("Mahjongg Rivers (Hard)"));
        QCOMPARE(hall.Label23->text(), QString("Time"));
        QCOMPARE(hall.Totals[1]->text(), QString("05:00"));
        QCOMPARE(hall.Totals[10]->text(), QString("14:00"));
        QCOMPARE(hall.Penalties[1]->text(), QString("00:00"));
        QCOMPARE(hall.ColumnOfItem(0), 1);
        QCOMPARE(hall.ColumnOfItem(layouts + 2), 110);
        QCOMPARE(hall.ColumnOfItem(layouts + 6), -1);

        hall.LayoutComboBoxChange(layouts + 5);
        QCOMPARE(hall.Label23->text(), QString("Score"));
        QCOMPARE(hall.Totals[1]->text(), QString("  20"));
        QCOMPARE(hall.Penalties[1]->text(), QString());

        // Opened from the menu, a new name changes no entry; it is for the next one.
        QTest::keyClicks(hall.PlayerName, "X");
        QCOMPARE(hall.Names[1]->text(), QString("---"));

        // The reset asks first; cancelled, nothing changes.
        w->Hall().AddHall(121, "Bo", 5, 0);
        w.dialogs.answerOk = false;
        hall.DeleteHighscoresClick();
        QCOMPARE(hall.Names[1]->text(), QString("Bo"));
        w.dialogs.answerOk = true;
        hall.DeleteHighscoresClick();
        QCOMPARE(hall.Names[1]->text(), QString("---"));
        QVERIFY(w.dialogs.questions.last().startsWith("Please confirm...: Do you really"));
    };
    w->Action("HallOfFame1")->trigger();
    QVERIFY(seen);
    QVERIFY(w->State().HallPanelDirty);

    // Every entry to the window is enabled.
    QVERIFY(w->Action("PlayerName1")->isEnabled());
    QVERIFY(w->Action("TwoPlayers1")->isEnabled());
}

QTEST_MAIN(HallTest)
#include "HallTest.moc"
