// Favourite layouts: where a dropped name ends up, the file, and the Layout menu rule.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "layouts/Favourites.h"
#include "platform/SafeFile.h"

namespace quorin {
namespace {

using Names = std::vector<std::string>;

TEST(Favourites, DropReordersByFirstCharacterOnly) {
    Names list{"Beta", "Gamma"};
    DropFavourite(list, "Alpha", 99);  // below the last item
    EXPECT_EQ(list, (Names{"Alpha", "Beta", "Gamma"}));

    list = {"Ba", "Bc"};
    DropFavourite(list, "Bb", 0);
    EXPECT_EQ(list, (Names{"Bb", "Ba", "Bc"}));

    // A copy goes only when it lands next to the other.
    list = {"Cat", "Crab", "Spiral"};
    DropFavourite(list, "Cat", 1);
    EXPECT_EQ(list, (Names{"Cat", "Crab", "Spiral"}));
    DropFavourite(list, "Cat", 3);
    EXPECT_EQ(list, (Names{"Cat", "Crab", "Cat", "Spiral"}));

    list = {};
    DropFavourite(list, "Traditional", -5);
    EXPECT_EQ(list, (Names{"Traditional"}));
}

TEST(Favourites, FileHasCrLfLinesAndReadsBack) {
    const Names names{"Traditional", "Big Star", "Pyramid.shp"};
    EXPECT_EQ(FavouritesText(names), "Traditional\r\nBig Star\r\nPyramid.shp\r\n");
    EXPECT_EQ(ParseFavourites("A\r\n\r\nB\nC"), (Names{"A", "B", "C"}));

    const auto dir = std::filesystem::temp_directory_path() / "quorin-favourites-test";
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    const std::string path = (dir / "Favelay.ini").string();
    const FavouritesLoad none = LoadFavourites(path);
    EXPECT_TRUE(none.missing);
    EXPECT_TRUE(none.names.empty());

    ASSERT_EQ(SaveFavourites(path, names), "");
    const ReadResult raw = ReadRegularFile(path, 1000);
    EXPECT_EQ(raw.data, FavouritesText(names));
    EXPECT_EQ(LoadFavourites(path).names, names);

    // A folder where the file should be is reported, not read as empty favourites.
    std::filesystem::remove(path);
    std::filesystem::create_directory(path);
    const FavouritesLoad bad = LoadFavourites(path);
    EXPECT_FALSE(bad.missing);
    EXPECT_EQ(bad.error, "Unable to read " + path + ": it is a folder");
    std::filesystem::remove_all(dir);
}

TEST(Favourites, MenuShowsFavouritesAndAlwaysTheCurrentLayout) {
    const Names layouts{"Bridge", "Cat", "Traditional"};
    const Names favourites{"Traditional", "Gone", "cat"};
    EXPECT_TRUE(ShownInLayoutMenu(layouts, 3, 1, favourites));
    EXPECT_TRUE(ShownInLayoutMenu(layouts, 1, 1, favourites)) << "current, not a favourite";
    EXPECT_FALSE(ShownInLayoutMenu(layouts, 2, 1, favourites)) << "names compare exactly";
}

}  // namespace
}  // namespace quorin
