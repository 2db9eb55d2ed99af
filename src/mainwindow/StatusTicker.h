// The status line's message: revealed from its end one character per tick ("Cool Status"),
// or bouncing back and forth while the board has no move left.
#pragma once

#include <optional>
#include <string>

namespace quorin {

class StatusTicker {
  public:
    void Show(std::string message) {
        message_ = std::move(message);
        length_ = static_cast<int>(message_.size());
        pos_ = length_;
    }

    // One clock tick. Returns the text the status line shows now, or nothing when it keeps
    // what it shows.
    std::optional<std::string> Tick(bool coolStatus) {
        if (bounce) {
            const int next = pos_ + step;
            if (next < 1 || next >= length_)
                step = -step;
            else
                pos_ = next;
            if (pos_ < 1)
                pos_ = 1;
            return Visible();
        }
        if (pos_ >= 2) {
            pos_ = pos_ - 1 > 1 ? pos_ - 1 : 1;
            if (!coolStatus)
                pos_ = 1;
            return Visible();
        }
        message_.assign(1, ' ');
        return std::nullopt;
    }

    const std::string& Message() const { return message_; }
    int Pos() const { return pos_; }

    bool bounce = false;
    int step = 1;

  private:
    std::string Visible() const {
        return pos_ - 1 < static_cast<int>(message_.size()) ? message_.substr(pos_ - 1) : "";
    }

    std::string message_ = " ";
    int length_ = 1;
    int pos_ = 1;
};

}  // namespace quorin
