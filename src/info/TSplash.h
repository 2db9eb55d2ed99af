// The picture shown while the program starts.
#pragma once

#include <QImage>
#include <QWidget>

namespace quorin {

class TSplash : public QWidget {
    Q_OBJECT
  public:
    TSplash();
    // Shows the window centred on the screen and paints it at once.
    void ShowNow();

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QImage image_;
};

}  // namespace quorin
