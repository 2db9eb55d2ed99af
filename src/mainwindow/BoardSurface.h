// The board surface `Game`: it only ever shows copies of the off-screen board buffer and
// hands mouse presses and moves to the main window. The board keeps its own pixels (704 x 468
// of them); the surface may be larger, and shows the board scaled to fill it, centred, at
// the screen's own pixels. Everything it hands on is in board pixels.
#pragma once

#include <functional>

#include <QImage>
#include <QWidget>

namespace quorin {

class BoardSurface : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kBoardWidth = 704;
    static constexpr int kBoardHeight = 468;

    explicit BoardSurface(QWidget* parent = nullptr);

    // The board image, drawn at DeviceScale() device pixels per board pixel.
    void SetBuffer(const QImage* buffer) { buffer_ = buffer; }
    // The outline of what the keyboard acts on, in board pixels, drawn over the board; empty
    // for none.
    void SetFocusOutline(const QRect& outline);
    QRect FocusOutline() const { return outline_; }

    // Widget pixels per board pixel (at least 1), and device pixels per board pixel.
    double ViewScale() const { return viewScale_; }
    double DeviceScale() const { return viewScale_ * devicePixelRatioF(); }
    // Board pixels to the widget and back; points outside the board map outside it.
    QPoint ToWidget(QPoint board) const;
    QRect ToWidget(const QRect& board) const;
    QPoint ToBoard(QPointF widget) const;
    // Asks for a repaint of a rectangle of the board image (device pixels).
    void UpdateImageRect(const QRect& image);

    std::function<void(Qt::MouseButton, QPoint)> onPress;
    std::function<void(QPoint)> onMove;
    // A key pressed on the board; true when it was used.
    std::function<bool(int key)> onKey;
    // The board is to be drawn at another device scale: the surface was resized, or moved to
    // a screen of another pixel ratio.
    std::function<void(double deviceScale)> onScale;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void Place();

    const QImage* buffer_ = nullptr;
    QRect outline_;
    double viewScale_ = 1;
    QPointF origin_;  // the board's top-left corner in the widget
    double placedRatio_ = 0;
    double announced_ = 1;  // the scale onScale last gave; the board starts at its own size
};

}  // namespace quorin
