// The status bar `LigneStatus`: tiles left, moves left, time, and the status message.
#pragma once

#include <functional>

#include <QLabel>
#include <QWidget>

namespace quorin {

class StatusLine : public QWidget {
    Q_OBJECT
  public:
    explicit StatusLine(QWidget* parent = nullptr);

    QLabel* TilesLeftLine;
    QLabel* MovesLeftLine;
    QLabel* TimeLine;
    // What the solver knows of the position: "yes", "no", "?" or blank between games.
    QLabel* WinnableLine;
    QLabel* StatusText;

    std::function<void()> onMovesPanelClicked;  // "Moves left"
    std::function<void()> onTimePanelClicked;   // "Time"

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QLabel* movesLeftPanel_;
    QLabel* timePanel_;
};

}  // namespace quorin
