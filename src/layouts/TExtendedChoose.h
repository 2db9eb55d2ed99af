// The large view of the layout chooser: the miniatures of all layouts, three a row.
#pragma once

#include <vector>

#include <QDialog>
#include <QImage>

class QLabel;
class QPushButton;
class QScrollArea;

namespace quorin {

class TExtendedChoose : public QDialog {
    Q_OBJECT
  public:
    static constexpr int kMostShown = 100;
    // The results besides Accepted (a miniature was clicked) and Rejected (cancel).
    static constexpr int kReduce = 3;

    // `layoutCount` sets the scroll range; the first 100 of `miniatures` are shown.
    TExtendedChoose(const std::vector<QImage>& miniatures, int layoutCount,
                    QWidget* parent = nullptr);

    QScrollArea* ScrollBox = nullptr;
    QPushButton* BitBtn1 = nullptr;  // "Cancel"
    QPushButton* BitBtn2 = nullptr;  // "<< Reduce"
    std::vector<QLabel*> Pictures;

    void ScrollClick(int tag);
    int SelectedIndex() const { return selected_; }
    // The miniature the keyboard is on: the arrows move it, Enter or Space picks it.
    int CurrentIndex() const { return current_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool MiniaturesKey(int key);
    void ShowCurrent();

    QWidget* content_ = nullptr;
    QWidget* outline_ = nullptr;  // around the current miniature while the keyboard is there
    int selected_ = -1;
    int current_ = 0;
};

}  // namespace quorin
