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
    // The outline of what the keyboard acts on, drawn over the board; empty for none.
    void SetFocusOutline(const QRect& outline);
    QRect FocusOutline() const { return outline_; }

    std::function<void(Qt::MouseButton, QPoint)> onPress;
    std::function<void(QPoint)> onMove;
    // A key pressed on the board; true when it was used.
    std::function<bool(int key)> onKey;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    const QImage* buffer_ = nullptr;
    QRect outline_;
};

}  // namespace quorin
