// The hall of fame window: the ten best results of one table, the choice of the table, the
// player's name (which renames a result just entered while it is typed) and the reset of a
// table.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include <QDialog>
#include <QImage>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace quorin {

class Dialogs;
class HallOfFame;

class THallWindow : public QDialog {
    Q_OBJECT
  public:
    struct Context {
        HallOfFame& hall;
        const std::vector<std::string>& layoutNames;  // 1-based, as the Layout menu lists them
        int currentLayout = 0;
        bool justEntered = false;  // opened right after a new entry: the name renames it
        std::string& currentPlayer;
        Dialogs& dialogs;
        std::function<void()> repaintPanel;  // the side panel shows the table too
        std::function<void()> panelChanged;  // a table was reset
        QImage backdrop;
    };

    explicit THallWindow(Context context, QWidget* parent = nullptr);

    void GenerateList(int column);
    void LayoutComboBoxChange(int index);
    void PlayerNameChange(const QString& text);
    void DeleteHighscoresClick();

    // Combo box item k and its table: the layouts first, then the two levels of each game.
    int ColumnOfItem(int index) const;
    int ItemOfColumn(int column) const;
    int ShownColumn() const { return ColumnOfItem(comboIndex()); }

    QComboBox* LayoutComboBox;
    QLineEdit* PlayerName;
    QPushButton* ResetButton;
    QPushButton* BitBtn1;
    QLabel* Label23;                  // "Time", or "Score" for Clicks
    std::array<QLabel*, 11> Names{};  // [1..10]
    std::array<QLabel*, 11> Totals{};
    std::array<QLabel*, 11> Penalties{};

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    int comboIndex() const;
    int LayoutItems() const;
    void ReportSaveError(const std::string& error);

    Context c_;
    QRect listArea_;
    bool saveErrorShown_ = false;
};

}  // namespace quorin
