#include "mainwindow/Dialogs.h"

#include <QColorDialog>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QUrl>

#include "halloffame/TGameOverForm.h"

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
    form.FinalTime->setText(finalTime);
    form.EnterFame->setVisible(enterFame);
    form.exec();
}

// --- Help window and about box ---
int QtDialogs::RunModal(QDialog* window) {
    return window->exec();
}

void QtDialogs::OpenLink(const QString& target) {
    QDesktopServices::openUrl(QUrl(target, QUrl::StrictMode));
}

}  // namespace quorin
