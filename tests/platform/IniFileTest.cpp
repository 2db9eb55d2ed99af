#include "platform/IniFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <climits>
#include <random>

#include "TempFolder.h"

namespace quorin {
namespace {

using test::ReadBytes;
using test::TempFolder;
using test::WriteBytes;

class IniFileTest : public ::testing::Test {
  protected:
    IniFile Open(const std::string& text) {
        WriteBytes(path_, text);
        return IniFile(path_);
    }
    TempFolder folder_;
    std::string path_ = folder_.File("test.ini");
};

TEST_F(IniFileTest, NamesIgnoreCaseAndValuesAreTrimmed) {
    IniFile ini = Open("[ Quorin ]\r\n  CurrentPlayer1 =  \t Bob Smith \t \r\n[other]\r\nx=1\r\n");
    EXPECT_EQ(ini.ReadString("quorin", "CURRENTPLAYER1", "?"), "Bob Smith");
    EXPECT_EQ(ini.ReadString("QUORIN", "currentplayer1", "?"), "Bob Smith");
    EXPECT_EQ(ini.ReadInteger("OTHER", "X", 0), 1);
    // A key belongs to its own section only.
    EXPECT_EQ(ini.ReadString("Quorin", "x", "?"), "?");
    EXPECT_EQ(ini.ReadString("Missing", "x", "fallback"), "fallback");
    EXPECT_TRUE(ini.LoadError().empty());
}

TEST_F(IniFileTest, NumbersAreDecimalOrHexAndAnythingElseGivesTheDefault) {
    const std::pair<const char*, int> cases[] = {
        {"0xFF", 255}, {"0X1a", 26}, {"0xFFFFFFFF", -1}, {" 7 ", 7},         {"-3", -3},
        {"0x", 99},    {"0xG1", 99}, {"12abc", 99},      {"2147483648", 99}, {"", 99},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(Open(std::string("[s]\nk=") + text + "\n").ReadInteger("s", "k", 99), expected)
            << "value '" << text << "'";

    IniFile ini = Open("[s]\ntwo=2\nword=yes\n");
    EXPECT_TRUE(ini.ReadBool("s", "two", false));
    EXPECT_FALSE(ini.ReadBool("s", "word", false));
    ini.WriteBool("s", "two", true);
    EXPECT_EQ(ini.Text(), "[s]\ntwo=1\nword=yes\n");
}

TEST_F(IniFileTest, TextValuesStopAt1023BytesWithoutSplittingACharacter) {
    IniFile ini = Open("[s]\nlong=" + std::string(2000, 'a') + "\nexact=" + std::string(1023, 'b') +
                       "\nutf8=" + std::string(1022, 'c') + "\xC3\xA9z\n");
    EXPECT_EQ(ini.ReadString("s", "long", ""), std::string(1023, 'a'));
    EXPECT_EQ(ini.ReadString("s", "exact", ""), std::string(1023, 'b'));
    EXPECT_EQ(ini.ReadString("s", "utf8", ""), std::string(1022, 'c'));
}

TEST_F(IniFileTest, ReadsCrLfLfCrByteOrderMarkAndALastLineWithoutEnd) {
    for (const std::string& text : {
             std::string("[s]\r\na=1\r\nb=two\r\n"),
             std::string("[s]\na=1\nb=two\n"),
             std::string("[s]\ra=1\rb=two\r"),
             std::string("[s]\r\r\na=1\n\rb=two"),
             std::string("\xEF\xBB\xBF[s]\r\na=1\nb=two"),
         }) {
        IniFile ini = Open(text);
        EXPECT_EQ(ini.ReadInteger("s", "a", 0), 1) << text;
        EXPECT_EQ(ini.ReadString("s", "b", ""), "two") << text;
        // Nothing written, nothing changed: not even the mark or the missing last end.
        EXPECT_EQ(ini.Text(), text);
    }
}

TEST_F(IniFileTest, OddLinesMeanNothingButStayInTheFile) {
    const std::string odd =
        "stray=before any section\r\n"
        "; a comment\r\n"
        "[s]\r\n"
        "no equals sign here\r\n"
        "=no key\r\n"
        ";hidden=1\r\n"
        "[unclosed\r\n";
    IniFile ini = Open(odd + "real = yes\r\n");
    EXPECT_EQ(ini.ReadString("", "stray", "-"), "-");
    EXPECT_EQ(ini.ReadString("s", ";hidden", "-"), "-");
    EXPECT_EQ(ini.ReadString("s", "real", "-"), "yes");
    ini.WriteString("s", "real", "no");
    EXPECT_EQ(ini.Text(), odd + "real=no\r\n");
}

TEST_F(IniFileTest, WritingTouchesOnlyTheLinesItWrites) {
    const std::string text =
        "; Settings, edited by hand\r\n"
        "[Quorin]\r\n"
        "  highlight = 2   \r\n"
        "Unknown=kept\r\n"
        "\r\n"
        "; the other section\r\n"
        "[Other]\r\n"
        "x = 1\r\n";
    IniFile ini = Open(text);
    ini.WriteInteger("QUORIN", "Highlight", 4);  // in place, spelled as the file spells it
    ini.WriteString("Quorin", "NewKey", " v ");  // after the section's last key
    ini.WriteInteger("Fresh", "Count", -7);      // a new section at the end
    ini.WriteString("Fresh", "Name", "line\nbreak");
    EXPECT_EQ(ini.Text(),
              "; Settings, edited by hand\r\n"
              "[Quorin]\r\n"
              "highlight=4\r\n"
              "Unknown=kept\r\n"
              "NewKey= v \r\n"
              "\r\n"
              "; the other section\r\n"
              "[Other]\r\n"
              "x = 1\r\n"
              "\r\n"
              "[Fresh]\r\n"
              "Count=-7\r\n"
              "Name=line break\r\n");
    EXPECT_EQ(ini.ReadString("quorin", "newkey", ""), "v");
    EXPECT_EQ(ini.ReadInteger("quorin", "highlight", 0), 4);
}

TEST_F(IniFileTest, AddedLinesFollowTheFileAndEndTheLastLine) {
    IniFile lf = Open("[s]\na=1");
    lf.WriteString("s", "b", "2");
    EXPECT_EQ(lf.Text(), "[s]\na=1\nb=2\n");
    IniFile cr = Open("[s]\ra=1\r");
    cr.WriteString("s", "a", "3");
    cr.WriteString("s", "b", "2");
    EXPECT_EQ(cr.Text(), "[s]\ra=3\rb=2\r");

    IniFile fresh(folder_.File("new.ini"));
    fresh.WriteString("s", "a", "1");
    fresh.WriteString("t", "b", "2");
    EXPECT_EQ(fresh.Text(), "[s]\r\na=1\r\n\r\n[t]\r\nb=2\r\n");
}

TEST_F(IniFileTest, EraseSectionRemovesEveryCopyAndKeepsTheRest) {
    IniFile ini = Open(
        "[Keep]\r\na=1\r\n\r\n[Gone]\r\nRank1=x\r\n; note\r\n\r\n"
        "[Keep2]\r\nb=2\r\n[gone]\r\nRank2=y\r\n");
    EXPECT_TRUE(ini.SectionExists("GONE"));
    ini.EraseSection("Gone");
    EXPECT_FALSE(ini.SectionExists("Gone"));
    EXPECT_EQ(ini.ReadString("gone", "Rank2", "-"), "-");
    EXPECT_EQ(ini.Text(), "[Keep]\r\na=1\r\n\r\n[Keep2]\r\nb=2\r\n");

    // A header without keys is nothing to a reader.
    EXPECT_FALSE(Open("[Empty]\r\n; just a comment\r\n").SectionExists("Empty"));
}

TEST_F(IniFileTest, SaveReplacesTheFileAndLeavesNoTemporaryBehind) {
    IniFile ini(path_);
    ini.WriteString("Quorin", "CurrentPlayer1", "Ann");
    ASSERT_EQ(ini.Save(), "");
    EXPECT_EQ(ReadBytes(path_), "[Quorin]\r\nCurrentPlayer1=Ann\r\n");

    ini.WriteString("Quorin", "CurrentPlayer1", "Bea");
    ASSERT_EQ(ini.Save(), "");
    EXPECT_EQ(IniFile(path_).ReadString("Quorin", "CurrentPlayer1", ""), "Bea");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_.Path()), {}), 1);
}

TEST_F(IniFileTest, AFailedSaveLeavesTheOldFileIntact) {
    const std::string old = "[Quorin]\r\nHighlight=1\r\n";
    IniFile ini = Open(old);
    ini.WriteInteger("Quorin", "Highlight", 2);

    // The temporary file cannot be made when its name is taken by a folder; root's
    // privileges do not get around that.
    std::filesystem::create_directory(path_ + ".tmp");
    const std::string message = ini.Save();
    EXPECT_EQ(message.rfind("Unable to write to " + path_ + ": ", 0), 0u) << message;
    EXPECT_EQ(ReadBytes(path_), old);
    std::filesystem::remove(path_ + ".tmp");

    IniFile missingFolder(folder_.File("no such folder/Quorin.ini"));
    EXPECT_EQ(missingFolder.Save(), "Unable to write to " +
                                        folder_.File("no such folder/Quorin.ini") +
                                        ": No such file or directory");

    // A non-empty folder where the file should be cannot be renamed over, and a path through
    // a regular file leads nowhere: neither bends to root's privileges.
    const std::string occupied = folder_.File("occupied.ini");
    std::filesystem::create_directory(occupied);
    WriteBytes(occupied + "/keep", "kept");
    IniFile overFolder(occupied);
    overFolder.WriteInteger("Quorin", "Highlight", 2);
    EXPECT_EQ(overFolder.Save().rfind("Unable to write to " + occupied + ": ", 0), 0u);
    EXPECT_EQ(ReadBytes(occupied + "/keep"), "kept");

    IniFile throughFile(path_ + "/Quorin.ini");
    EXPECT_EQ(throughFile.Save(), "Unable to write to " + path_ + "/Quorin.ini: Not a directory");
    EXPECT_EQ(ReadBytes(path_), old);
}

TEST_F(IniFileTest, SaveThroughALinkReplacesTheFileItNames) {
    const std::string real = folder_.File("real.ini");
    WriteBytes(real, "[s]\na=1\n");
    std::filesystem::create_symlink(real, path_);
    IniFile ini(path_);
    ini.WriteInteger("s", "a", 2);
    ASSERT_EQ(ini.Save(), "");
    EXPECT_TRUE(std::filesystem::is_symlink(path_));
    EXPECT_EQ(ReadBytes(real), "[s]\na=2\n");
}

TEST_F(IniFileTest, UnreadableFilesReadAsEmptyAndSayWhy) {
    EXPECT_EQ(IniFile(folder_.File("missing.ini")).LoadError(), "");

    const IniFile folder(folder_.Path().string());
    EXPECT_EQ(folder.LoadError(), "Unable to read " + folder_.Path().string() + ": it is a folder");
    EXPECT_EQ(folder.ReadInteger("s", "a", 3), 3);
}

// A file that exists but could not be read is never replaced, nor its mode copied.
TEST_F(IniFileTest, AFileThatCouldNotBeReadIsNeverOverwritten) {
    const std::string fifo = folder_.File("Quorin.ini");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    IniFile pipe(fifo);  // would block forever if it were opened
    EXPECT_EQ(pipe.LoadError(), "Unable to read " + fifo + ": it is not a regular file");
    pipe.WriteString("s", "a", "1");
    EXPECT_NE(pipe.Save(), "");
    EXPECT_TRUE(std::filesystem::is_fifo(fifo));

    WriteBytes(path_, "[s]\na=1\n");
    std::filesystem::resize_file(path_, 5 << 20);  // beyond any settings file
    IniFile huge(path_);
    EXPECT_NE(huge.LoadError(), "");
    EXPECT_NE(huge.Save(), "");
    EXPECT_EQ(std::filesystem::file_size(path_), 5u << 20);
}

TEST_F(IniFileTest, ANewFileGetsTheNormalModeAndAnOldOneKeepsItsOwn) {
    const mode_t mask = ::umask(022);
    IniFile fresh(path_);
    fresh.WriteString("s", "a", "1");
    ASSERT_EQ(fresh.Save(), "");
    EXPECT_EQ(std::filesystem::status(path_).permissions(), std::filesystem::perms(0644));
    std::filesystem::permissions(path_, std::filesystem::perms(0600));
    IniFile old(path_);
    old.WriteString("s", "a", "2");
    ASSERT_EQ(old.Save(), "");
    EXPECT_EQ(std::filesystem::status(path_).permissions(), std::filesystem::perms(0600));
    ::umask(mask);
}

TEST_F(IniFileTest, BinaryJunkReadsWithoutHarmAndCanBeWrittenOver) {
    // Junk rich in the characters the reader looks for.
    std::mt19937 random(2024);
    const std::string alphabet = std::string("[]=;\r\n \t\x00\xFF\xEF\xBB\xBF", 13) + "abcKk0x9";
    std::string junk;
    for (int i = 0; i < 200000; ++i)
        junk.push_back(alphabet[random() % alphabet.size()]);
    for (int i = 0; i < 200000; ++i)
        junk.push_back(static_cast<char>(random()));

    IniFile ini = Open(junk);
    EXPECT_EQ(ini.Text(), junk);
    ini.EraseSection("k");
    ini.WriteString("Quorin", "CurrentPlayer1", "Ann");
    ASSERT_EQ(ini.Save(), "");
    EXPECT_EQ(IniFile(path_).ReadString("QUORIN", "currentplayer1", ""), "Ann");
}

}  // namespace
}  // namespace quorin
