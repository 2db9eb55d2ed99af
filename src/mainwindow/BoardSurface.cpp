#include "mainwindow/BoardSurface.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace quorin {

BoardSurface::BoardSurface(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setMinimumSize(kBoardWidth, kBoardHeight);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName("Board");
}

void BoardSurface::Place() {
    const double ratio = devicePixelRatioF();
    viewScale_ =
        std::max(1.0, std::min(width() / double(kBoardWidth), height() / double(kBoardHeight)));
    // On the device's pixel grid, so that the image is copied pixel for pixel.
    const double w = std::lround(kBoardWidth * viewScale_ * ratio) / ratio;
    const double h = std::lround(kBoardHeight * viewScale_ * ratio) / ratio;
    origin_ = QPointF(std::floor((width() - w) / 2 * ratio) / ratio,
                      std::floor((height() - h) / 2 * ratio) / ratio);
    placedRatio_ = ratio;
    if (DeviceScale() != announced_ && onScale) {
        announced_ = DeviceScale();
        onScale(announced_);
    }
}

QPoint BoardSurface::ToWidget(QPoint board) const {
    return (origin_ + QPointF(board) * viewScale_).toPoint();
}

QRect BoardSurface::ToWidget(const QRect& board) const {
    const QPointF a = origin_ + QPointF(board.topLeft()) * viewScale_;
    const QPointF b = origin_ + QPointF(board.right() + 1, board.bottom() + 1) * viewScale_;
    return QRectF(a, b).toAlignedRect();
}

QPoint BoardSurface::ToBoard(QPointF widget) const {
    const QPointF p = (widget - origin_) / viewScale_;
    return {static_cast<int>(std::floor(p.x())), static_cast<int>(std::floor(p.y()))};
}

void BoardSurface::UpdateImageRect(const QRect& image) {
    if (image.isEmpty())
        return;
    const double ratio = devicePixelRatioF();
    const QRectF r(origin_ + QPointF(image.topLeft()) / ratio, QSizeF(image.size()) / ratio);
    update(r.toAlignedRect());
}

void BoardSurface::SetFocusOutline(const QRect& outline) {
    if (outline == outline_)
        return;
    // Both the old outline and the new one, with the width of their pens.
    const int pen = static_cast<int>(std::ceil(3 * viewScale_)) + 1;
    update(ToWidget(outline_).adjusted(-pen, -pen, pen, pen));
    outline_ = outline;
    update(ToWidget(outline_).adjusted(-pen, -pen, pen, pen));
}

void BoardSurface::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Place();
}

void BoardSurface::paintEvent(QPaintEvent* event) {
    // A move to a screen of another pixel ratio shows here first.
    if (placedRatio_ != devicePixelRatioF())
        Place();
    QPainter painter(this);
    const QRect r = event->rect();
    const double ratio = devicePixelRatioF();
    if (buffer_ && !buffer_->isNull()) {
        const QRectF shown(origin_, QSizeF(buffer_->size()) / ratio);
        // The bands beside a board of other proportions than the surface.
        const QRegion around = QRegion(r).subtracted(QRegion(shown.toAlignedRect()));
        for (const QRect& band : around)
            painter.fillRect(band, Qt::black);
        const QRectF wanted = QRectF(r) & shown;
        const QRectF source((wanted.topLeft() - origin_) * ratio, wanted.size() * ratio);
        painter.drawImage(wanted, *buffer_, source);
    } else {
        painter.fillRect(r, Qt::black);
    }
    if (!outline_.isEmpty() && hasFocus()) {
        // Two rings, dark inside light, so that the focus shows on any face and background.
        const QRectF ring = QRectF(ToWidget(outline_)).adjusted(-1, -1, 1, 1);
        const double radius = 5 * viewScale_;
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(QColor(20, 20, 30), 4 * viewScale_));
        painter.drawRoundedRect(ring, radius, radius);
        painter.setPen(QPen(QColor(255, 215, 64), 2 * viewScale_));
        painter.drawRoundedRect(ring, radius, radius);
    }
}

void BoardSurface::keyPressEvent(QKeyEvent* event) {
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier) || !onKey ||
        !onKey(event->key()))
        QWidget::keyPressEvent(event);
}

void BoardSurface::mousePressEvent(QMouseEvent* event) {
    if (onPress)
        onPress(event->button(), ToBoard(event->position()));
}

void BoardSurface::mouseMoveEvent(QMouseEvent* event) {
    if (onMove)
        onMove(ToBoard(event->position()));
}

}  // namespace quorin
