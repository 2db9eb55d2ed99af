// Every window of the game used by the keyboard alone: the mnemonics, the labels that lead to
// their fields, the default button, where the keyboard starts and a Tab order that goes round
// every control; the menus' mnemonics; the layout chooser played and a layout built in the
// editor from the keys only.
#include <algorithm>
#include <functional>
#include <map>

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScopeGuard>
#include <QTabBar>
#include <QTest>
#include <QTimer>

#include "WindowTestSupport.h"
#include "halloffame/TGameOverForm.h"
#include "halloffame/THallWindow.h"
#include "layouts/TChooseLayout.h"
#include "layouts/TExtendedChoose.h"
#include "layouts/TRandomWindow.h"
#include "mainwindow/BoardSurface.h"

using namespace quorin;
using namespace quorin::test;

namespace {

const QString kIni = "[Quorin]\r\nCoolStatus=0\r\nPlayMusic=0\r\nRandomSeed=4242\r\n";

QString Mnemonic(const QString& text) {
    return QKeySequence::mnemonic(text).toString();
}

bool Shown(const QWidget* w, const QWidget* window) {
    return w->isVisibleTo(window) && w->isEnabled() && w->window() == window;
}

// A control Tab stops at: the widget itself, not one that hands its focus to another.
bool TabStop(const QWidget* w, const QWidget* window) {
    return Shown(w, window) && (w->focusPolicy() & Qt::TabFocus) && !w->focusProxy();
}

QString Name(const QWidget* w) {
    if (!w)
        return "nothing";
    if (auto* b = qobject_cast<const QAbstractButton*>(w); b && !b->text().isEmpty())
        return "\"" + b->text() + "\"";
    return w->objectName().isEmpty() ? w->metaObject()->className() : w->objectName();
}

// What keeps `window` from being used by the keyboard alone, one line a problem. The window
// is open and active; `firstFocus` names the control the keyboard should start on.
QStringList KeyboardProblems(QWidget* window, const QString& firstFocus) {
    QStringList problems;
    std::map<QString, QStringList> owners;  // mnemonic -> what it presses
    QList<QWidget*> stops;
    const QList<QWidget*> all = window->findChildren<QWidget*>();
    auto labelled = [&](const QWidget* field) {
        for (QWidget* w : all)
            if (auto* label = qobject_cast<QLabel*>(w); label && label->buddy() == field &&
                                                        Shown(label, window) &&
                                                        !Mnemonic(label->text()).isEmpty())
                return true;
        for (const QWidget* p = field->parentWidget(); p && p != window; p = p->parentWidget())
            if (auto* group = qobject_cast<const QGroupBox*>(p);
                group && !Mnemonic(group->title()).isEmpty())
                return true;
        return false;
    };
    bool hasDefault = false;
    for (QWidget* w : all) {
        if (!Shown(w, window))
            continue;
        if (TabStop(w, window))
            stops << w;
        if (auto* b = qobject_cast<QAbstractButton*>(w); b && (b->focusPolicy() & Qt::TabFocus)) {
            if (Mnemonic(b->text()).isEmpty())
                problems << Name(b) + " has no mnemonic";
            else
                owners[Mnemonic(b->text())] << Name(b);
        }
        if (auto* p = qobject_cast<QPushButton*>(w); p && qobject_cast<QDialog*>(window)) {
            hasDefault |= p->isDefault();
            if (!p->autoDefault())
                problems << Name(p) + ": Enter on it would press the default button instead";
        }
        if (auto* l = qobject_cast<QLabel*>(w); l && l->buddy() && !Mnemonic(l->text()).isEmpty())
            owners[Mnemonic(l->text())] << "label " + Name(l->buddy());
        if (auto* g = qobject_cast<QGroupBox*>(w); g && !Mnemonic(g->title()).isEmpty())
            owners[Mnemonic(g->title())] << "group " + g->title();
        if (auto* tabs = qobject_cast<QTabBar*>(w))
            for (int i = 0; i < tabs->count(); ++i)
                owners[Mnemonic(tabs->tabText(i))] << "tab " + tabs->tabText(i);
        const bool inner = qobject_cast<QComboBox*>(w->parentWidget()) ||
                           qobject_cast<QAbstractSpinBox*>(w->parentWidget());
        if ((qobject_cast<QLineEdit*>(w) && !inner) || qobject_cast<QAbstractSpinBox*>(w) ||
            qobject_cast<QComboBox*>(w))
            if (!labelled(w))
                problems << Name(w) + " has no label with a mnemonic leading to it";
    }
    if (auto* main = qobject_cast<QMainWindow*>(window))
        for (QAction* a : main->menuBar()->actions())
            if (a->isVisible())
                owners[Mnemonic(a->text())] << "menu " + a->text();
    for (const auto& [key, what] : owners)
        if (key.isEmpty() || what.size() > 1)
            problems << (key.isEmpty() ? "no mnemonic: " : key + " is shared: ") + what.join(", ");
    if (qobject_cast<QDialog*>(window) && !hasDefault)
        problems << "no default button";

    QWidget* start = QApplication::focusWidget();
    if (!start || start->objectName() != firstFocus)
        problems << "the keyboard starts on " + Name(start) + ", not on " + firstFocus;
    // Round the chain: every stop once, then back where it started.
    QList<QWidget*> visited;
    for (int i = 0; i < stops.size() && start; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget();
    }
    for (QWidget* w : stops)
        if (!visited.contains(w))
            problems << "Tab never reaches " + Name(w);
    if (start && QApplication::focusWidget() != start) {
        QStringList path;
        for (QWidget* w : visited)
            path << Name(w);
        problems << "Tab does not come back to " + Name(start) + ": " + path.join(" > ");
    }
    return problems;
}

// Shows the window, as the fakes answering for the real dialogs do not, and checks it.
void Check(QWidget* window, const QString& firstFocus) {
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    // The focus follows the activation once the events of the change are delivered.
    QTRY_VERIFY_WITH_TIMEOUT(
        QApplication::focusWidget() && QApplication::focusWidget()->window() == window, 2000);
    const QStringList problems = KeyboardProblems(window, firstFocus);
    QVERIFY2(problems.isEmpty(), qPrintable(window->windowTitle() + ": " + problems.join("; ")));
}

}  // namespace

class KeyboardTest : public QObject {
    Q_OBJECT
  private slots:
    void EveryWindowWorksFromTheKeyboard_data();
    void EveryWindowWorksFromTheKeyboard();
    void EveryMenuEntryHasItsOwnMnemonic();
    void TheChooserPlaysAFavouriteFromTheKeysAlone();
    void TheEditorBuildsALayoutFromTheKeysAlone();
};

using Opener = std::function<void(Window&, const QString& firstFocus)>;
Q_DECLARE_METATYPE(Opener)

void KeyboardTest::EveryWindowWorksFromTheKeyboard_data() {
    QTest::addColumn<Opener>("open");
    QTest::addColumn<QString>("firstFocus");
    auto modalFrom = [](const char* action) {
        return [action](Window& w, const QString& first) {
            w.dialogs.onModal = [first](QDialog* d) {
                Check(d, first);
                d->hide();
            };
            w->Action(action)->trigger();
            QCOMPARE(w.dialogs.modals.size(), 1);
        };
    };
    QTest::newRow("seed window") << Opener([](Window& w, const QString& first) {
        w.dialogs.onSeedWindow = [first](TRandomWindow& seed) { Check(&seed, first); };
        w->Action("NewSpecificGame1")->trigger();
        QCOMPARE(w.dialogs.seedWindows, 1);
    }) << "RandomSeed";
    QTest::newRow("layout chooser") << Opener([](Window& w, const QString& first) {
        bool seen = false;
        WhenModal([&](QWidget* chooser) {
            Check(chooser, first);
            seen = true;
            static_cast<QDialog*>(chooser)->reject();
        });
        w->Action("SelectLayout1")->trigger();
        QVERIFY(seen);
    }) << "LayoutList";
    QTest::newRow("large chooser") << Opener([](Window& w, const QString& first) {
        bool seen = false;
        WhenModal([&](QWidget* chooser) {
            WhenModal([&](QWidget* large) {
                Check(large, first);
                seen = true;
                static_cast<QDialog*>(large)->reject();
            });
            static_cast<TChooseLayout*>(chooser)->BitBtn5->click();
        });
        w->Action("SelectLayout1")->trigger();
        QVERIFY(seen);
    }) << "ScrollContent";
    QTest::newRow("hall of fame") << Opener([](Window& w, const QString& first) {
        w.dialogs.onHall = [first](THallWindow& hall) { Check(&hall, first); };
        w->Action("HallOfFame1")->trigger();
        QCOMPARE(w.dialogs.hallsShown, 1);
    }) << "LayoutComboBox";
    QTest::newRow("help") << Opener(modalFrom("Contents1")) << "RichEdit";
    QTest::newRow("tiles help") << Opener(modalFrom("ViewTiles1")) << "qt_tabwidget_tabbar";
    QTest::newRow("about box") << Opener(modalFrom("About1")) << "BitBtn1";
    QTest::newRow("game over") << Opener([](Window& w, const QString& first) {
        TGameOverForm form(w.window.get());
        form.SetResult("Your final time is 03:25", true);
        Check(&form, first);
    }) << "Thanks";
    QTest::newRow("layout editor") << Opener([](Window& w, const QString& first) {
        w->Action("CreateLayout1")->trigger();
        w->EditorName()->setFocus();
        Check(w.window.get(), first);
    }) << "Edit1";
}

void KeyboardTest::EveryWindowWorksFromTheKeyboard() {
    QFETCH(Opener, open);
    QFETCH(QString, firstFocus);
    ProgramFolder folder(kIni);
    Window w(folder);
    open(w, firstFocus);
}

void KeyboardTest::EveryMenuEntryHasItsOwnMnemonic() {
    ProgramFolder folder(kIni);
    Window w(folder);
    QStringList problems;
    // The layouts' and the pieces' entries are named by their files and go by the arrows.
    for (QAction* top : w->menuBar()->actions()) {
        std::map<QString, QString> taken;
        for (QAction* a : top->menu()->actions()) {
            if (a->isSeparator() || !a->isVisible() || a->objectName().isEmpty())
                continue;
            const QString key = Mnemonic(a->text());
            if (key.isEmpty())
                problems << top->text() + " > " + a->text() + " has no mnemonic";
            else if (taken.contains(key))
                problems << top->text() + ": " + key + " is both " + taken[key] + " and " +
                                a->text();
            taken[key] = a->text();
        }
    }
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join("; ")));
}

void KeyboardTest::TheChooserPlaysAFavouriteFromTheKeysAlone() {
    ProgramFolder folder(kIni);
    Window w(folder);
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w.window.get()));
    const int spiral =
        static_cast<int>(std::find(w->LayoutNames().begin() + 1, w->LayoutNames().end(), "Spiral") -
                         w->LayoutNames().begin());
    QVERIFY(spiral < static_cast<int>(w->LayoutNames().size()));

    bool driven = false;
    WhenModal([&](QWidget* chooser) {
        auto* c = static_cast<TChooseLayout*>(chooser);
        const auto leave = qScopeGuard([c] {
            if (c->isVisible())
                c->reject();  // a failed check must not leave the test waiting
        });
        QTRY_COMPARE(QApplication::focusWidget(), c->LayoutList);
        // Arrows to Spiral, Insert makes it a favourite; Tab goes past the buttons to the
        // favourites, where Enter plays the one under the keyboard.
        for (int row = 1; row < spiral; ++row)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QCOMPARE(c->LayoutList->currentItem()->text(), QString("Spiral"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Insert);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F, Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget(), c->FaveLayouts);
        QCOMPARE(c->FaveLayouts->currentItem()->text(), QString("Spiral"));
        // Up and back down: the arrows work here too.
        QTest::keyClick(c->FaveLayouts, Qt::Key_Down);
        QTest::keyClick(c->FaveLayouts, Qt::Key_Up);
        driven = true;
        QTest::keyClick(c->FaveLayouts, Qt::Key_Return);
    });
    // The Layout menu by its mnemonic, "Select Layout" by its own.
    QTest::keyClick(w.window.get(), Qt::Key_L, Qt::AltModifier);
    QTRY_VERIFY(QApplication::activePopupWidget());
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_S);
    QVERIFY(driven);
    QCOMPARE(w->State().CurrentLayout, spiral);
    QFile favourites(folder.File("Favelay.ini"));
    QVERIFY(favourites.open(QIODevice::ReadOnly));
    QCOMPARE(favourites.readAll(), QByteArray("Spiral\r\nTraditional\r\n"));
}

void KeyboardTest::TheEditorBuildsALayoutFromTheKeysAlone() {
    ProgramFolder folder(kIni);
    Window w(folder);
    w->Action("CreateLayout1")->trigger();
    const GameState& s = w->State();
    BoardSurface* board = w->GameImage();
    auto press = [board](std::initializer_list<Qt::Key> keys) {
        for (Qt::Key key : keys)
            QTest::keyClick(board, key);
    };
    auto tilesLeft = [&w] { return w->EditorTilesLabel()->text().toInt(); };
    // The aim starts in the middle of the board, outlined, with the ghost on it.
    const QRect middle = board->FocusOutline();
    QVERIFY(!middle.isEmpty());
    QCOMPARE(w->GhostLayer(), 0);
    press({Qt::Key_Return, Qt::Key_Space});  // one position and another on top of it
    QCOMPARE(s.layout.At(18, 11, 2), 1);
    // Beside them nothing can go: no ghost, but the outline is there.
    press({Qt::Key_Left});
    QCOMPARE(w->GhostLayer(), -1);
    QCOMPARE(board->FocusOutline(), middle.translated(-20, 0));
    QCOMPARE(board->accessibleDescription(),
             QString("Column 17, row 11: empty; no position can go here. 142 positions left to "
                     "place."));
    press({Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Return, Qt::Key_Down, Qt::Key_Down,
           Qt::Key_Return, Qt::Key_Up, Qt::Key_Up, Qt::Key_Left, Qt::Key_Left, Qt::Key_Delete});
    QCOMPARE(tilesLeft(), 141);
    QCOMPARE(s.layout.PositionCount(), 3);
    for (const TilePosition& p : {TilePosition{18, 11, 1}, {20, 11, 1}, {20, 13, 1}})
        QVERIFY(s.layout.At(p.x, p.y, p.layer) == 1 && s.board.Cell(p.x, p.y, p.layer) > 0);
    QCOMPARE(s.board.Cell(18, 11, 2), 0);
    QCOMPARE(board->accessibleDescription(),
             QString("Column 18, row 11: a position on layer 1; the next one goes here on layer "
                     "2. 141 positions left to place."));

    // The pointer takes the aim along; after it the first key only brings the ghost back.
    w->FormMouseMove({20 * 10 - 34 + s.BoardOriginX, 25 * 5 - 56 + s.BoardOriginY});
    QVERIFY(board->FocusOutline().isEmpty());
    press({Qt::Key_Return, Qt::Key_Right, Qt::Key_Return});
    QCOMPARE(tilesLeft(), 140);
    QCOMPARE(s.layout.At(11, 5, 1), 1);
}

QTEST_MAIN(KeyboardTest)
#include "KeyboardTest.moc"
