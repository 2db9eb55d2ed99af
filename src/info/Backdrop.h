// A panel that paints a picture stretched over itself, with an optional picture drawn
// unscaled above it (the tile gallery).
#pragma once

#include <QImage>
#include <QPainter>
#include <QWidget>

namespace quorin {

class Backdrop : public QWidget {
  public:
    explicit Backdrop(QWidget* parent = nullptr) : QWidget(parent) {}
    void SetPicture(const QImage* picture) {
        picture_ = picture;
        update();
    }
    void SetOverlay(const QImage* overlay, QPoint at) {
        overlay_ = overlay;
        overlayAt_ = at;
        update();
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        if (picture_ && !picture_->isNull())
            p.drawImage(rect(), *picture_);
        else
            p.fillRect(rect(), QColor(0xf4, 0xc0, 0x80));
        if (overlay_)
            p.drawImage(overlayAt_, *overlay_);
    }

  private:
    const QImage* picture_ = nullptr;
    const QImage* overlay_ = nullptr;
    QPoint overlayAt_;
};

}  // namespace quorin
