#include "halloffame/HallOfFame.h"

#include "platform/TempFolder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quorin {
namespace {

using test::ReadBytes;
using test::TempFolder;
using test::WriteBytes;

const std::vector<std::string> kLayouts = {"Red Dragon", "Turtle", "Pyramid.shp"};

TEST(HallOfFameTest, AddHallRanksAndTies) {
    TempFolder folder;
    HallOfFame hall;
    hall.Load(folder.File("Hallfame.ini"), kLayouts);

    // Equal to the default rank 1 with no smaller penalty: below it.
    EXPECT_EQ(hall.AddHall(1, "Alice", 300, 0), 2);
    EXPECT_EQ(hall.NewHallRank(), 2);
    // Only the first entry that is not better is compared: Bob ties with the default rank 1,
    // goes below it, and so above Alice although her penalty is smaller.
    EXPECT_EQ(hall.AddHall(1, "Bob", 250, 50), 2);
    EXPECT_EQ(HallTable::Name(hall.Table().Entry(3, 1)), "Alice   ");
    // A smaller penalty than the entry it ties with puts the newcomer above it.
    EXPECT_EQ(hall.AddHall(2, "Pat", 50, 50), 1);
    EXPECT_EQ(hall.AddHall(2, "Quin", 80, 20), 1);
    EXPECT_EQ(hall.Table().Entry(2, 2), "Pat       100   50");
    // The best time anywhere goes first and the old rank 10 falls out.
    EXPECT_EQ(hall.AddHall(1, "Carol", 10, 0), 1);
    EXPECT_EQ(HallTable::Total(hall.Table().Entry(10, 1)), 660);

    // A total equal to rank 10 never enters, nor does a tie at rank 10 without a smaller
    // penalty.
    HallOfFame fresh;
    fresh.Load(folder.File("Other.ini"), kLayouts);
    EXPECT_FALSE(fresh.Qualifies(2, 840));
    EXPECT_TRUE(fresh.Qualifies(2, 839));
    EXPECT_EQ(fresh.AddHall(2, "Dan", 840, 0), 0);
    EXPECT_EQ(fresh.NewHallRank(), 0);
    // Clicks counts pieces: 20 .. 200.
    EXPECT_EQ(fresh.AddHall(120, "Eve", 25, 0), 2);
    // No table for a column that is no layout of the list.
    EXPECT_EQ(fresh.AddHall(50, "Fay", 1, 0), 0);
}

TEST(HallOfFameTest, EntriesAreCutPaddedAndClean) {
    EXPECT_EQ(HallOfFame::MakeEntry("Player1", 245, 40), "Player1   245   40");
    EXPECT_EQ(HallOfFame::MakeEntry("Al", 5, 0), "Al          5    0");
    EXPECT_EQ(HallOfFame::MakeEntry("Maximilian", 300, 0), "Maximili  300    0");
    // A line break cannot break the file apart, and a cut never splits a character.
    EXPECT_EQ(HallOfFame::MakeEntry("a\nb", 1, 0).substr(0, 8), "a b     ");
    EXPECT_EQ(HallOfFame::MakeEntry("abcdefg\xC3\xA9", 1, 0).substr(0, 8), "abcdefg ");
}

TEST(HallOfFameTest, EveryChangeIsOnDiskAtOnce) {
    TempFolder folder;
    const std::string path = folder.File("Hallfame.ini");
    {
        HallOfFame hall;
        hall.Load(path, kLayouts);
        ASSERT_EQ(hall.AddHall(1, "  Lead", 100, 20), 1);
        ASSERT_EQ(hall.AddHall(3, "Shp", 200, 0), 1);
        EXPECT_TRUE(hall.RenameEntry(1, 3, "Renamed").empty());
        // No Save() and no destructor run beyond this point matter: read the file as it is.
    }
    const std::string text = ReadBytes(path);
    EXPECT_NE(text.find("[RedDragon]"), std::string::npos);
    EXPECT_NE(text.find("[Pyramid.shp]"), std::string::npos);
    EXPECT_EQ(text.find("[Turtle]"), std::string::npos);
    for (const char* game : {"Rivers]", "Rivers2]", "Memory]", "Memory2]", "Clicks]", "Clicks2]"})
        EXPECT_NE(text.find(std::string("[") + game), std::string::npos) << game;

    HallOfFame again;
    again.Load(path, kLayouts);
    // Leading blanks of a name come back as hyphens.
    EXPECT_EQ(again.Table().Entry(1, 1), "--Lead    120   20");
    EXPECT_EQ(HallTable::Name(again.Table().Entry(1, 3)), "Renamed ");
    EXPECT_EQ(again.Table().Entry(2, 1), HallTable::DefaultEntry(1, 1));

    // A reset leaves no trace of the layout in the file.
    EXPECT_TRUE(again.ResetColumn(1).empty());
    EXPECT_EQ(ReadBytes(path).find("[RedDragon]"), std::string::npos);
    EXPECT_NE(ReadBytes(path).find("[Pyramid.shp]"), std::string::npos);
}

TEST(HallOfFameTest, NamesOfHyphensAreRealEntries) {
    // Only the exact default text of a rank is a default: "---" and "Bob---" are players,
    // and a column holding nothing else must still be written.
    TempFolder folder;
    const std::string path = folder.File("Hallfame.ini");
    {
        HallOfFame hall;
        hall.Load(path, kLayouts);
        ASSERT_EQ(hall.AddHall(1, "---", 100, 0), 1);
        ASSERT_EQ(hall.AddHall(2, "Bob---", 200, 0), 1);
        ASSERT_EQ(hall.AddHall(3, "Ann", 250, 0), 1);
        EXPECT_TRUE(hall.RenameEntry(1, 3, "--- x").empty());
    }
    HallOfFame again;
    again.Load(path, kLayouts);
    EXPECT_EQ(again.Table().Entry(1, 1), "---       100    0");
    EXPECT_EQ(again.Table().Entry(1, 2), "Bob---    200    0");
    EXPECT_EQ(again.Table().Entry(1, 3), "--- x     250    0");
    EXPECT_EQ(again.Table().Entry(2, 1), HallTable::DefaultEntry(1, 1));

    EXPECT_TRUE(HallOfFame::IsEmptyEntry(HallTable::DefaultEntry(4, 120), 4, 120));
    EXPECT_FALSE(HallOfFame::IsEmptyEntry(HallOfFame::MakeEntry("---", 100, 0), 1, 1));
    // A default pushed down a rank by a newcomer is no longer the default of its rank.
    EXPECT_FALSE(HallOfFame::IsEmptyEntry(HallTable::DefaultEntry(1, 1), 2, 1));
}

TEST(HallOfFameTest, LinesEndingInCrAloneAreRead) {
    TempFolder folder;
    const std::string path = folder.File("Hallfame.ini");
    WriteBytes(path, "[Turtle]\rRank1=Kim        95    5\rRank2=Amy       100    0\r");
    HallOfFame hall;
    EXPECT_TRUE(hall.Load(path, kLayouts).empty());
    EXPECT_EQ(hall.Table().Entry(1, 2), "Kim        95    5");
    EXPECT_EQ(hall.Table().Entry(2, 2), "Amy       100    0");
    // Saved back with the file's own line ends.
    EXPECT_EQ(hall.AddHall(2, "Zed", 50, 0), 1);
    HallOfFame again;
    again.Load(path, kLayouts);
    EXPECT_EQ(again.Table().Entry(3, 2), "Amy       100    0");
    EXPECT_EQ(ReadBytes(path).find('\n'), std::string::npos);
}

TEST(HallOfFameTest, DamagedFilesAndExtraLayouts) {
    TempFolder folder;
    const std::string path = folder.File("Hallfame.ini");
    WriteBytes(path,
               "[Turtle]\r\nRank1=Zed      abc    0\r\nRank2=Amy        90    x\r\n"
               "Rank3=Kim        95    5\r\n[Clicks]\r\nRank1=garbage\r\n");
    HallOfFame hall;
    EXPECT_TRUE(hall.Load(path, kLayouts).empty());
    EXPECT_EQ(hall.Table().Entry(1, 2), HallTable::DefaultEntry(1, 2));
    EXPECT_EQ(hall.Table().Entry(2, 2), HallTable::DefaultEntry(2, 2));
    EXPECT_EQ(hall.Table().Entry(3, 2), "Kim        95    5");
    EXPECT_EQ(hall.Table().Entry(1, 120), HallTable::DefaultEntry(1, 120));
    EXPECT_EQ(hall.AddHall(2, "New", 94, 0), 1);

    // Layouts past the 99th would land on the columns of the other games: they get none.
    std::vector<std::string> many;
    for (int i = 1; i <= 120; ++i)
        many.push_back("L" + std::to_string(i));
    HallOfFame big;
    big.Load(folder.File("Big.ini"), many);
    EXPECT_EQ(big.SectionName(99), "L99");
    EXPECT_EQ(big.SectionName(100), "Rivers");
    big.LoadColumn(100, "L100");
    EXPECT_EQ(big.SectionName(100), "Rivers");
    big.LoadColumn(50, "Fresh One");
    EXPECT_EQ(big.SectionName(50), "FreshOne");

    // A file that cannot be written says so and keeps the table.
    std::filesystem::create_directories(folder.File("Dir.ini/inside"));
    HallOfFame blocked;
    blocked.Load(folder.File("Dir.ini"), kLayouts);
    EXPECT_EQ(blocked.AddHall(1, "Me", 10, 0), 1);
    EXPECT_NE(blocked.LastSaveError().find("Unable to write to"), std::string::npos);
}

}  // namespace
}  // namespace quorin
