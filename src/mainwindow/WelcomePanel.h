// The welcome panel shown between games: one button per game, and the way out.
#pragma once

#include <QPushButton>
#include <QWidget>

namespace quorin {

class WelcomePanel : public QWidget {
    Q_OBJECT
  public:
    explicit WelcomePanel(QWidget* parent = nullptr);

    QPushButton* Classic;
    QPushButton* TwoPlayers;
    QPushButton* RiversEasy;
    QPushButton* RiversHard;
    QPushButton* MemoryEasy;
    QPushButton* MemoryHard;
    QPushButton* ClicksEasy;
    QPushButton* ClicksHard;
    QPushButton* Help;
    QPushButton* Hall;
    QPushButton* About;
    QPushButton* Exit;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace quorin
