// The hall of fame and its file Hallfame.ini: one section per layout that holds a real
// result, and the six sections of the other games, always written.
//
// Every change (a new entry, a rename, a reset) is saved at once through an atomic
// replacement of the file, so a crash or a killed program never loses a score.
#pragma once

#include "halloffame/HallTable.h"
#include "platform/IniFile.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace quorin {

class HallOfFame {
  public:
    // Layout columns are 1..kLastLayoutColumn; 100 and above belong to the other games.
    static constexpr int kLastLayoutColumn = 99;

    // Reads `path` (the program folder's Hallfame.ini). `layoutNames` are the layouts in
    // list order, for columns 1, 2, ...; names past the 99th get no table (one line on
    // standard error). A missing or damaged file never fails: what cannot be read is the
    // default. Returns the file's read error, or empty.
    std::string Load(const std::string& path, const std::vector<std::string>& layoutNames);

    // Reads one layout column from the file, e.g. for a layout registered after start-up.
    // A column outside 1..99 is refused with one line on standard error.
    void LoadColumn(int column, std::string_view layoutName);

    // True when the total is strictly smaller than that of rank 10.
    bool Qualifies(int column, int total) const;

    // Inserts a finished game and saves; returns its rank 1..10, or 0 when it did not enter.
    // NewHallRank() becomes that rank.
    int AddHall(int column, std::string_view player, int elapsed, int penalty);
    // Both save and return Save()'s result.
    std::string ResetColumn(int column);
    std::string RenameEntry(int rank, int column, std::string_view name);

    // Writes the file; returns empty or "Unable to write to PATH: reason". The last error is
    // kept in LastSaveError() for the callers that cannot return it.
    std::string Save();
    const std::string& LastSaveError() const { return saveError_; }

    const HallTable& Table() const { return table_; }
    int NewHallRank() const { return newHallRank_; }
    void ClearNewHallRank() { newHallRank_ = 0; }
    // True for the entry the last AddHall wrote, in its own column.
    bool IsNewEntry(int rank, int column) const {
        return rank > 0 && rank == newHallRank_ && column == newHallColumn_;
    }

    // The section of a column: the layout name without spaces, or the game's own name;
    // empty for a column without a table.
    std::string SectionName(int column) const;

    // "Name    " + " " + total(4) + " " + penalty(4); the name is cut to 8 bytes (never inside
    // a UTF-8 character) and padded with spaces; control characters become spaces.
    static std::string MakeEntry(std::string_view player, int total, int penalty);
    // Exactly the default text of that rank: a player may well be called "---".
    static bool IsEmptyEntry(const std::string& entry, int rank, int column) {
        return entry == HallTable::DefaultEntry(rank, column);
    }

  private:
    void ReadColumn(int column);

    HallTable table_;
    std::unique_ptr<IniFile> file_;
    std::vector<std::string> layoutNames_ = std::vector<std::string>(kLastLayoutColumn + 1);
    int newHallRank_ = 0;
    int newHallColumn_ = 0;  // the rank alone would mark the same rank of every other table
    std::string saveError_;
};

}  // namespace quorin
