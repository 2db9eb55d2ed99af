// A main window on a temporary program folder, with a clock the test advances and dialogs
// the test answers.
#pragma once

#include <memory>
#include <optional>

#include <QDir>
#include <QStringList>
#include <QTemporaryDir>

#include "board/Clock.h"
#include "mainwindow/Dialogs.h"
#include "mainwindow/TQuorin.h"
#include "support/FakeClock.h"

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
        return pictureAnswers.isEmpty() ? QString() : pictureAnswers.takeFirst();
    }
    std::optional<QColor> ChooseColor(QWidget*, QColor) override { return colorAnswer; }
    void ShowGameOver(QWidget*, const QString& finalTime, bool enterFame, const QImage&) override {
        gameOvers << finalTime + (enterFame ? " [fame]" : "");
    }

    // --- Rivers, Memory and Clicks ---
    bool AskYesNo(QWidget*, const QString& caption, const QString& text) override {
        questions << caption + ": " + text;
        return answerYes;
    }
    bool answerYes = true;

    bool answerOk = true;
    QStringList pictureAnswers;
    std::optional<QColor> colorAnswer;
    QStringList questions, errors, openTitles, gameOvers;
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
    ~Window();
    TQuorin& operator*() { return *window; }
    TQuorin* operator->() { return window.get(); }

    // Runs the 50 ms clock `count` times.
    void Tick(int count = 1);
    // A press of `button` on the board image at a window pixel.
    void Press(QPoint at, Qt::MouseButton button = Qt::LeftButton);
    // A press in the middle of a tile's face.
    void PressTile(int tile, Qt::MouseButton button = Qt::LeftButton);
    QString StatusText();

    FakeClock clock;
    FakeDialogs dialogs;
    std::unique_ptr<TQuorin> window;
};

}  // namespace quorin::test
