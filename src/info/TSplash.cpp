#include "info/TSplash.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

namespace quorin {

TSplash::TSplash()
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setWindowTitle("Welcome to Quorin...");
    setAttribute(Qt::WA_OpaquePaintEvent);
    image_ = QImage(":/bitmaps/50.bmp");
    if (image_.isNull()) {
        image_ = QImage(261, 136, QImage::Format_RGB32);
        image_.fill(QColor(30, 26, 60));
    }
    setFixedSize(image_.size());
}

void TSplash::ShowNow() {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect s = screen->geometry();
        move(s.x() + (s.width() - width()) / 2, s.y() + (s.height() - height()) / 2);
    }
    show();
    repaint();
}

void TSplash::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, image_);
}

}  // namespace quorin
