#include "mainwindow/StatusLine.h"

#include <QEvent>
#include <QHBoxLayout>

namespace quorin {

namespace {

QLabel* Caption(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName("caption");
    label->setAlignment(Qt::AlignCenter);
    return label;
}

QLabel* Value(int width, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName("value");
    label->setFixedWidth(width);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

}  // namespace

StatusLine::StatusLine(QWidget* parent) : QWidget(parent) {
    setObjectName("LigneStatus");
    setFixedHeight(25);
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(
        "#LigneStatus { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #3a3f52,"
        " stop:1 #1e2130); border-top: 1px solid #6b6f85; }"
        "QLabel { color: #e8e4d8; font: bold 9pt 'Arial'; }"
        "QLabel#caption { color: #c9b27c; padding: 0 4px; }"
        "QLabel#value { background: #12141d; border: 1px solid #555a70; border-radius: 3px;"
        " color: #8ff0ff; }"
        "QLabel#status { background: #12141d; border: 1px solid #555a70; border-radius: 3px;"
        " color: #ffe9a8; padding-left: 6px; }");
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(4, 3, 4, 3);
    row->setSpacing(3);

    row->addWidget(Caption("Tiles", this));
    TilesLeftLine = Value(40, this);
    row->addWidget(TilesLeftLine);
    movesLeftPanel_ = Caption("Moves left", this);
    movesLeftPanel_->setCursor(Qt::PointingHandCursor);
    movesLeftPanel_->installEventFilter(this);
    row->addWidget(movesLeftPanel_);
    MovesLeftLine = Value(40, this);
    row->addWidget(MovesLeftLine);
    timePanel_ = Caption("Time", this);
    timePanel_->setCursor(Qt::PointingHandCursor);
    timePanel_->installEventFilter(this);
    row->addWidget(timePanel_);
    TimeLine = Value(56, this);
    row->addWidget(TimeLine);
    row->addWidget(Caption("Winnable", this));
    WinnableLine = Value(34, this);
    row->addWidget(WinnableLine);
    row->addWidget(Caption("Status", this));
    StatusText = new QLabel(this);
    StatusText->setObjectName("status");
    StatusText->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    StatusText->setTextFormat(Qt::PlainText);
    StatusText->setMinimumWidth(60);
    row->addWidget(StatusText, 1);
}

bool StatusLine::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        if (watched == movesLeftPanel_ && onMovesPanelClicked)
            onMovesPanelClicked();
        if (watched == timePanel_ && onTimePanelClicked)
            onTimePanelClicked();
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace quorin
