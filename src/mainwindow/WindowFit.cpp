#include "mainwindow/WindowFit.h"

#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <QWidget>

namespace quorin {

void FitToText(QWidget* window, QSize least) {
    // Style sheets set the fonts, so the sizes are only known once they are applied.
    window->ensurePolished();
    if (QLayout* layout = window->layout()) {
        layout->invalidate();
        layout->activate();
    }
    window->setFixedSize(window->sizeHint().expandedTo(least));
    CentreOnScreen(window);
}

void CentreOnScreen(QWidget* window) {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect s = screen->availableGeometry();
        window->move(s.x() + (s.width() - window->width()) / 2,
                     s.y() + (s.height() - window->height()) / 2);
    }
}

}  // namespace quorin
