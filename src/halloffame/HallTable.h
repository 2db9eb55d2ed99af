// The hall of fame: the ten best results of every layout and of each level of the other
// games, as fixed-width entries of 18 characters: name (8), space, total (4), space,
// penalty (4).
#pragma once

#include <array>
#include <string>

namespace quorin {

class HallTable {
  public:
    static constexpr int kRanks = 10;
    static constexpr int kColumns = 122;  // layouts 1..99, then 100..121 for the other games

    HallTable();

    static bool IsClicksColumn(int column) { return column == 120 || column == 121; }
    static bool IsValidColumn(int column) { return column >= 0 && column < kColumns; }
    // "---" with the default total of the rank: 5:00 .. 14:00, or 20 .. 200 pieces in Clicks.
    static std::string DefaultEntry(int rank, int column);

    // Rank 1..10; an unknown column reads as the defaults.
    const std::string& Entry(int rank, int column) const;
    void ResetColumn(int column);
    // Stores the text as it is; an invalid rank or column is ignored.
    void SetEntry(int rank, int column, std::string entry);

    static std::string Name(const std::string& entry) { return entry.substr(0, 8); }
    static int Total(const std::string& entry) { return Number(entry, 9); }
    static int Penalty(const std::string& entry) { return Number(entry, 14); }

  private:
    // The decimal number in the 4 characters from `at`, leading blanks allowed; 0 if none.
    static int Number(const std::string& entry, size_t at);

    std::array<std::array<std::string, kColumns>, kRanks + 1> entries_;
};

}  // namespace quorin
