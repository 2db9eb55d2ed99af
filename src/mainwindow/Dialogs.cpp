#include "mainwindow/Dialogs.h"

#include <QColorDialog>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>

#include "halloffame/TGameOverForm.h"
#include "halloffame/THallWindow.h"
#include "layouts/TRandomWindow.h"

namespace quorin {

bool QtDialogs::AskOkCancel(QWidget* parent, const QString& caption, const QString& text) {
    return QMessageBox::question(parent, caption, text, QMessageBox::Ok | QMessageBox::Cancel,
                                 QMessageBox::Ok) == QMessageBox::Ok;
}

void QtDialogs::ShowError(QWidget* parent, const QString& text) {
    QMessageBox::critical(parent, "Quorin", text);
}

QString QtDialogs::OpenPicture(QWidget* parent, const QString& title, const QString& filter,
                               const QString& folder) {
    return QFileDialog::getOpenFileName(parent, title, folder, filter);
}

std::optional<QColor> QtDialogs::ChooseColor(QWidget* parent, QColor initial) {
    const QColor c = QColorDialog::getColor(initial, parent, QString());
    if (!c.isValid())
        return std::nullopt;
    return c;
}

void QtDialogs::ShowGameOver(QWidget* parent, const QString& finalTime, bool enterFame,
                             const QImage& girl) {
    TGameOverForm form(parent);
    form.SetGirl(girl);
    form.SetResult(finalTime, enterFame);
    form.exec();
}

// --- Layout editor ---

void QtDialogs::ShowMessage(QWidget* parent, const QString& text) {
    QMessageBox::information(parent, "Quorin", text);
}

QString QtDialogs::SaveLayoutFile(QWidget* parent, const QString& title, const QString& filter,
                                  const QString& folder) {
    // The replace question is ours, so that it is asked whichever way the name was given.
    return QFileDialog::getSaveFileName(parent, title, folder, filter, nullptr,
                                        QFileDialog::DontConfirmOverwrite);
}

bool QtDialogs::AskReplace(QWidget* parent, const QString& fileName) {
    return QMessageBox::question(
               parent, "Quorin", fileName + " already exists.\nDo you want to replace it?",
               QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
}

void QtDialogs::RunSeedWindow(QWidget* parent, int32_t& seed, std::function<int32_t()> randomSeed,
                              std::function<void(const QString&)> reportError,
                              std::function<QString(int32_t)> difficulty) {
    TRandomWindow window(seed, std::move(randomSeed), std::move(reportError), parent);
    window.SetDifficulty(std::move(difficulty));
    window.exec();
}

// --- Game over and hall of fame ---

bool QtDialogs::AskYesNo(QWidget* parent, const QString& caption, const QString& text) {
    return QMessageBox::question(parent, caption, text, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::Yes) == QMessageBox::Yes;
}

bool QtDialogs::AskChoice(QWidget* parent, const QString& caption, const QString& text,
                          const QString& first, const QString& second) {
    QMessageBox box(QMessageBox::Warning, caption, text, QMessageBox::NoButton, parent);
    QPushButton* yes = box.addButton(first, QMessageBox::AcceptRole);
    QPushButton* no = box.addButton(second, QMessageBox::RejectRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}

void QtDialogs::ShowHall(THallWindow& window) {
    window.exec();
}

// --- Help window and about box ---
int QtDialogs::RunModal(QDialog* window) {
    return window->exec();
}

void QtDialogs::OpenLink(const QString& target) {
    QDesktopServices::openUrl(QUrl(target, QUrl::StrictMode));
}

}  // namespace quorin
