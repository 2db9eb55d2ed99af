#include "mainwindow/WelcomePanel.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

namespace quorin {

namespace {

QPushButton* Button(const QString& text, const char* name, QWidget* parent) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setCursor(Qt::PointingHandCursor);
    b->setFocusPolicy(Qt::StrongFocus);
    // Enter presses the button the keyboard is on; elsewhere on the panel it plays "Classic".
    b->setAutoDefault(true);
    return b;
}

QGroupBox* Group(const QString& title, QPushButton* a, QPushButton* b, QWidget* parent) {
    auto* box = new QGroupBox(title, parent);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(8, 4, 8, 6);
    row->setSpacing(8);
    row->addWidget(a);
    row->addWidget(b);
    return box;
}

}  // namespace

WelcomePanel::WelcomePanel(QWidget* parent) : QWidget(parent) {
    setObjectName("Welcome");
    setFixedSize(329, 385);
    setStyleSheet(
        "QGroupBox { color: #f3d98b; font: bold 8pt 'Arial'; border: 1px solid #8a7440;"
        " border-radius: 6px; margin-top: 9px; padding-top: 4px; }"
        "QGroupBox::title { subcontrol-origin: margin; left: 10px; padding: 0 4px; }"
        "QPushButton { color: #1b1d33; font: bold 9pt 'Arial'; min-height: 22px;"
        " border: 1px solid #6e5a2c; border-radius: 4px; background: qlineargradient(x1:0,"
        " y1:0, x2:0, y2:1, stop:0 #fff8e4, stop:1 #e3cf9c); }"
        "QPushButton:hover { background: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
        " stop:0 #ffffff, stop:1 #f2dc9f); border-color: #d8a93a; }"
        "QPushButton:pressed { background: #d9c38a; }"
        "QPushButton:focus { border: 2px solid #f0b53c; }"
        "QPushButton:disabled { color: #8b8677; background: #c9c1ab; border-color: #8c826a; }"
        "QLabel { color: #f7f0dc; }");

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(16, 10, 16, 14);
    column->setSpacing(5);

    auto* welcome = new QLabel("Welcome to", this);
    welcome->setAlignment(Qt::AlignCenter);
    welcome->setStyleSheet("font: italic 11pt 'Times New Roman'; color: #e9dcb5;");
    auto* title = new QLabel("Quorin !", this);
    title->setAlignment(Qt::AlignCenter);
    title->setStyleSheet("font: bold italic 24pt 'Times New Roman'; color: #ffd36b;");
    column->addWidget(welcome);
    column->addWidget(title);

    Classic = Button("Classic", "Classic", this);
    Classic->setDefault(true);
    TwoPlayers = Button("Two Players", "TwoPlayers", this);
    RiversEasy = Button("Easy (84 tiles)", "RiversEasy", this);
    RiversHard = Button("Hard (144 tiles)", "RiversHard", this);
    MemoryEasy = Button("Easy (32 tiles)", "MemoryEasy", this);
    MemoryHard = Button("Hard (84 tiles)", "MemoryHard", this);
    ClicksEasy = Button("Easy (4 colors)", "ClicksEasy", this);
    ClicksHard = Button("Hard (6 colors)", "ClicksHard", this);
    column->addWidget(Group("Mah-Jongg Tile-Matching Solitaire", Classic, TwoPlayers, this));
    column->addWidget(Group("Mah-Jongg Rivers", RiversEasy, RiversHard, this));
    column->addWidget(Group("Mah-Jongg Memory", MemoryEasy, MemoryHard, this));
    column->addWidget(Group("Mah-Jongg Clicks", ClicksEasy, ClicksHard, this));

    auto* others = new QGroupBox("Others", this);
    auto* grid = new QHBoxLayout(others);
    grid->setContentsMargins(8, 4, 8, 6);
    grid->setSpacing(6);
    Help = Button("Help", "Help", others);
    Hall = Button("Hall", "Hall", others);
    About = Button("About", "About", others);
    Exit = Button("Exit", "Exit", others);
    for (QPushButton* b : {Help, Hall, About, Exit})
        grid->addWidget(b);
    column->addWidget(others);
    column->addStretch(1);
}

void WelcomePanel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5);
    QLinearGradient fill(r.topLeft(), r.bottomLeft());
    fill.setColorAt(0, QColor(48, 22, 26, 235));
    fill.setColorAt(1, QColor(20, 16, 36, 235));
    QPainterPath path;
    path.addRoundedRect(r, 12, 12);
    p.fillPath(path, fill);
    p.setPen(QPen(QColor(214, 176, 92), 2));
    p.drawPath(path);
    p.setPen(QPen(QColor(214, 176, 92, 90), 1));
    p.drawRoundedRect(r.adjusted(5, 5, -5, -5), 9, 9);
}

void WelcomePanel::keyPressEvent(QKeyEvent* event) {
    // Enter plays the default game, as on a dialog.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (Classic->isEnabled())
            Classic->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace quorin
