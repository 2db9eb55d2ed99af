// The board surface `Game`: it only ever shows copies of the off-screen board buffer and
// hands mouse presses and moves to the main window.
#pragma once

#include <functional>

#include <QImage>
#include <QWidget>

namespace quorin {

class BoardSurface : public QWidget {
    Q_OBJECT
  public:
    explicit BoardSurface(QWidget* parent = nullptr);

    void SetBuffer(const QImage* buffer) { buffer_ = buffer; }

    std::function<void(Qt::MouseButton, QPoint)> onPress;
    std::function<void(QPoint)> onMove;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    const QImage* buffer_ = nullptr;
};

}  // namespace quorin
