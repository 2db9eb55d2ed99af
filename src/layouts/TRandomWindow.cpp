#include "layouts/TRandomWindow.h"

#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

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
    setFixedSize(396, 172);
    auto* group = new QGroupBox("Random Seed", this);
    group->setGeometry(10, 8, 376, 112);
    auto* text = new QLabel("Choose a specific game number (from 1 to 999,999,999)", group);
    text->setGeometry(14, 24, 350, 20);
    RandomSeed = new QLineEdit(group);
    RandomSeed->setObjectName("RandomSeed");
    RandomSeed->setMaxLength(9);
    RandomSeed->setGeometry(14, 56, 140, 26);
    BitBtn2 = new QPushButton("New random game seed", group);
    BitBtn2->setObjectName("BitBtn2");
    BitBtn2->setAutoDefault(false);
    BitBtn2->setGeometry(176, 54, 184, 30);
    BitBtn1 = new QPushButton("OK", this);
    BitBtn1->setObjectName("BitBtn1");
    BitBtn1->setDefault(true);
    BitBtn1->setGeometry(148, 130, 100, 32);

    settingText_ = true;
    RandomSeed->setText(QString::number(seed_));
    settingText_ = false;
    connect(RandomSeed, &QLineEdit::textChanged, this, &TRandomWindow::RandomSeedChange);
    connect(BitBtn1, &QPushButton::clicked, this, &TRandomWindow::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TRandomWindow::BitBtn2Click);

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect a = screen->availableGeometry();
        move(a.center() - rect().center());
    }
}

bool TRandomWindow::TakeSeed(bool reportEmpty) {
    const QString text = RandomSeed->text();
    if (text.isEmpty() && !reportEmpty)
        return true;
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok) {
        reportError_(NotAnIntegerMessage(text));
        return false;
    }
    seed_ = value;
    return true;
}

void TRandomWindow::RandomSeedChange() {
    if (!settingText_)
        TakeSeed(false);
}

void TRandomWindow::BitBtn2Click() {
    seed_ = randomSeed_();
    settingText_ = true;
    RandomSeed->setText(QString::number(seed_));
    settingText_ = false;
}

void TRandomWindow::BitBtn1Click() {
    // The window closes whatever the field holds; a bad text keeps the last good number.
    TakeSeed(true);
    accept();
}

}  // namespace quorin
