// The Music menu, the "Music" button and the effects of the main window, rendered by hand:
// the tests run without a sound card, so nothing else pulls the output.
#include <QMenu>
#include <QTest>
#include <QToolButton>

#include <sys/stat.h>

#include "audio/AudioTestSupport.h"
#include "board/Dealer.h"
#include "board/FreeRule.h"
#include "layouts/LayoutFile.h"
#include "mainwindow/WindowTestSupport.h"

using namespace quorin;
using namespace quorin::test;

namespace {

const QString kIni = "[Quorin]\r\nCoolStatus=0\r\nWinnable=1\r\nRandomSeed=4242\r\n";

QMenu* MusicMenu(TQuorin& w) {
    for (QMenu* menu : w.findChildren<QMenu*>())
        if (menu->title() == "M&usic")
            return menu;
    return nullptr;
}

QStringList PieceItems(TQuorin& w) {
    QStringList names;
    const QList<QAction*> items = MusicMenu(w)->actions();
    for (int i = 2; i < items.size(); ++i)
        names << items[i]->text() + (items[i]->isChecked() ? "*" : "");
    return names;
}

std::pair<int, int> FreePair(const GameState& s) {
    for (int a = 1; a <= kTileCount; ++a)
        for (int b = a + 1; b <= kTileCount; ++b)
            if (SameGroup(a, b) && s.board.TilePos[a].OnBoard() && s.board.TilePos[b].OnBoard() &&
                IsTileFree(s, a) && IsTileFree(s, b))
                return {a, b};
    return {0, 0};
}

QToolButton* MusicButton(TQuorin& w) {
    return w.findChild<QToolButton*>("SetMusic");
}

bool MusicSounds(TQuorin& w) {
    return Audible(RenderFrames(w.Media(), SoundDevice::kRate));
}

}  // namespace

class MusicWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void ListsThePiecesAndClampsTheNumber();
    void StartsPausedAndTheButtonResumes();
    void SwitchingMusicOffAndOnRestartsThePiece();
    void AnEndedPieceStartsAgain();
    void AFifoAsTheCurrentPieceIsNamed();
    void ClicksSoundOnlyWithEffectsOn();
};

void MusicWindowTest::ListsThePiecesAndClampsTheNumber() {
    {
        ProgramFolder folder(kIni + "PlayMusic=0\r\n");
        Window w(folder);
        QCOMPARE(PieceItems(*w),
                 (QStringList{"Bamboo Garden", "Dawn", "Lanterns", "Night*", "Rain"}));
        QCOMPARE(w->MusicIndex(), 4);
        QVERIFY(!MusicButton(*w)->isEnabled());
        QVERIFY(!MusicSounds(*w));
    }
    ProgramFolder folder(kIni + "MidiNumber=9\r\n");
    Window w(folder);
    QCOMPARE(w->MusicIndex(), 5);
    QCOMPARE(PieceItems(*w).last(), QString("Rain*"));
    QVERIFY(MusicButton(*w)->isEnabled());
    QVERIFY(MusicSounds(*w));
}

void MusicWindowTest::StartsPausedAndTheButtonResumes() {
    ProgramFolder folder(kIni + "StartMusic=0\r\n");
    Window w(folder);
    QVERIFY(w->Media().Paused());
    QVERIFY(!MusicSounds(*w));
    MusicButton(*w)->click();
    QVERIFY(MusicSounds(*w));
    MusicButton(*w)->click();
    QVERIFY(!MusicSounds(*w));
}

void MusicWindowTest::SwitchingMusicOffAndOnRestartsThePiece() {
    ProgramFolder folder(kIni);
    Window w(folder);
    RenderFrames(w->Media(), SoundDevice::kRate * 2);
    QVERIFY(w->Media().Position() > 0);
    w->Action("PlayMusic")->trigger();
    QVERIFY(!MusicButton(*w)->isEnabled());
    QVERIFY(!MusicSounds(*w));
    w->Action("PlayMusic")->trigger();
    QCOMPARE(w->Media().Position(), 0);
    QVERIFY(MusicSounds(*w));
}

void MusicWindowTest::AnEndedPieceStartsAgain() {
    ProgramFolder folder(kIni + "MidiNumber=1\r\n");
    folder.Write("Musics/A Short One.mid", QByteArray::fromStdString(ShortMidi()));
    Window w(folder);
    QCOMPARE(PieceItems(*w).first(), QString("A Short One*"));
    RenderFrames(w->Media(), SoundDevice::kRate * 2);  // past its end
    w.Tick();
    QVERIFY(w->Media().Playing());
    QCOMPARE(w->Media().Position(), 0);
    QVERIFY(MusicSounds(*w));
    QCOMPARE(w->MusicIndex(), 1);

    // A piece gone from disk is not played: the check mark moves, the old piece goes on,
    // and the status line says so once.
    QFile::remove(folder.File("Musics/Rain.mid"));
    MusicMenu(*w)->actions().last()->trigger();
    QCOMPARE(PieceItems(*w).last(), QString("Rain*"));
    QVERIFY(w->Media().Playing());
    w.Tick();
    QVERIFY(w.StatusText().contains("Rain.mid"));
}

void MusicWindowTest::AFifoAsTheCurrentPieceIsNamed() {
    // Listed like any piece, so the stored number still means the same one; opening it
    // would block, so it is refused with a word and the game goes on without music.
    ProgramFolder folder(kIni + "MidiNumber=4\r\n");
    QFile::remove(folder.File("Musics/Night.mid"));
    QCOMPARE(::mkfifo(QFile::encodeName(folder.File("Musics/Night.mid")).constData(), 0600), 0);
    Window w(folder);
    QCOMPARE(PieceItems(*w).at(3), QString("Night*"));
    w.Tick();
    QVERIFY2(w.StatusText().contains("Night.mid cannot be played: it is not a regular file"),
             qPrintable(w.StatusText()));
    QVERIFY(!w->Media().Playing());
    // Another piece plays.
    MusicMenu(*w)->actions().last()->trigger();
    QVERIFY(MusicSounds(*w));
}

void MusicWindowTest::ClicksSoundOnlyWithEffectsOn() {
    ProgramFolder folder(kIni + "PlayMusic=0\r\n");
    Window w(folder);
    w->Action("NewSpecificGame1")->trigger();
    const GameState& s = w->State();
    const auto [a, b] = FreePair(s);
    QVERIFY(a && b);
    w.PressTile(a);
    QVERIFY(Audible(RenderFrames(w->Media(), 1024)));
    w.PressTile(a);  // deselected: "select" again
    QVERIFY(Audible(RenderFrames(w->Media(), 1024)));
    RenderFrames(w->Media(), SoundDevice::kRate);

    w->Action("PlaySounds")->trigger();
    QVERIFY(!w->Action("PlaySounds")->isChecked());
    w.PressTile(a);
    w.PressTile(b);
    QCOMPARE(int(s.Selected1), 0);  // the pair went, without a sound
    QVERIFY(!Audible(RenderFrames(w->Media(), SoundDevice::kRate)));
}

QTEST_MAIN(MusicWindowTest)
#include "MusicWindowTest.moc"
