#include "mainwindow/BoardSurface.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

namespace quorin {

BoardSurface::BoardSurface(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFixedSize(704, 468);
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName("Board");
}

void BoardSurface::SetFocusOutline(const QRect& outline) {
    if (outline == outline_)
        return;
    // Both the old outline and the new one, with the width of their pens.
    update(outline_.adjusted(-3, -3, 3, 3));
    outline_ = outline;
    update(outline_.adjusted(-3, -3, 3, 3));
}

void BoardSurface::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect r = event->rect();
    if (buffer_ && !buffer_->isNull())
        painter.drawImage(r.topLeft(), *buffer_, r);
    else
        painter.fillRect(r, Qt::black);
    if (!outline_.isEmpty() && hasFocus()) {
        // Two rings, dark inside light, so that the focus shows on any face and background.
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(QColor(20, 20, 30), 4));
        painter.drawRoundedRect(QRectF(outline_).adjusted(-1, -1, 1, 1), 5, 5);
        painter.setPen(QPen(QColor(255, 215, 64), 2));
        painter.drawRoundedRect(QRectF(outline_).adjusted(-1, -1, 1, 1), 5, 5);
    }
}

void BoardSurface::keyPressEvent(QKeyEvent* event) {
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier) || !onKey ||
        !onKey(event->key()))
        QWidget::keyPressEvent(event);
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
