#include "halloffame/TGameOverForm.h"

#include <QHBoxLayout>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include "mainwindow/WindowFit.h"

namespace quorin {

namespace {
constexpr QSize kDrawnSize(346, 188);
}

TGameOverForm::TGameOverForm(QWidget* parent) : QDialog(parent) {
    setWindowTitle("Board finished !");
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    setStyleSheet("QDialog { background: #f4ead2; }");

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(8, 8, 12, 10);
    girl_ = new QLabel(this);
    girl_->setFixedSize(92, 166);
    row->addWidget(girl_);

    auto* column = new QVBoxLayout;
    auto* congratulations = new QLabel("Congratulations !", this);
    congratulations->setStyleSheet("font: italic 18pt 'Times New Roman'; color: maroon;");
    auto* finished = new QLabel("You finished the board...", this);
    finished->setStyleSheet("font: 10pt 'Arial'; color: navy;");
    EnterFame = new QLabel("And you enter the Hall of Fame !", this);
    EnterFame->setStyleSheet("font: bold 10pt 'Arial'; color: #006000;");
    EnterFame->setVisible(false);
    FinalTime = new QLabel("Your final time is 00:00", this);
    FinalTime->setStyleSheet("font: bold italic 11pt 'Arial'; color: purple;");
    auto* thanks = new QPushButton("&Thank you !", this);
    thanks->setObjectName("Thanks");
    thanks->setDefault(true);
    connect(thanks, &QPushButton::clicked, this, &QDialog::accept);

    column->addWidget(congratulations);
    column->addWidget(finished);
    column->addSpacing(6);
    column->addWidget(FinalTime);
    column->addWidget(EnterFame);
    column->addStretch(1);
    column->addWidget(thanks, 0, Qt::AlignRight);
    row->addLayout(column, 1);
    FitToText(this, kDrawnSize);
}

void TGameOverForm::SetGirl(const QImage& picture) {
    girl_->setPixmap(QPixmap::fromImage(picture));
}

void TGameOverForm::SetResult(const QString& finalTime, bool enterFame) {
    FinalTime->setText(finalTime);
    EnterFame->setVisible(enterFame);
    // A verdict is longer than the design text, and the fonts at hand may be wider.
    FitToText(this, kDrawnSize);
}

}  // namespace quorin
