// Every question, message and file or colour choice of the main window goes through here,
// so that tests can answer them and the program shows the real dialogs.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>

#include <QColor>
#include <QImage>
#include <QString>

class QDialog;
class QWidget;

namespace quorin {

class THallWindow;

class Dialogs {
  public:
    virtual ~Dialogs() = default;
    // True for OK.
    virtual bool AskOkCancel(QWidget* parent, const QString& caption, const QString& text) = 0;
    virtual void ShowError(QWidget* parent, const QString& text) = 0;
    // The chosen file, or empty when cancelled.
    virtual QString OpenPicture(QWidget* parent, const QString& title, const QString& filter,
                                const QString& folder) = 0;
    // The chosen colour, or nothing when cancelled.
    virtual std::optional<QColor> ChooseColor(QWidget* parent, QColor initial) = 0;
    // The "Board finished !" window, shown modally.
    virtual void ShowGameOver(QWidget* parent, const QString& finalTime, bool enterFame,
                              const QImage& girl) = 0;

    // --- Layout editor ---
    // A plain message with an OK button.
    virtual void ShowMessage(QWidget* parent, const QString& text) = 0;
    // The file to save a layout to, or empty when cancelled. Replacing a file is asked apart.
    virtual QString SaveLayoutFile(QWidget* parent, const QString& title, const QString& filter,
                                   const QString& folder) = 0;
    // True when the existing file may be replaced.
    virtual bool AskReplace(QWidget* parent, const QString& fileName) = 0;
    // The seed window, modal: `seed` follows what the player types.
    // `difficulty` rates the deal of a seed for the window to show.
    virtual void RunSeedWindow(QWidget* parent, int32_t& seed, std::function<int32_t()> randomSeed,
                               std::function<void(const QString&)> reportError,
                               std::function<QString(int32_t)> difficulty) = 0;
    // --- Game over and hall of fame ---
    // True for Yes.
    virtual bool AskYesNo(QWidget* parent, const QString& caption, const QString& text) = 0;
    // A question with two answers of their own; true for the first.
    virtual bool AskChoice(QWidget* parent, const QString& caption, const QString& text,
                           const QString& first, const QString& second) = 0;
    // Shows the hall of fame window modally; it is released by the caller.
    virtual void ShowHall(THallWindow& window) = 0;
    // --- Help window and about box ---
    // Shows one of the game's own windows modally and returns its result.
    virtual int RunModal(QDialog* window) = 0;
    // Hands a web or mail address to the desktop's default handler; does not wait for it.
    virtual void OpenLink(const QString& target) = 0;
};

class QtDialogs : public Dialogs {
  public:
    bool AskOkCancel(QWidget* parent, const QString& caption, const QString& text) override;
    void ShowError(QWidget* parent, const QString& text) override;
    QString OpenPicture(QWidget* parent, const QString& title, const QString& filter,
                        const QString& folder) override;
    std::optional<QColor> ChooseColor(QWidget* parent, QColor initial) override;
    void ShowGameOver(QWidget* parent, const QString& finalTime, bool enterFame,
                      const QImage& girl) override;

    // --- Layout editor ---
    void ShowMessage(QWidget* parent, const QString& text) override;
    QString SaveLayoutFile(QWidget* parent, const QString& title, const QString& filter,
                           const QString& folder) override;
    bool AskReplace(QWidget* parent, const QString& fileName) override;
    void RunSeedWindow(QWidget* parent, int32_t& seed, std::function<int32_t()> randomSeed,
                       std::function<void(const QString&)> reportError,
                       std::function<QString(int32_t)> difficulty) override;
    // --- Game over and hall of fame ---
    bool AskYesNo(QWidget* parent, const QString& caption, const QString& text) override;
    bool AskChoice(QWidget* parent, const QString& caption, const QString& text,
                   const QString& first, const QString& second) override;
    void ShowHall(THallWindow& window) override;
    // --- Help window and about box ---
    int RunModal(QDialog* window) override;
    void OpenLink(const QString& target) override;
};

}  // namespace quorin
