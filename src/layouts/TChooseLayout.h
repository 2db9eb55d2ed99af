// The layout chooser: every known layout with a miniature and its full name, the favourites
// that decide what the Layout menu shows, and the way to the editor and the large view.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include <QDialog>
#include <QImage>
#include <QListWidget>

#include "board/LayoutGrid.h"

class QLabel;
class QPushButton;

namespace quorin {

// A list box that takes drops only from one other list and reports them.
class DropList : public QListWidget {
    Q_OBJECT
  public:
    explicit DropList(QWidget* parent = nullptr);
    QListWidget* acceptFrom = nullptr;
    bool selectUnderPointer = false;        // while a drag moves over the list
    std::function<void(QPoint)> onDropped;  // at a point of the viewport
    std::function<bool(int key)> onKey;     // a key the list itself has no use for; true if used

  protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
};

class TChooseLayout : public QDialog {
    Q_OBJECT
  public:
    enum class Choice { Cancel, Play, Edit, Create };

    // `layoutNames` in menu order (".shp" entries keep their extension), read from
    // `layoutFiles`, one file a name. The favourites are shown sorted, as a sorted list box
    // adds them.
    TChooseLayout(const std::vector<std::string>& layoutNames,
                  const std::vector<std::string>& layoutFiles, const QImage& background,
                  std::vector<std::string> favourites, QWidget* parent = nullptr);
    // The layouts of one folder (ending with '/').
    TChooseLayout(const std::string& layoutsFolder, const std::vector<std::string>& layoutNames,
                  const QImage& background, std::vector<std::string> favourites,
                  QWidget* parent = nullptr);

    DropList* LayoutList = nullptr;
    DropList* FaveLayouts = nullptr;
    QLabel* Preview = nullptr;
    QLabel* LayoutN = nullptr;
    QPushButton* BitBtn1 = nullptr;  // "Play this layout"
    QPushButton* BitBtn2 = nullptr;  // "Cancel"
    QPushButton* BitBtn3 = nullptr;  // "Edit"
    QPushButton* BitBtn4 = nullptr;  // "Create"
    QPushButton* BitBtn5 = nullptr;  // "Expand >>"

    void LayoutListClick();
    void LayoutListDblClick();
    void BitBtn1Click();
    void BitBtn3Click();
    void BitBtn4Click();
    void BitBtn5Click();
    // The selected layout dropped on the favourites at `index` (past the end appends).
    void FaveLayoutsDragDrop(int index);
    // The selected favourite dropped back on the layout list: it stops being one.
    void LayoutListDragDrop();
    void FaveLayoutsDblClick();

    Choice Result() const { return choice_; }
    int ChosenIndex() const { return chosen_; }  // 0-based entry of the layout list
    const std::vector<std::string>& FavouriteNames() const { return favourites_; }
    const QImage& PreviewImage() const { return minusBuffer_; }

  private:
    void MinusRedraw();
    void ShowFavourites();

    std::vector<std::string> names_;
    std::vector<std::string> files_;
    std::vector<std::string> favourites_;
    LayoutGrid grid_;
    QImage image1_;       // the background, stretched to the preview
    QImage minusBuffer_;  // the miniature being drawn
    QImage minus_;        // the small tile
    Choice choice_ = Choice::Cancel;
    int chosen_ = -1;
};

// The miniature of a layout drawn over `backdrop` (206 x 138) with the small tile.
QImage DrawMiniature(const LayoutGrid& grid, const QImage& backdrop, const QImage& smallTile);

}  // namespace quorin
