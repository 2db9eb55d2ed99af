// A widget that shows a picture kept elsewhere (the side panel `HofBox`), composed at the
// widget's device pixel ratio so that it is copied pixel for pixel.
#pragma once

#include <QImage>
#include <QPainter>
#include <QWidget>

#include <functional>

namespace quorin {

class ImageBox : public QWidget {
    Q_OBJECT
  public:
    explicit ImageBox(QWidget* parent = nullptr) : QWidget(parent) {
        setAttribute(Qt::WA_OpaquePaintEvent);
    }
    void SetImage(const QImage* image) { image_ = image; }
    // Asked to compose the picture again when it was made for a screen of another pixel
    // ratio than the one the widget is on now (the window moved to another screen).
    std::function<void(double ratio)> onRatio;

  protected:
    void paintEvent(QPaintEvent*) override {
        const double ratio = devicePixelRatioF();
        if (image_ && onRatio && !image_->isNull() && image_->devicePixelRatio() != ratio)
            onRatio(ratio);
        QPainter p(this);
        if (image_)
            p.drawImage(QPointF(0, 0), *image_);
        else
            p.fillRect(rect(), Qt::black);
    }

  private:
    const QImage* image_ = nullptr;
};

}  // namespace quorin
