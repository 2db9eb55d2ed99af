#include "halloffame/HallOfFame.h"

#include <array>
#include <cstdio>
#include <iostream>

namespace quorin {

namespace {

struct GameSection {
    int column;
    const char* name;
};
constexpr std::array<GameSection, 6> kGameSections{{{100, "Rivers"},
                                                    {101, "Rivers2"},
                                                    {110, "Memory"},
                                                    {111, "Memory2"},
                                                    {120, "Clicks"},
                                                    {121, "Clicks2"}}};

std::string RankKey(int rank) {
    return "Rank" + std::to_string(rank);
}

// A number field: blanks, then at least one digit, and nothing else.
bool IsNumberField(const std::string& entry, size_t at) {
    size_t i = at;
    while (i < at + 4 && entry[i] == ' ')
        ++i;
    if (i == at + 4)
        return false;
    for (; i < at + 4; ++i)
        if (entry[i] < '0' || entry[i] > '9')
            return false;
    return true;
}

// The stored text as the table keeps it: front-padded with '-' to 18 characters (the ini
// file strips leading blanks of a name), and the default of its rank when a number field
// is damaged, since the insertion and the qualification read those fields.
std::string Repair(std::string entry, int rank, int column) {
    while (entry.size() < 18)
        entry.insert(entry.begin(), '-');
    if (!IsNumberField(entry, 9) || !IsNumberField(entry, 14))
        return HallTable::DefaultEntry(rank, column);
    return entry;
}

}  // namespace

std::string HallOfFame::Load(const std::string& path, const std::vector<std::string>& layoutNames) {
    file_ = std::make_unique<IniFile>(path);
    table_ = HallTable();
    newHallRank_ = 0;
    layoutNames_.assign(kLastLayoutColumn + 1, std::string());
    if (layoutNames.size() > static_cast<size_t>(kLastLayoutColumn))
        std::cerr << "Hall of fame: only the first " << kLastLayoutColumn << " of "
                  << layoutNames.size() << " layouts have a table\n";
    for (size_t i = 0; i < layoutNames.size() && i < static_cast<size_t>(kLastLayoutColumn); ++i) {
        layoutNames_[i + 1] = layoutNames[i];
        ReadColumn(static_cast<int>(i) + 1);
    }
    for (const auto& game : kGameSections)
        ReadColumn(game.column);
    return file_->LoadError();
}

void HallOfFame::LoadColumn(int column, std::string_view layoutName) {
    if (column < 1 || column > kLastLayoutColumn) {
        std::cerr << "Hall of fame: no table for layout " << column << " ("
                  << std::string(layoutName) << ")\n";
        return;
    }
    layoutNames_[column] = std::string(layoutName);
    ReadColumn(column);
}

std::string HallOfFame::SectionName(int column) const {
    for (const auto& game : kGameSections)
        if (game.column == column)
            return game.name;
    if (column < 1 || column > kLastLayoutColumn)
        return {};
    std::string name;
    for (char c : layoutNames_[column])
        if (c != ' ')
            name += c;
    return name;
}

void HallOfFame::ReadColumn(int column) {
    const std::string section = SectionName(column);
    for (int rank = 1; rank <= HallTable::kRanks; ++rank) {
        const std::string fallback = HallTable::DefaultEntry(rank, column);
        std::string entry = section.empty() || !file_
                                ? fallback
                                : file_->ReadString(section, RankKey(rank), fallback);
        table_.SetEntry(rank, column, Repair(std::move(entry), rank, column));
    }
}

bool HallOfFame::Qualifies(int column, int total) const {
    if (SectionName(column).empty())
        return false;
    return total < HallTable::Total(table_.Entry(HallTable::kRanks, column));
}

std::string HallOfFame::MakeEntry(std::string_view player, int total, int penalty) {
    std::string name;
    for (size_t i = 0; i < player.size(); ++i) {
        const auto c = static_cast<unsigned char>(player[i]);
        // Length of this character, so that a cut never splits it.
        size_t length = 1;
        if (c >= 0xF0)
            length = 4;
        else if (c >= 0xE0)
            length = 3;
        else if (c >= 0xC0)
            length = 2;
        if (name.size() + length > 8 || i + length > player.size())
            break;
        for (size_t k = 0; k < length; ++k) {
            const char byte = player[i + k];
            name += (static_cast<unsigned char>(byte) < 0x20 || byte == 0x7F) ? ' ' : byte;
        }
        i += length - 1;
    }
    name.resize(8, ' ');
    char numbers[32];
    std::snprintf(numbers, sizeof numbers, " %4d %4d", total, penalty);
    return name + numbers;
}

int HallOfFame::AddHall(int column, std::string_view player, int elapsed, int penalty) {
    const int total = elapsed + penalty;
    if (!Qualifies(column, total))
        return 0;
    int pos = HallTable::kRanks;
    for (int i = HallTable::kRanks; i >= 1; --i)
        if (HallTable::Total(table_.Entry(i, column)) >= total)
            pos = i;
    // On equal totals the newcomer goes below unless its penalty is smaller.
    const std::string& there = table_.Entry(pos, column);
    if (HallTable::Total(there) == total && HallTable::Penalty(there) <= penalty) {
        if (pos == HallTable::kRanks)
            return 0;
        ++pos;
    }
    for (int r = HallTable::kRanks; r > pos; --r)
        table_.SetEntry(r, column, table_.Entry(r - 1, column));
    table_.SetEntry(pos, column, MakeEntry(player, total, penalty));
    newHallRank_ = pos;
    newHallColumn_ = column;
    Save();
    return pos;
}

std::string HallOfFame::ResetColumn(int column) {
    table_.ResetColumn(column);
    if (column == newHallColumn_)
        newHallRank_ = 0;  // the new entry is gone with the rest
    return Save();
}

std::string HallOfFame::RenameEntry(int rank, int column, std::string_view name) {
    const std::string& old = table_.Entry(rank, column);
    if (SectionName(column).empty() || rank < 1 || rank > HallTable::kRanks)
        return {};
    table_.SetEntry(rank, column, MakeEntry(name, HallTable::Total(old), HallTable::Penalty(old)));
    return Save();
}

std::string HallOfFame::Save() {
    if (!file_)
        return saveError_ = {};
    for (int column = 1; column <= kLastLayoutColumn; ++column) {
        const std::string section = SectionName(column);
        if (section.empty())
            continue;
        bool real = false;
        for (int rank = 1; rank <= HallTable::kRanks; ++rank)
            real = real || !IsEmptyEntry(table_.Entry(rank, column), rank, column);
        if (!real) {
            file_->EraseSection(section);
            continue;
        }
        for (int rank = 1; rank <= HallTable::kRanks; ++rank)
            file_->WriteString(section, RankKey(rank), table_.Entry(rank, column));
    }
    for (const auto& game : kGameSections)
        for (int rank = 1; rank <= HallTable::kRanks; ++rank)
            file_->WriteString(game.name, RankKey(rank), table_.Entry(rank, game.column));
    saveError_ = file_->Save();
    return saveError_;
}

}  // namespace quorin
