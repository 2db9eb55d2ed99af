// The seed window: asks for the number of a specific deal before a solitaire game starts,
// so that the same deal can be played again.
#pragma once

#include <cstdint>
#include <functional>

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

namespace quorin {

class TRandomWindow : public QDialog {
    Q_OBJECT
  public:
    // `seed` is shown at once and follows every valid edit. `randomSeed` gives the number of
    // "New random game seed"; `reportError` shows the message for a text that is no number
    // when "OK" is pressed with it (while typing, the field only marks it).
    TRandomWindow(int32_t& seed, std::function<int32_t()> randomSeed,
                  std::function<void(const QString&)> reportError, QWidget* parent = nullptr);

    QLineEdit* RandomSeed = nullptr;
    QPushButton* BitBtn1 = nullptr;  // "OK"
    QPushButton* BitBtn2 = nullptr;  // "New random game seed"
    QLabel* SeedProblem = nullptr;   // what is wrong with the text, shown under the field

    QLabel* Difficulty = nullptr;  // the difficulty of the deal of the seed shown

    // True while the field holds a text that is no number.
    bool Invalid() const;
    // How the deal of a seed rates ("3 of 5", "cannot be won"); shown a moment after the
    // seed stops changing, since a deal takes some milliseconds to make and rate.
    void SetDifficulty(std::function<QString(int32_t)> rate);

  private:
    void RandomSeedChange();
    void BitBtn1Click();
    void BitBtn2Click();
    // Reads the field: a number becomes the seed; otherwise the field is marked and the
    // message returned. An empty field is no mistake while typing.
    QString TakeSeed(bool emptyIsWrong);
    void Mark(const QString& problem);
    void RateLater();

    int32_t& seed_;
    std::function<int32_t()> randomSeed_;
    std::function<void(const QString&)> reportError_;
    bool settingText_ = false;
    std::function<QString(int32_t)> rate_;
    QTimer* rateTimer_ = nullptr;
};

// The message for a seed text that is not a whole number.
QString NotAnIntegerMessage(const QString& text);

}  // namespace quorin
