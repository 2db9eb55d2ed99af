#include "layouts/TExtendedChoose.h"

#include <algorithm>

#include <QEvent>
#include <QGuiApplication>
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
    auto* content = new QWidget;
    content->setObjectName("ScrollContent");
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
    ScrollBox->setWidget(content);
    ScrollBox->verticalScrollBar()->setTracking(true);

    BitBtn2 = new QPushButton("<< Reduce", this);
    BitBtn2->setObjectName("BitBtn2");
    BitBtn2->setDefault(true);
    BitBtn2->setGeometry(408, 370, 104, 30);
    BitBtn1 = new QPushButton("Cancel", this);
    BitBtn1->setObjectName("BitBtn1");
    BitBtn1->setAutoDefault(false);
    BitBtn1->setGeometry(518, 370, 104, 30);
    connect(BitBtn2, &QPushButton::clicked, this, [this] { done(kReduce); });
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::reject);

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

bool TExtendedChoose::eventFilter(QObject* watched, QEvent* event) {
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

}  // namespace quorin
