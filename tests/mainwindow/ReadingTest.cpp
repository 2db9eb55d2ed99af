// What the player reads: every window's text shown whole in the fonts the machine has, the
// side panel's names inside the panel, and the hall of fame's lists as a player expects them.
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyle>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include "WindowTestSupport.h"
#include "halloffame/TGameOverForm.h"
#include "halloffame/THallWindow.h"
#include "info/THelpForm.h"
#include "layouts/TChooseLayout.h"
#include "layouts/TRandomWindow.h"

using namespace quorin;
using namespace quorin::test;

namespace {

const QString kHallIni = "[Quorin]\r\nCoolStatus=0\r\nEnableHall=1\r\nShowHallOfFame=1\r\n";

// The texts of a shown window that their widgets cut, one line each.
QStringList CutTexts(QWidget* window) {
    QStringList cut;
    auto check = [&](const QWidget* w, const QString& text, int needW, int needH) {
        if (needW > w->width() || needH > w->height())
            cut << QString("%1 \"%2\" needs %3x%4, has %5x%6")
                       .arg(window->windowTitle(), text)
                       .arg(needW)
                       .arg(needH)
                       .arg(w->width())
                       .arg(w->height());
    };
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(window) || w->window() != window)
            continue;
        if (auto* label = qobject_cast<QLabel*>(w); label && !label->text().isEmpty()) {
            check(label, label->text(), label->wordWrap() ? 0 : label->sizeHint().width(),
                  label->wordWrap() ? label->heightForWidth(label->width())
                                    : label->sizeHint().height());
        } else if (auto* button = qobject_cast<QPushButton*>(w)) {
            // The text, its glyph and the margins the style adds, not the style's least width.
            const QStyle* style = button->style();
            const int room = style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button) +
                             2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button) +
                             (button->icon().isNull() ? 0 : button->iconSize().width() + 4);
            // The mnemonic's ampersand is drawn as an underline, not as a character.
            QString shown = button->text();
            shown.replace(QRegularExpression("&(.)"), "\\1");
            check(button, button->text(), button->fontMetrics().horizontalAdvance(shown) + room, 0);
        } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
            check(combo, "its widest item", combo->sizeHint().width(), 0);
        }
    }
    return cut;
}

#define EXPECT_WHOLE(window)                                 \
    do {                                                     \
        (window)->show();                                    \
        QVERIFY(QTest::qWaitForWindowExposed(window));       \
        const QStringList cut = CutTexts(window);            \
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join("; "))); \
    } while (false)

// Plays the last pair after `millis` of thinking; the game ends at the tick that follows.
void FinishAfter(Window& w, uint32_t millis) {
    QCOMPARE(w->State().TilesLeft, 2);
    w.clock.Advance(millis);
    w.Tick();
    for (int t = 1; t <= kTileCount; ++t)
        if (w->State().board.TilePos[t].OnBoard())
            w.PressTile(t);
    w.Tick();
}

}  // namespace

class ReadingTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { qputenv("QUORIN_TEST_LAST_PAIR", "1"); }
    void GameOverTextsShowWhole();
    void HallAndSeedWindowsShowTheirTextWhole();
    void ChoosersHelpAndAboutShowTheirTextWhole();
    void PlayerNamesStayInsideTheSidePanel();
    void ANewEntryIsMarkedInItsOwnTableOnly();
};

void ReadingTest::GameOverTextsShowWhole() {
    ProgramFolder folder(kHallIni);
    Window w(folder);
    // The verdicts and the final time as the game's end gives them.
    w->TwoPlayers();
    FinishAfter(w, 31'000);
    w->TwoPlayers();
    w->State().Player2Millis = 90'000;  // player 1 wins this one
    FinishAfter(w, 1'000);
    w->RandomSolitaireGame1Click();
    FinishAfter(w, 205'000);
    QCOMPARE(w.dialogs.gameOvers,
             QStringList({"And the winner is... Player 2 !", "And the winner is... Player 1 !",
                          "Your final time is 03:25 [fame]"}));

    QStringList results = w.dialogs.gameOvers;
    results << "Same score for both players !"
            << "You reached the top ! Great ! [fame]";
    for (QString result : results) {
        const bool fame = result.endsWith(" [fame]");
        TGameOverForm form(&*w);
        form.SetResult(result.remove(" [fame]"), fame);
        EXPECT_WHOLE(&form);
        QVERIFY(form.width() >= 346 && form.height() >= 188);  // as drawn, or larger
    }
}

void ReadingTest::HallAndSeedWindowsShowTheirTextWhole() {
    ProgramFolder folder(kHallIni);
    Window w(folder);
    QStringList items;
    w.dialogs.onHall = [&](THallWindow& hall) {
        for (int item = 0; item < hall.LayoutComboBox->count(); ++item) {
            hall.LayoutComboBoxChange(item);
            items << hall.LayoutComboBox->currentText();
            EXPECT_WHOLE(&hall);
        }
    };
    w->Action("HallOfFame1")->trigger();
    // A .shp layout is listed without its extension; its table keeps the file's name.
    QVERIFY(items.contains("Pyramid Layout") && items.contains("Traditional Layout"));
    QVERIFY(items.filter(".shp").isEmpty());
    QCOMPARE(w->Hall().SectionName(items.indexOf("Pyramid Layout") + 1),
             std::string("Pyramid.shp"));

    // The seed window, also while it marks a bad number.
    int seeds = 0;
    w.dialogs.seedTyped = "12a456789";
    w.dialogs.onSeedWindow = [&](TRandomWindow& window) {
        ++seeds;
        EXPECT_WHOLE(&window);
    };
    w->Action("NewSpecificGame1")->trigger();
    QCOMPARE(seeds, 1);
}

void ReadingTest::ChoosersHelpAndAboutShowTheirTextWhole() {
    ProgramFolder folder(kHallIni);
    Window w(folder);
    int windows = 0;
    WhenModal([&](QWidget* modal) {
        auto* chooser = qobject_cast<TChooseLayout*>(modal);
        QVERIFY(chooser);
        for (int row = 0; row < chooser->LayoutList->count(); ++row) {
            chooser->LayoutList->setCurrentRow(row);  // the full name of every layout
            EXPECT_WHOLE(chooser);
        }
        WhenModal([&](QWidget* extended) {
            ++windows;
            EXPECT_WHOLE(extended);
            static_cast<QDialog*>(extended)->reject();
        });
        chooser->BitBtn5->click();
    });
    w->Action("SelectLayout1")->trigger();

    w.dialogs.onModal = [&](QDialog* d) {
        ++windows;
        auto* help = qobject_cast<THelpForm*>(d);
        for (int page = 0; page < (help ? help->HelpControl->count() : 1); ++page) {
            if (help)
                help->HelpControl->setCurrentIndex(page);
            EXPECT_WHOLE(d);
        }
        d->hide();
    };
    w->Action("French1")->trigger();
    w->Action("About1")->trigger();
    QCOMPARE(windows, 3);
}

void ReadingTest::PlayerNamesStayInsideTheSidePanel() {
    ProgramFolder folder(kHallIni);
    Window w(folder);
    w->TwoPlayers();
    const QImage background = w->SidePanelImage().copy();
    // The mover's name blinks: a second of ticks draws both names at some tick.
    int leftmost = background.width(), rightmost = -1;
    for (int i = 0; i < 25; ++i) {
        w.Tick();
        const QImage& now = w->SidePanelImage();
        for (int y = 380; y < 468; ++y)
            for (int x = 0; x < now.width(); ++x) {
                // Yellow for player 1 and cyan for player 2; the clocks are white.
                const QColor c(now.pixel(x, y));
                if (now.pixel(x, y) != background.pixel(x, y) && c.green() > 150 &&
                    (c.red() > 150) != (c.blue() > 150)) {
                    leftmost = std::min(leftmost, x);
                    rightmost = std::max(rightmost, x);
                }
            }
    }
    QVERIFY2(leftmost >= 3 && rightmost > 40 && rightmost <= background.width() - 4,
             qPrintable(QString("names span x %1 to %2").arg(leftmost).arg(rightmost)));
}

void ReadingTest::ANewEntryIsMarkedInItsOwnTableOnly() {
    ProgramFolder folder(kHallIni);
    Window w(folder);
    w->RandomSolitaireGame1Click();
    FinishAfter(w, 100'000);
    const int layout = w->State().CurrentLayout;
    QVERIFY(w->Hall().IsNewEntry(1, layout));

    // Rivers has no new entry: its rank 1 is drawn as it is once the entry is forgotten.
    w->Action("NewArcadeMahjonggGame1")->trigger();
    const QImage rivers = w->SidePanelImage().copy();
    w->Hall().ClearNewHallRank();
    w->ShowPanelHOF();
    QCOMPARE(w->SidePanelImage(), rivers);

    // Nor is the rank of a table reset since its entry.
    QCOMPARE(w->Hall().AddHall(layout, "Bo", 10, 0), 1);
    w->Hall().ResetColumn(layout);
    QVERIFY(!w->Hall().IsNewEntry(1, layout));
}

QTEST_MAIN(ReadingTest)
#include "ReadingTest.moc"
