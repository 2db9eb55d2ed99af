#include "layouts/TRandomWindow.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "mainwindow/WindowFit.h"

namespace quorin {

QString NotAnIntegerMessage(const QString& text) {
    return "'" + text + "' is not a valid integer value";
}

TRandomWindow::TRandomWindow(int32_t& seed, std::function<int32_t()> randomSeed,
                             std::function<void(const QString&)> reportError, QWidget* parent)
    : QDialog(parent),
      seed_(seed),
      randomSeed_(std::move(randomSeed)),
      reportError_(std::move(reportError)) {
    setObjectName("random");
    setWindowTitle("New Specific (Seed) Game");
    auto* group = new QGroupBox("Random Seed", this);
    auto* text = new QLabel("Choose a specific game &number (from 1 to 999,999,999)", group);
    RandomSeed = new QLineEdit(group);
    RandomSeed->setObjectName("RandomSeed");
    RandomSeed->setMaxLength(9);
    RandomSeed->setMinimumWidth(140);
    text->setBuddy(RandomSeed);
    BitBtn2 = new QPushButton("New &random game seed", group);
    BitBtn2->setObjectName("BitBtn2");
    BitBtn2->setMinimumHeight(30);
    // Room for the longest message is kept from the start, so the window never jumps.
    SeedProblem = new QLabel(NotAnIntegerMessage("WWWWWWWWW"), group);
    SeedProblem->setObjectName("SeedProblem");
    SeedProblem->setStyleSheet("color: #b00000;");
    SeedProblem->setMinimumSize(SeedProblem->sizeHint());
    SeedProblem->clear();
    Difficulty = new QLabel("Difficulty: cannot be won", group);
    Difficulty->setObjectName("Difficulty");
    Difficulty->setMinimumSize(Difficulty->sizeHint());
    Difficulty->clear();
    rateTimer_ = new QTimer(this);
    rateTimer_->setSingleShot(true);
    rateTimer_->setInterval(200);
    connect(rateTimer_, &QTimer::timeout, this, [this] {
        if (rate_ && !Invalid() && seed_ >= 1)
            Difficulty->setText("Difficulty: " + rate_(seed_));
    });
    BitBtn1 = new QPushButton("&OK", this);
    BitBtn1->setObjectName("BitBtn1");
    BitBtn1->setDefault(true);
    BitBtn1->setMinimumSize(100, 32);

    auto* fields = new QGridLayout(group);
    fields->setContentsMargins(14, 12, 14, 6);
    fields->setHorizontalSpacing(22);
    fields->addWidget(text, 0, 0, 1, 2);
    fields->addWidget(RandomSeed, 1, 0);
    fields->addWidget(BitBtn2, 1, 1);
    fields->addWidget(SeedProblem, 2, 0, 1, 2);
    fields->addWidget(Difficulty, 3, 0, 1, 2);
    fields->setColumnStretch(1, 1);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(10, 8, 10, 10);
    column->addWidget(group);
    column->addWidget(BitBtn1, 0, Qt::AlignHCenter);

    settingText_ = true;
    RandomSeed->setText(QString::number(seed_));
    settingText_ = false;
    connect(RandomSeed, &QLineEdit::textChanged, this, &TRandomWindow::RandomSeedChange);
    connect(BitBtn1, &QPushButton::clicked, this, &TRandomWindow::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TRandomWindow::BitBtn2Click);

    FitToText(this, QSize(396, 172));
    // The number is what the player came to type: it is selected, so typing replaces it.
    RandomSeed->setFocus();
    RandomSeed->selectAll();
}

void TRandomWindow::SetDifficulty(std::function<QString(int32_t)> rate) {
    rate_ = std::move(rate);
    RateLater();
}

void TRandomWindow::RateLater() {
    Difficulty->clear();
    if (rate_)
        rateTimer_->start();
}

bool TRandomWindow::Invalid() const {
    return !SeedProblem->text().isEmpty();
}

QString TRandomWindow::TakeSeed(bool emptyIsWrong) {
    const QString text = RandomSeed->text();
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (ok)
        seed_ = value;
    const QString problem =
        ok || (text.isEmpty() && !emptyIsWrong) ? QString() : NotAnIntegerMessage(text);
    Mark(problem);
    return problem;
}

void TRandomWindow::Mark(const QString& problem) {
    SeedProblem->setText(problem);
    RandomSeed->setStyleSheet(
        problem.isEmpty() ? QString()
                          : "QLineEdit { background: #ffe0e0; border: 1px solid #b00000; }");
}

void TRandomWindow::RandomSeedChange() {
    // A message box at every wrong letter would take the letters that follow: the field
    // says what is wrong, and only "OK" refuses it.
    if (!settingText_) {
        TakeSeed(false);
        RateLater();
    }
}

void TRandomWindow::BitBtn2Click() {
    seed_ = randomSeed_();
    settingText_ = true;
    RandomSeed->setText(QString::number(seed_));
    settingText_ = false;
    Mark(QString());
    RateLater();
}

void TRandomWindow::BitBtn1Click() {
    // A bad text keeps the window open on it; the close box leaves with the last good number.
    const QString problem = TakeSeed(true);
    if (problem.isEmpty()) {
        accept();
        return;
    }
    reportError_(problem);
    RandomSeed->setFocus();
    RandomSeed->selectAll();
}

}  // namespace quorin
