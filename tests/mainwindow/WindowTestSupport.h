// A main window on a temporary program folder, with a clock the test advances and dialogs
// the test answers.
#pragma once

#include <functional>
#include <memory>
#include <optional>

#include <QApplication>
#include <QDir>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "board/Clock.h"
#include "mainwindow/Dialogs.h"
#include "mainwindow/TQuorin.h"
#include "support/FakeClock.h"

namespace quorin {
class TRandomWindow;
}

namespace quorin::test {

class FakeDialogs : public Dialogs {
  public:
    bool AskOkCancel(QWidget*, const QString& caption, const QString& text) override {
        questions << caption + ": " + text;
        return answerOk;
    }
    void ShowError(QWidget*, const QString& text) override { errors << text; }
    QString OpenPicture(QWidget*, const QString& title, const QString&, const QString&) override {
        openTitles << title;
        Opened();
        return pictureAnswers.isEmpty() ? QString() : pictureAnswers.takeFirst();
    }
    std::optional<QColor> ChooseColor(QWidget*, QColor) override {
        Opened();
        return colorAnswer;
    }
    void ShowGameOver(QWidget*, const QString& finalTime, bool enterFame, const QImage&) override {
        gameOvers << finalTime + (enterFame ? " [fame]" : "");
        if (onGameOver)
            onGameOver();
    }
    std::function<void()> onGameOver;  // runs while "Board finished !" is "open"
    // --- Help window and about box ---
    int RunModal(QDialog* window) override {
        modals << window;
        Opened();
        if (onModal)
            onModal(window);
        return 1;
    }
    void OpenLink(const QString& target) override { links << target; }

    // --- Layout editor ---
    void ShowMessage(QWidget*, const QString& text) override { messages << text; }
    QString SaveLayoutFile(QWidget*, const QString& title, const QString&,
                           const QString& folder) override {
        saveTitles << title + " in " + folder;
        return saveAnswers.isEmpty() ? QString() : saveAnswers.takeFirst();
    }
    bool AskReplace(QWidget*, const QString& fileName) override {
        replaceQuestions << fileName;
        return answerReplace;
    }
    // Types `seedTyped` into the seed window, when set, presses "OK" when `seedPressOk`, and
    // closes it by its close box if it is still open.
    void RunSeedWindow(QWidget*, int32_t& seed, std::function<int32_t()> randomSeed,
                       std::function<void(const QString&)> reportError,
                       std::function<QString(int32_t)> difficulty) override;
    std::optional<QString> seedTyped;
    std::function<void(TRandomWindow&)> onSeedWindow;  // looks at the window before it closes
    bool seedNewRandom = false;  // press "New random game seed" before anything is typed
    bool seedPressOk = false;
    bool seedAccepted = false;  // the last seed window closed by "OK"
    int seedWindows = 0;
    QStringList messages, saveTitles, saveAnswers, replaceQuestions;
    bool answerReplace = false;
    // --- Game over and hall of fame ---
    bool AskYesNo(QWidget*, const QString& caption, const QString& text) override {
        questions << caption + ": " + text;
        Opened();
        return answerYes;
    }
    void ShowHall(THallWindow& window) override {
        ++hallsShown;
        if (onHall)
            onHall(window);
    }
    bool AskChoice(QWidget*, const QString& caption, const QString& text, const QString& first,
                   const QString& second) override {
        choices << caption + ": " + text + " [" + first + "|" + second + "]";
        Opened();
        return answerFirst;
    }
    QStringList choices;
    bool answerFirst = true;
    bool answerYes = true;
    int hallsShown = 0;
    std::function<void(THallWindow&)> onHall;  // plays the player's part in the window

    bool answerOk = true;
    QStringList pictureAnswers;
    std::optional<QColor> colorAnswer;
    QStringList questions, errors, openTitles, gameOvers;
    // --- Help window and about box ---
    std::function<void(QDialog*)> onModal;  // runs while the window is "open"
    QList<QDialog*> modals;
    QStringList links;

    // Pause around the game's own windows: a real file or colour dialog takes activation
    // from the main window while it is open; a test sets what happens meanwhile.
    std::function<void()> whileOpen;
    void Opened() {
        if (whileOpen)
            whileOpen();
    }
};

// A copy of the shipped program folder; `ini` becomes its Quorin.ini when given.
class ProgramFolder {
  public:
    explicit ProgramFolder(const QString& ini = QString());
    QString Path() const { return dir_.path(); }
    QString File(const QString& name) const { return dir_.filePath(name); }
    void Write(const QString& name, const QByteArray& content) const;

  private:
    QTemporaryDir dir_;
};

struct Window {
    explicit Window(const ProgramFolder& folder, int screenWidth = 1280);
    // An installed game: the files live where `where` says.
    explicit Window(const FileLocations& where, int screenWidth = 1280);
    ~Window();
    TQuorin& operator*() { return *window; }
    TQuorin* operator->() { return window.get(); }

    // Runs the 50 ms clock `count` times.
    void Tick(int count = 1);
    // A press of `button` on the board at a board pixel, wherever the window shows it.
    void Press(QPoint at, Qt::MouseButton button = Qt::LeftButton);
    // A press in the middle of a tile's face.
    void PressTile(int tile, Qt::MouseButton button = Qt::LeftButton);
    // The pointer moved to the middle of a tile's face.
    void PointAtTile(int tile);
    QString StatusText();

    FakeClock clock;
    FakeDialogs dialogs;
    std::unique_ptr<TQuorin> window;

  private:
    void Show();
};

// The board pixel of the top-left corner of a tile's face.
QPoint FaceAnchor(const GameState& s, int tile);

// The current modal window, once the event loop runs it.
template <typename Act>
void WhenModal(Act act) {
    QTimer::singleShot(0, [act] {
        QWidget* modal = QApplication::activeModalWidget();
        QVERIFY(modal);
        act(modal);
    });
}

}  // namespace quorin::test
