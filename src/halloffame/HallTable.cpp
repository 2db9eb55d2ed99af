#include "halloffame/HallTable.h"

#include <cstdio>
#include <utility>

namespace quorin {

HallTable::HallTable() {
    for (int c = 0; c < kColumns; ++c)
        ResetColumn(c);
}

std::string HallTable::DefaultEntry(int rank, int column) {
    const int total = IsClicksColumn(column) ? rank * 20 : (rank + 4) * 60;
    char text[32];
    std::snprintf(text, sizeof text, "---      %4d    0", total);
    return text;
}

const std::string& HallTable::Entry(int rank, int column) const {
    static const std::string empty(18, ' ');
    if (rank < 1 || rank > kRanks || !IsValidColumn(column))
        return empty;
    return entries_[rank][column];
}

void HallTable::ResetColumn(int column) {
    if (!IsValidColumn(column))
        return;
    for (int r = 1; r <= kRanks; ++r)
        entries_[r][column] = DefaultEntry(r, column);
}

void HallTable::SetEntry(int rank, int column, std::string entry) {
    if (rank < 1 || rank > kRanks || !IsValidColumn(column))
        return;
    entries_[rank][column] = std::move(entry);
}

int HallTable::Number(const std::string& entry, size_t at) {
    int value = 0;
    bool negative = false;
    for (size_t i = at; i < at + 4 && i < entry.size(); ++i) {
        const char c = entry[i];
        if (c == ' ' && value == 0)
            continue;
        if (c == '-' && value == 0) {
            negative = true;
            continue;
        }
        if (c < '0' || c > '9')
            break;
        value = value * 10 + (c - '0');
    }
    return negative ? -value : value;
}

}  // namespace quorin
