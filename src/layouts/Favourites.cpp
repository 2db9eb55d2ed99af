#include "layouts/Favourites.h"

#include <algorithm>
#include <utility>

#include "platform/AtomicFile.h"
#include "platform/SafeFile.h"

namespace quorin {

std::vector<std::string> ParseFavourites(std::string_view text) {
    std::vector<std::string> names;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (!line.empty())
            names.emplace_back(line);
        if (end == std::string_view::npos)
            break;
        text.remove_prefix(end + 1);
    }
    return names;
}

std::string FavouritesText(const std::vector<std::string>& names) {
    std::string text;
    for (const std::string& name : names) {
        text += name;
        text += "\r\n";
    }
    return text;
}

FavouritesLoad LoadFavourites(const std::string& path) {
    FavouritesLoad load;
    const ReadResult read = ReadRegularFile(path, kMaxIniBytes);
    if (read.ok)
        load.names = ParseFavourites(read.data);
    else if (read.missing)
        load.missing = true;
    else
        load.error = ReadFailureMessage(path, read.error);
    return load;
}

std::string SaveFavourites(const std::string& path, const std::vector<std::string>& names) {
    return WriteFileAtomically(path, FavouritesText(names));
}

void DropFavourite(std::vector<std::string>& favourites, std::string_view name, int index) {
    const int count = static_cast<int>(favourites.size());
    index = std::clamp(index, 0, count);
    favourites.insert(favourites.begin() + index, std::string(name));

    // An exchange sort on the first byte alone: names with the same first character keep
    // the order the drop gave them.
    const auto first = [](const std::string& s) {
        return s.empty() ? 0 : static_cast<unsigned char>(s.front());
    };
    const int n = static_cast<int>(favourites.size());
    for (int i = 0; i + 1 < n; ++i)
        for (int j = n - 1; j > i; --j)
            if (first(favourites[i]) > first(favourites[j]))
                std::swap(favourites[i], favourites[j]);

    for (std::size_t i = 0; i + 1 < favourites.size(); ++i)
        if (favourites[i] == favourites[i + 1])
            favourites.erase(favourites.begin() + static_cast<std::ptrdiff_t>(i));
}

bool ShownInLayoutMenu(const std::vector<std::string>& layoutNames, int index, int current,
                       const std::vector<std::string>& favourites) {
    if (index == current)
        return true;
    if (index < 1 || index > static_cast<int>(layoutNames.size()))
        return false;
    return std::find(favourites.begin(), favourites.end(), layoutNames[index - 1]) !=
           favourites.end();
}

}  // namespace quorin
