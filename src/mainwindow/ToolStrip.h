// The toolbar's strip. Its style sheet draws the border and the buttons; the "Cool Toolbar"
// wallpaper it lays itself, repeated from the picture drawn for the screen's pixel ratio: a
// style sheet's url() would enlarge the base picture on a finer screen.
#pragma once

#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QString>
#include <QWidget>

#include "mainwindow/FinerResources.h"

namespace quorin {

class ToolStrip : public QWidget {
    Q_OBJECT
  public:
    explicit ToolStrip(QWidget* parent = nullptr) : QWidget(parent) {}

    // A picture of the resources (":/bitmaps/NAME.bmp", with its finer versions beside it),
    // or an empty path for none.
    void SetWallpaper(const QString& path) {
        path_ = path;
        wallpaper_ = {};
        update();
    }
    // As drawn for the ratio of the screen the strip was last painted on; null for none.
    const QPixmap& Wallpaper() const { return wallpaper_; }

  protected:
    void paintEvent(QPaintEvent*) override {
        if (path_.isEmpty())
            return;
        // Made again when the window has moved to a screen of another ratio.
        const double ratio = devicePixelRatioF();
        if (wallpaper_.isNull() || wallpaper_.devicePixelRatio() != ratio)
            wallpaper_ = QPixmap::fromImage(AtRatio(FinestResource(path_, ratio), ratio));
        QPainter p(this);
        // Above the bottom border, which the style sheet draws.
        p.drawTiledPixmap(rect().adjusted(0, 0, 0, -1), wallpaper_);
    }

  private:
    QString path_;
    QPixmap wallpaper_;
};

}  // namespace quorin
