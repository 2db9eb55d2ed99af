// Layout files: reading and writing .lay, reading .shp, and every way a file can be damaged.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <unistd.h>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "layouts/LayoutFile.h"

namespace quorin {
namespace {

namespace fs = std::filesystem;

// 144 positions: 12 x 10 on the first layer, 12 x 2 on the second, all on even cells so that a
// .shp file can hold them too. (33, 12, 3) stands in for the last one.
LayoutGrid SampleGrid() {
    LayoutGrid grid;
    for (int y = 2; y <= 20; y += 2)
        for (int x = 2; x <= 24; x += 2)
            grid.Set(x, y, 1, 1);
    for (int y = 3; y <= 5; y += 2)
        for (int x = 3; x <= 25; x += 2)
            grid.Set(x, y, 2, 1);
    grid.Set(24, 20, 1, 0);
    grid.Set(33, 12, 3, 1);
    return grid;
}

std::string Digits(const LayoutGrid& grid) {
    std::string cells;
    for (int i = 0; i < kLayoutCells; ++i)
        cells.push_back(static_cast<char>('0' + grid[i]));
    return cells;
}

std::string LayText(const std::string& cells, const std::string& eol = "\r\n",
                    const std::string& signature = "Quorin 3.0") {
    return signature + eol + "Sample" + eol + cells + eol;
}

std::string Hex(int value) {
    char buf[3];
    std::snprintf(buf, sizeof buf, "%02X", value);
    return buf;
}

// One record per position in enumeration order, "T  " before the three fields.
std::string ShpText(const LayoutGrid& grid, const std::string& eol = "\r\n") {
    std::string text;
    for (int layer = 1; layer <= kLayers; ++layer)
        for (int y = 1; y <= kRows; ++y)
            for (int x = 1; x <= kColumns; ++x)
                if (grid.At(x, y, layer))
                    text += "T  " + Hex(x - 2) + Hex(y - 2) + Hex(layer - 1) + eol;
    return text;
}

// A rejected file names itself and its fault, and hands back nothing to play.
void ExpectRejected(const LayoutLoad& load, const std::string& fault) {
    EXPECT_FALSE(load.ok);
    EXPECT_EQ(load.Message().rfind("sample.x: ", 0), 0u) << load.Message();
    EXPECT_NE(load.reason.find(fault), std::string::npos) << load.Message();
    EXPECT_EQ(load.grid.PositionCount(), 0);
    EXPECT_TRUE(load.name.empty());
}

class TempFolder : public ::testing::Test {
  protected:
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("quorin-layouts-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }
    std::string PathOf(const std::string& name) const { return (dir / name).string(); }
    void Write(const std::string& name, const std::string& text) const {
        std::ofstream(dir / name, std::ios::binary) << text;
    }
    std::string Read(const std::string& name) const {
        std::ifstream in(dir / name, std::ios::binary);
        std::ostringstream ss;
        ss << in.rdbuf();
        return ss.str();
    }

    fs::path dir;
};

TEST_F(TempFolder, WrittenLayoutReadsBackTheSame) {
    const LayoutGrid grid = SampleGrid();
    ASSERT_EQ(WriteLayFile(PathOf("Mine.lay"), "My own layout", grid), "");
    const std::string text = Read("Mine.lay");
    EXPECT_EQ(text, "Quorin 3.0\r\nMy own layout\r\n" + Digits(grid) + "\r\n");

    const LayoutLoad load = ReadLayoutFile(PathOf("Mine.lay"));
    ASSERT_TRUE(load.ok) << load.Message();
    EXPECT_EQ(load.grid, grid);
    EXPECT_EQ(load.name, "My own layout");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1)
        << "a temporary file was left behind";
}

TEST_F(TempFolder, WritingReplacesTheOldFile) {
    Write("Mine.lay", "something else, longer than the new file will be" + std::string(5000, 'x'));
    ASSERT_EQ(WriteLayFile(PathOf("Mine.lay"), "Again", SampleGrid()), "");
    const LayoutLoad load = ReadLayoutFile(PathOf("Mine.lay"));
    ASSERT_TRUE(load.ok) << load.Message();
    EXPECT_EQ(load.name, "Again");
}

TEST_F(TempFolder, NameWithALineBreakStillGivesAReadableFile) {
    ASSERT_EQ(WriteLayFile(PathOf("Mine.lay"), "Two\r\nlines\n", SampleGrid()), "");
    const LayoutLoad load = ReadLayoutFile(PathOf("Mine.lay"));
    ASSERT_TRUE(load.ok) << load.Message();
    EXPECT_EQ(load.name, "Two  lines ");
    EXPECT_EQ(load.grid, SampleGrid());
}

TEST_F(TempFolder, WritingIntoAMissingFolderFails) {
    const std::string path = PathOf("no/such/folder/Mine.lay");
    EXPECT_NE(WriteLayFile(path, "Mine", SampleGrid()), "");
    EXPECT_FALSE(fs::exists(path));
}

TEST_F(TempFolder, MissingFileIsAnError) {
    const LayoutLoad load = ReadLayoutFile(PathOf("Gone.lay"));
    EXPECT_FALSE(load.ok);
    EXPECT_NE(load.Message().find("Gone.lay"), std::string::npos);
    EXPECT_EQ(load.reason, "No such file or directory");
}

// A FIFO would block the game and a huge file exhaust its memory: both are refused with
// the reason before anything is read.
TEST_F(TempFolder, OnlyRegularFilesOfSaneSizeAreRead) {
    fs::create_directory(dir / "Folder.lay");
    EXPECT_EQ(ReadLayoutFile(PathOf("Folder.lay")).reason, "it is a folder");
    ASSERT_EQ(::mkfifo(PathOf("Pipe.lay").c_str(), 0600), 0);
    EXPECT_EQ(ReadLayoutFile(PathOf("Pipe.lay")).reason, "it is not a regular file");
    Write("Huge.lay", LayText(Digits(SampleGrid())));
    fs::resize_file(dir / "Huge.lay", 2 << 20);
    const LayoutLoad huge = ReadLayoutFile(PathOf("Huge.lay"));
    EXPECT_FALSE(huge.ok);
    EXPECT_NE(huge.reason.find("larger than"), std::string::npos) << huge.reason;
}

TEST_F(TempFolder, ExtensionChoosesTheFormat) {
    Write("Shape.SHP", ShpText(SampleGrid()));
    Write("Shape.lay", ShpText(SampleGrid()));
    const LayoutLoad shp = ReadLayoutFile(PathOf("Shape.SHP"));
    ASSERT_TRUE(shp.ok) << shp.Message();
    EXPECT_EQ(shp.grid, SampleGrid());
    EXPECT_FALSE(ReadLayoutFile(PathOf("Shape.lay")).ok);
}

TEST(LayFormat, LineEndsMayBeCrLfOrLf) {
    const std::string cells = Digits(SampleGrid());
    for (const std::string& text :
         {LayText(cells, "\r\n"), LayText(cells, "\n"), "Quorin 3.0\nSample\r\n" + cells}) {
        const LayoutLoad load = ParseLay(text, "sample.x");
        ASSERT_TRUE(load.ok) << load.Message();
        EXPECT_EQ(load.grid, SampleGrid());
        EXPECT_EQ(load.name, "Sample");
    }
}

TEST(LayFormat, DamagedFilesAreRejected) {
    const std::string cells = Digits(SampleGrid());
    ExpectRejected(ParseLay("", "sample.x"), "not a layout file");
    ExpectRejected(ParseLay(LayText(cells, "\r\n", "Quorin 2.0"), "sample.x"), "not a layout file");
    ExpectRejected(ParseLay(LayText(cells, "\r\n", "quorin 3.0"), "sample.x"), "not a layout file");
    ExpectRejected(ParseLay("Quorin 3.0\r\nSample\r\n", "sample.x"), "missing");
    ExpectRejected(ParseLay(LayText(cells.substr(1)), "sample.x"), "3399 cells, 3400 expected");
    ExpectRejected(ParseLay(LayText(cells + "0"), "sample.x"), "3401 cells, 3400 expected");
    std::string two = cells;
    two[99] = '2';
    ExpectRejected(ParseLay(LayText(two), "sample.x"), "cell 100 of line 3 is '2'");
    std::string space = cells;
    space[0] = ' ';
    ExpectRejected(ParseLay(LayText(space), "sample.x"), "cell 1 of line 3");
}

TEST(LayFormat, UnplayableGridsAreRejected) {
    LayoutGrid short1 = SampleGrid();
    short1.Set(2, 2, 1, 0);
    ExpectRejected(ParseLay(LayText(Digits(short1)), "sample.x"),
                   "has 143 tile positions, 144 expected");
    LayoutGrid empty;
    ExpectRejected(ParseLay(LayText(Digits(empty)), "sample.x"), "has 0 tile positions");
    LayoutGrid overlap = SampleGrid();
    overlap.Set(33, 12, 3, 0);
    overlap.Set(3, 3, 1, 1);  // shares a cell with (2, 2, 1)
    ExpectRejected(ParseLay(LayText(Digits(overlap)), "sample.x"), "overlap");
}

TEST(LayoutFault, PositionsMayTouchButNotOverlap) {
    EXPECT_EQ(LayoutFault(SampleGrid()), "");
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy) {
            if (dx == 0 && dy == 0)
                continue;
            LayoutGrid grid = SampleGrid();
            grid.Set(33, 12, 3, 0);
            grid.Set(30, 16, 1, 1);
            grid.Set(30 + dx, 16 + dy, 1, 1);
            grid.Set(22, 4, 1, 0);
            ASSERT_EQ(grid.PositionCount(), 144);
            EXPECT_NE(LayoutFault(grid).find("overlap"), std::string::npos) << dx << " " << dy;
        }
    LayoutGrid stacked = SampleGrid();
    stacked.Set(33, 12, 3, 0);
    stacked.Set(2, 2, 5, 1);  // straight above another position: fine
    EXPECT_EQ(LayoutFault(stacked), "");
}

TEST(LayoutFault, LayersInUseAreCounted) {
    EXPECT_EQ(LayerCount(SampleGrid()), 3);
    EXPECT_EQ(LayerCount(LayoutGrid{}), 0);
}

TEST(ShpFormat, RecordsAreReadFromCharactersFourToNine) {
    const LayoutLoad load = ParseShp(ShpText(SampleGrid()), "sample.x");
    ASSERT_TRUE(load.ok) << load.Message();
    EXPECT_EQ(load.grid, SampleGrid());
    EXPECT_TRUE(load.name.empty());
    EXPECT_NE(ShpText(SampleGrid()).find("T  000000\r\n"), std::string::npos);
    EXPECT_NE(ShpText(SampleGrid()).find("T  1F0A02\r\n"), std::string::npos);
}

TEST(ShpFormat, SingleRecords) {
    // 143 records elsewhere, then the record under test.
    LayoutGrid rest = SampleGrid();
    rest.Set(2, 2, 1, 0);
    rest.Set(33, 12, 3, 0);
    rest.Set(30, 16, 1, 1);
    const std::string others = ShpText(rest);
    auto With = [&](const std::string& record) { return ParseShp(others + record, "sample.x"); };

    LayoutLoad a = With("abc000000xyz");
    ASSERT_TRUE(a.ok) << a.Message();
    EXPECT_EQ(a.grid.At(2, 2, 1), 1);
    LayoutLoad b = With("   1F0A02");
    ASSERT_TRUE(b.ok) << b.Message();
    EXPECT_EQ(b.grid.At(33, 12, 3), 1);
    // Only upper-case letters are hexadecimal: "0a" is 42, beyond the last column.
    ExpectRejected(With("   0a0A02"), "line 144 puts a tile at (44, 12, 3), outside the board");
    ExpectRejected(With("   001400"), "outside the board");  // row 22
    ExpectRejected(With("   000005"), "outside the board");  // layer 6
    ExpectRejected(With("   0000"), "line 144 is too short");
    ExpectRejected(With("   00000"), "line 144 is too short");
    ExpectRejected(With(""), "has 143 lines, at least 144 expected");
}

TEST(ShpFormat, OnlyTheFirst144LinesCount) {
    const std::string text = ShpText(SampleGrid(), "\n") + "garbage\n\n   0a0a0a\n";
    const LayoutLoad load = ParseShp(text, "sample.x");
    ASSERT_TRUE(load.ok) << load.Message();
    EXPECT_EQ(load.grid, SampleGrid());
}

TEST(ShpFormat, DuplicateRecordLeavesTooFewPositions) {
    std::string text = ShpText(SampleGrid());
    text.replace(0, 9, "T  020000");  // the second record twice, the first not at all
    ExpectRejected(ParseShp(text, "sample.x"), "tile positions, 144 expected");
}

TEST(HexByte, DigitsAndUpperCaseLetters) {
    EXPECT_EQ(HexByte('0', '0'), 0);
    EXPECT_EQ(HexByte('0', '9'), 9);
    EXPECT_EQ(HexByte('0', 'A'), 10);
    EXPECT_EQ(HexByte('1', 'F'), 31);
    EXPECT_EQ(HexByte('F', 'F'), 255);
    EXPECT_EQ(HexByte('0', 'a'), 42);
    EXPECT_EQ(HexByte('0', 'G'), 16);
}

}  // namespace
}  // namespace quorin
