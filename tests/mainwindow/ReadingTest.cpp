// What the player reads: every window's text shown whole in the fonts the machine has, the
// side panel's names inside the panel, and the hall of fame's lists as a player expects them.
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include "WindowTestSupport.h"
#include "halloffame/TGameOverForm.h"
#include "halloffame/THallWindow.h"
#include "info/THelpForm.h"
#include "layouts/TChooseLayout.h"
#include "layouts/TExtendedChoose.h"
#include "layouts/TRandomWindow.h"

using namespace quorin;
using namespace quorin::test;

namespace {

const QString kHallIni = "[Quorin]\r\nCoolStatus=0\r\nEnableHall=1\r\nCurrentPlayer1=Ann\r\n";

QString Describe(const QWidget* w, const QString& text, QSize need, QSize has) {
    return QString("%1 %2 \"%3\" needs %4x%5, has %6x%7")
        .arg(w->window()->windowTitle(), w->metaObject()->className(), text)
        .arg(need.width())
        .arg(need.height())
        .arg(has.width())
        .arg(has.height());
}

// The texts of a shown window that their widgets cut, one line each.
QStringList CutTexts(QWidget* window) {
    QStringList cut;
    auto check = [&](const QWidget* w, const QString& text, QSize need, QSize has) {
        if (need.width() > has.width() || need.height() > has.height())
            cut << Describe(w, text, need, has);
    };
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(window) || w->window() != window)
            continue;
        if (auto* label = qobject_cast<QLabel*>(w)) {
            if (label->text().isEmpty())
                continue;
            const QSize has =
                label->contentsRect().size() +
                QSize(label->contentsMargins().left() + label->contentsMargins().right(),
                      label->contentsMargins().top() + label->contentsMargins().bottom());
            const QSize need = label->wordWrap() ? QSize(0, label->heightForWidth(has.width()))
                                                 : label->sizeHint();
            check(label, label->text(), need, has);
        } else if (auto* button = qobject_cast<QPushButton*>(w)) {
            if (button->text().isEmpty())
                continue;
            // The style's smallest button is no concern: only the text and its glyph are.
            QString text = button->text();
            text.remove('&');
            // The margins as the style adds them to a button's text.
            const QStyle* style = button->style();
            const int margin =
                style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button) +
                2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
            const int glyph = button->icon().isNull() ? 0 : button->iconSize().width() + 4;
            check(button, text,
                  {button->fontMetrics().horizontalAdvance(text) + glyph + margin,
                   button->fontMetrics().height()},
                  button->size());
        } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
            // Every item, since any of them may become the one shown.
            QComboBox probe;
            probe.setFont(combo->font());
            probe.setSizeAdjustPolicy(QComboBox::AdjustToContents);
            for (int i = 0; i < combo->count(); ++i)
                probe.addItem(combo->itemText(i));
            check(combo, "widest item", {probe.sizeHint().width(), 0}, combo->size());
        } else if (auto* group = qobject_cast<QGroupBox*>(w)) {
            check(group, group->title(),
                  {group->fontMetrics().horizontalAdvance(group->title()) + 16, 0}, group->size());
        }
    }
    return cut;
}

// Shows a window that is not run modally here, checks it and hides it again.
QStringList CutTextsShown(QWidget* window) {
    window->show();
    if (!QTest::qWaitForWindowExposed(window))
        return {window->windowTitle() + " was not shown"};
    const QStringList cut = CutTexts(window);
    window->hide();
    return cut;
}

#define ExpectWhole(cut)                                         \
    do {                                                         \
        const QStringList texts = (cut);                         \
        QVERIFY2(texts.isEmpty(), qPrintable(texts.join("; "))); \
    } while (false)

// The current modal window, once the event loop runs it.
template <typename Act>
void WhenModal(Act act) {
    QTimer::singleShot(0, [act] {
        QWidget* modal = QApplication::activeModalWidget();
        QVERIFY(modal);
        act(modal);
    });
}

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

void FinishAfter(Window& w, uint32_t millis) {
    QCOMPARE(w->State().TilesLeft, 2);
    w.clock.Advance(millis);
    w.Tick();
    const auto [a, b] = LastPair(w->State());
    w.PressTile(a);
    w.PressTile(b);
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
    void TheHallListNamesLayoutsWithoutExtension();
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
        result.remove(" [fame]");
        TGameOverForm form(&*w);
        form.SetResult(result, fame);
        QCOMPARE(form.FinalTime->text(), result);
        ExpectWhole(CutTextsShown(&form));
        // Never smaller than the window was drawn for.
        QVERIFY(form.width() >= 346 && form.height() >= 188);
    }
}

void ReadingTest::HallAndSeedWindowsShowTheirTextWhole() {
    ProgramFolder folder(kHallIni);
    Window w(folder);
    int halls = 0;
    w.dialogs.onHall = [&](THallWindow& hall) {
        ++halls;
        for (int item = 0; item < hall.LayoutComboBox->count(); ++item) {
            hall.LayoutComboBoxChange(item);
            ExpectWhole(CutTextsShown(&hall));
        }
    };
    w->Action("HallOfFame1")->trigger();
    QCOMPARE(halls, 1);

    // The seed window, also while it marks a bad number.
    int seeds = 0;
    w.dialogs.seedTyped = "12a456789";
    w.dialogs.onSeedWindow = [&](TRandomWindow& window) {
        ++seeds;
        ExpectWhole(CutTexts(&window));
    };
    w->Action("NewSpecificGame1")->trigger();
    QCOMPARE(seeds, 1);
}

void ReadingTest::ChoosersHelpAndAboutShowTheirTextWhole() {
    ProgramFolder folder(kHallIni);
    Window w(folder);
    bool chooserSeen = false;
    WhenModal([&](QWidget* modal) {
        auto* chooser = qobject_cast<TChooseLayout*>(modal);
        QVERIFY(chooser);
        chooserSeen = true;
        // The full name of every layout in turn.
        for (int row = 0; row < chooser->LayoutList->count(); ++row) {
            chooser->LayoutList->setCurrentRow(row);
            ExpectWhole(CutTexts(chooser));
        }
        WhenModal([](QWidget* extended) {
            QVERIFY(qobject_cast<TExtendedChoose*>(extended));
            ExpectWhole(CutTexts(extended));
            qobject_cast<TExtendedChoose*>(extended)->BitBtn1->click();
        });
        chooser->BitBtn5->click();
    });
    w->Action("SelectLayout1")->trigger();
    QVERIFY(chooserSeen);

    int windows = 0;
    w.dialogs.onModal = [&](QDialog* d) {
        ++windows;
        if (auto* help = qobject_cast<THelpForm*>(d)) {
            for (int page = 0; page < help->HelpControl->count(); ++page) {
                help->HelpControl->setCurrentIndex(page);
                ExpectWhole(CutTextsShown(help));
            }
        } else {
            ExpectWhole(CutTextsShown(d));
        }
    };
    w->Action("French1")->trigger();
    w->Action("About1")->trigger();
    QCOMPARE(windows, 2);
}

void ReadingTest::PlayerNamesStayInsideTheSidePanel() {
    ProgramFolder folder(kHallIni + "ShowHallOfFame=1\r\n");
    Window w(folder);
    w->TwoPlayers();
    const QImage background = w->SidePanelImage().copy();
    // The mover's name blinks: a second of ticks draws both names at some tick.
    int leftmost = background.width(), rightmost = -1, changed = 0;
    for (int i = 0; i < 25; ++i) {
        w.Tick();
        const QImage& now = w->SidePanelImage();
        for (int y = 380; y < 468; ++y)
            for (int x = 0; x < now.width(); ++x) {
                if (now.pixel(x, y) == background.pixel(x, y))
                    continue;
                // Yellow for player 1 and cyan for player 2; the clocks are white.
                const QColor c(now.pixel(x, y));
                const bool name = (c.red() > 150 && c.green() > 150 && c.blue() < 100) ||
                                  (c.red() < 100 && c.green() > 150 && c.blue() > 150);
                if (!name)
                    continue;
                ++changed;
                leftmost = std::min(leftmost, x);
                rightmost = std::max(rightmost, x);
            }
    }
    QVERIFY(changed > 50);
    // Both names keep clear of the panel's edges.
    QVERIFY2(leftmost >= 3 && rightmost <= background.width() - 4,
             qPrintable(QString("names span x %1 to %2").arg(leftmost).arg(rightmost)));
}

void ReadingTest::ANewEntryIsMarkedInItsOwnTableOnly() {
    ProgramFolder folder(kHallIni + "ShowHallOfFame=1\r\n");
    Window w(folder);
    w->RandomSolitaireGame1Click();
    FinishAfter(w, 100'000);
    QCOMPARE(w->Hall().NewHallRank(), 1);
    const int layout = w->State().CurrentLayout;
    QVERIFY(w->Hall().IsNewEntry(1, layout));

    // Another table has no new entry: its rank 1 is drawn as any other rank 1.
    w->Action("NewArcadeMahjonggGame1")->trigger();
    QCOMPARE(w->State().CurrentLayout, 100);
    QVERIFY(!w->Hall().IsNewEntry(1, 100));
    w->ShowPanelHOF();
    const QImage rivers = w->SidePanelImage().copy();
    w->Hall().ClearNewHallRank();
    w->ShowPanelHOF();
    QCOMPARE(w->SidePanelImage(), rivers);

    // Nor a table reset since: its rank 1 is a default entry again.
    QVERIFY(w->Hall().AddHall(layout, "Bo", 10, 0) == 1);
    w->Hall().ResetColumn(layout);
    QVERIFY(!w->Hall().IsNewEntry(1, layout));
}

void ReadingTest::TheHallListNamesLayoutsWithoutExtension() {
    ProgramFolder folder(kHallIni);
    Window w(folder);
    QStringList items;
    w.dialogs.onHall = [&](THallWindow& hall) {
        for (int i = 0; i < hall.LayoutComboBox->count(); ++i)
            items << hall.LayoutComboBox->itemText(i);
    };
    w->Action("HallOfFame1")->trigger();
    QVERIFY(items.contains("Pyramid Layout"));
    QVERIFY(items.contains("Traditional Layout"));
    for (const QString& item : items)
        QVERIFY2(!item.contains(".shp"), qPrintable(item));
    // The table itself still goes by the file's name.
    QVERIFY(std::find(w->LayoutNames().begin(), w->LayoutNames().end(), "Pyramid.shp") !=
            w->LayoutNames().end());
}

QTEST_MAIN(ReadingTest)
#include "ReadingTest.moc"
