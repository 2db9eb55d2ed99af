#include "layouts/TExtendedChoose.h"

#include <algorithm>

#include <QEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>

namespace quorin {

TExtendedChoose::TExtendedChoose(const std::vector<QImage>& miniatures, int layoutCount,
                                 QWidget* parent)
    : QDialog(parent) {
    setObjectName("extended");
    setWindowTitle("Choose a Layout");
    setFixedSize(632, 406);
    ScrollBox = new QScrollArea(this);
    ScrollBox->setObjectName("ScrollBox");
    ScrollBox->setGeometry(0, 0, 632, 364);
    ScrollBox->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ScrollBox->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    ScrollBox->setStyleSheet("QScrollArea, #ScrollContent { background: black; }");
    ScrollBox->setFocusPolicy(Qt::NoFocus);
    auto* content = new QWidget;
    content->setObjectName("ScrollContent");
    content->setFocusPolicy(Qt::StrongFocus);
    content->installEventFilter(this);
    content_ = content;
    const int rows = (std::max(layoutCount, 1) - 1) / 3;
    content->setFixedSize(3 * 202 + 4, rows * 139 + 139);
    const int shown = std::min({static_cast<int>(miniatures.size()), layoutCount, kMostShown});
    for (int i = 0; i < shown; ++i) {
        auto* picture = new QLabel(content);
        picture->setGeometry((i % 3) * 202, (i / 3) * 138, 206, 138);
        picture->setPixmap(QPixmap::fromImage(miniatures[static_cast<size_t>(i)]));
        picture->setProperty("tag", i);
        picture->setCursor(Qt::PointingHandCursor);
        picture->installEventFilter(this);
        Pictures.push_back(picture);
    }
    outline_ = new QWidget(content);
    outline_->setObjectName("CurrentOutline");
    outline_->setAttribute(Qt::WA_TransparentForMouseEvents);
    outline_->setAttribute(Qt::WA_StyledBackground);
    outline_->setStyleSheet(
        "#CurrentOutline { border: 3px solid #f0b53c; background: transparent; }");
    outline_->hide();
    ScrollBox->setWidget(content);
    ScrollBox->verticalScrollBar()->setTracking(true);

    BitBtn2 = new QPushButton("<< &Reduce", this);
    BitBtn2->setObjectName("BitBtn2");
    BitBtn2->setDefault(true);
    BitBtn2->setGeometry(408, 370, 104, 30);
    BitBtn1 = new QPushButton("&Cancel", this);
    BitBtn1->setObjectName("BitBtn1");
    BitBtn1->setGeometry(518, 370, 104, 30);
    connect(BitBtn2, &QPushButton::clicked, this, [this] { done(kReduce); });
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::reject);
    setTabOrder(content_, BitBtn2);
    setTabOrder(BitBtn2, BitBtn1);
    if (!Pictures.empty())
        content_->setFocus();
    else
        content_->setFocusPolicy(Qt::NoFocus);

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

bool TExtendedChoose::eventFilter(QObject* watched, QEvent* event) {
    if (watched == content_) {
        if (event->type() == QEvent::KeyPress)
            return MiniaturesKey(static_cast<QKeyEvent*>(event)->key());
        if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)
            ShowCurrent();
        return QDialog::eventFilter(watched, event);
    }
    if (event->type() == QEvent::MouseButtonRelease) {
        const QVariant tag = watched->property("tag");
        if (tag.isValid()) {
            ScrollClick(tag.toInt());
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TExtendedChoose::ScrollClick(int tag) {
    selected_ = tag;
    accept();
}

bool TExtendedChoose::MiniaturesKey(int key) {
    const int count = static_cast<int>(Pictures.size());
    if (count == 0)
        return false;
    constexpr int kPerRow = 3;
    constexpr int kRowsPerPage = 2;
    int next = current_;
    switch (key) {
        case Qt::Key_Left:
            next -= 1;
            break;
        case Qt::Key_Right:
            next += 1;
            break;
        case Qt::Key_Up:
            next -= kPerRow;
            break;
        case Qt::Key_Down:
            next += kPerRow;
            break;
        case Qt::Key_PageUp:
            next -= kPerRow * kRowsPerPage;
            break;
        case Qt::Key_PageDown:
            next += kPerRow * kRowsPerPage;
            break;
        case Qt::Key_Home:
            next = 0;
            break;
        case Qt::Key_End:
            next = count - 1;
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            ScrollClick(current_);
            return true;
        default:
            return false;  // Tab, Escape and the mnemonics go on to the window
    }
    current_ = std::clamp(next, 0, count - 1);
    ShowCurrent();
    return true;
}

void TExtendedChoose::ShowCurrent() {
    if (Pictures.empty() || !content_->hasFocus()) {
        outline_->hide();
        return;
    }
    QLabel* picture = Pictures[static_cast<size_t>(current_)];
    outline_->setGeometry(picture->geometry());
    outline_->raise();
    outline_->show();
    ScrollBox->ensureWidgetVisible(picture, 0, 0);
}

}  // namespace quorin
