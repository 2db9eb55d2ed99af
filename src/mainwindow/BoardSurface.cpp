#include "mainwindow/BoardSurface.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

namespace quorin {

BoardSurface::BoardSurface(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFixedSize(704, 468);
}

void BoardSurface::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect r = event->rect();
    if (buffer_ && !buffer_->isNull())
        painter.drawImage(r.topLeft(), *buffer_, r);
    else
        painter.fillRect(r, Qt::black);
}

void BoardSurface::mousePressEvent(QMouseEvent* event) {
    if (onPress)
        onPress(event->button(), event->position().toPoint());
}

void BoardSurface::mouseMoveEvent(QMouseEvent* event) {
    if (onMove)
        onMove(event->position().toPoint());
}

}  // namespace quorin
