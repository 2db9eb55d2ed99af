// The favourite layouts: which layouts the Layout menu shows, kept one name a line in
// Favelay.ini (beside the program, or in the player's data folder of an installed game).
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quorin {

inline constexpr std::string_view kFavouritesFile = "Favelay.ini";

// One name a line; CR LF and bare LF both end a line, empty lines are skipped.
std::vector<std::string> ParseFavourites(std::string_view text);
// Every name followed by CR LF, the last one included.
std::string FavouritesText(const std::vector<std::string>& names);

// Reads the file. A missing file gives `missing` and no names; an unreadable one gives the
// message to show, and no names.
struct FavouritesLoad {
    std::vector<std::string> names;
    bool missing = false;
    std::string error;
};
FavouritesLoad LoadFavourites(const std::string& path);
// Writes the file whole through a temporary one. Returns an empty string or the reason.
std::string SaveFavourites(const std::string& path, const std::vector<std::string>& names);

// A layout dragged onto the favourites at `index` (past the end appends). The list is then
// reordered by first character only, and a name equal to its next neighbour is dropped, so a
// copy goes away only when the two copies end up side by side.
void DropFavourite(std::vector<std::string>& favourites, std::string_view name, int index);

// Whether layout `index` (1-based) has its entry shown in the Layout menu: the current
// layout always, any other when a favourite bears exactly its name.
bool ShownInLayoutMenu(const std::vector<std::string>& layoutNames, int index, int current,
                       const std::vector<std::string>& favourites);

}  // namespace quorin
