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

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    int selected_ = -1;
};

}  // namespace quorin
