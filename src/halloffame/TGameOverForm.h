// The small "Board finished !" window that greets the end of a game.
#pragma once

#include <QDialog>
#include <QLabel>

namespace quorin {

class TGameOverForm : public QDialog {
    Q_OBJECT
  public:
    explicit TGameOverForm(QWidget* parent = nullptr);
    void SetGirl(const QImage& picture);
    // The verdict or final time, and whether the result enters the hall of fame.
    void SetResult(const QString& finalTime, bool enterFame);

    QLabel* FinalTime;
    QLabel* EnterFame;

  private:
    QLabel* girl_;
};

}  // namespace quorin
