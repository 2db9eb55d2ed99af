// The about box: who made the game, with links to its pages and mail addresses.
#pragma once

#include <functional>

#include <QDialog>
#include <QImage>
#include <QString>

#include "info/AboutLinks.h"

class QPushButton;

namespace quorin {

class TAboutBox : public QDialog {
    Q_OBJECT
  public:
    // `open` receives a link's target when the player clicks it; the program hands it to
    // the desktop. `portrait` is drawn beside the credits.
    TAboutBox(const AboutLinks& links, const QImage& backdrop, const QImage& portrait,
              std::function<void(const QString&)> open, QWidget* parent);

    QPushButton* BitBtn1 = nullptr;

  private:
    QImage backdrop_;
    QImage portrait_;
};

}  // namespace quorin
