// A widget that shows a picture kept elsewhere (the side panel `HofBox`).
#pragma once

#include <QImage>
#include <QPainter>
#include <QWidget>

namespace quorin {

class ImageBox : public QWidget {
    Q_OBJECT
  public:
    explicit ImageBox(QWidget* parent = nullptr) : QWidget(parent) {
        setAttribute(Qt::WA_OpaquePaintEvent);
    }
    void SetImage(const QImage* image) { image_ = image; }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        if (image_)
            p.drawImage(0, 0, *image_);
        else
            p.fillRect(rect(), Qt::black);
    }

  private:
    const QImage* image_ = nullptr;
};

}  // namespace quorin
