#include "mainwindow/Settings.h"

#include <gtest/gtest.h>

#include "TempFolder.h"

namespace quorin {
namespace {

using test::ReadBytes;
using test::TempFolder;
using test::WriteBytes;

class SettingsTest : public ::testing::Test {
  protected:
    TempFolder folder_;
    std::string path_ = folder_.File("Quorin.ini");
};

TEST_F(SettingsTest, AFirstRunWritesEveryKeyInOrderWithItsDefault) {
    IniFile file(path_);
    const Settings settings = Settings::Read(file, 1280);
    Settings expected;
    expected.PreviousRes = 1280;
    EXPECT_EQ(settings, expected);

    settings.Write(file);
    ASSERT_EQ(file.Save(), "");
    EXPECT_EQ(
        ReadBytes(path_),
        "[Quorin]\r\n"
        "Highlight=3\r\nInvert=0\r\nShowMoves=1\r\nPlayMusic=1\r\nPlaySounds=1\r\n"
        "CurrentPlayer1=Player1\r\nColorBackground=8421376\r\nBackground=4\r\n"
        "BoardNumber=-1\r\nMidiNumber=-1\r\nTileset=3\r\nSetRes800=0\r\n"
        "LastLoadedTileset=\r\nLastLoadedBackground=\r\nStartDirectly=0\r\n"
        "StartMusic=1\r\nShowHallOfFame=1\r\nShowToolbar=1\r\nShowStatus=1\r\n"
        "ShowGirls=1\r\nCoolMenu=1\r\nCoolMouse=1\r\nCoolStatus=1\r\nCoolToolbar=1\r\n"
        "TileRivers=1\r\nShowTime=1\r\nFlatButtons=1\r\nEnableHall=1\r\nShadows=1\r\n"
        "Vertical=0\r\nWinnable=0\r\nShuffable=1\r\nAnimate=0\r\nAnimateClicks=0\r\n"
        "PauseFocus=1\r\nShowTile=0\r\nOnlyPossible=0\r\nRandomMusic=0\r\n"
        "RandomSeed=0\r\nXPos=0\r\nYPos=0\r\nWPos=0\r\nHPos=0\r\nPreviousRes="
        "1280\r\nWarnUnwinnable=0\r\nWindowWidth=0\r\nWindowHeight=0\r\nWindowMaximized=0\r\n");
}

TEST_F(SettingsTest, EveryValueSurvivesARun) {
    Settings s;
    s.HighlightMode = 1;
    s.CurrentPlayer = "Zoé";
    s.BackgroundColor = 0x0000FF;
    s.Background = 3;
    s.CurrentLayout = 110;
    s.MusicIndex = 5;
    s.Tileset = 0;
    s.LastTilesetFile = "Tilesets/mine.bmp";
    s.LastBackgroundFile = "Backgrounds/sky blue.jpg";
    s.SeedNumber = 123456789;
    s.XPos = -20;
    s.YPos = 40;
    s.PreviousRes = 1920;
    // Every boolean the other way round.
    for (bool* flag : {&s.Invert,        &s.Moves,        &s.PlayMusic,       &s.PlaySounds,
                       &s.Res800,        &s.StartupGame,  &s.StartMusic,      &s.ShowHallFame,
                       &s.Toolbar1,      &s.ShowTitle,    &s.ShowGirls,       &s.CoolMenu1,
                       &s.CoolMouse,     &s.CoolStatus,   &s.CoolToolbar,     &s.AnimateTileRivers,
                       &s.ShowTime,      &s.FlatButtons,  &s.EnableHall,      &s.Shadows,
                       &s.Vertical,      &s.Winnable,     &s.Shuffable,       &s.Animate,
                       &s.AnimateClicks, &s.GoCheckPause, &s.ShowCurrentTile, &s.OnlyPossibleMoves,
                       &s.RandomMusic})
        *flag = !*flag;
    s.WPos = 800;
    s.HPos = 600;
    {
        IniFile file(path_);
        s.Write(file);
        ASSERT_EQ(file.Save(), "");
    }
    const Settings back = Settings::Read(IniFile(path_), 1024);
    Settings expected = s;
    expected.WPos = 0;  // the size is recorded, never read back
    expected.HPos = 0;
    EXPECT_EQ(back, expected);
    EXPECT_NE(ReadBytes(path_).find("\r\nWPos=800\r\nHPos=600\r\n"), std::string::npos);
}

TEST_F(SettingsTest, HandEditedValuesReadTheWayTheGameAlwaysReadThem) {
    WriteBytes(path_,
               "[quorin]\r\n"
               "ColorBackground=0xFF\r\n"
               "Highlight=abc\r\n"
               "CurrentPlayer1=   Bob\r\n"
               "Invert=2\r\n"
               "Background=9\r\n"
               "Tileset=-1\r\n"
               "BoardNumber=12x\r\n");
    IniFile file(path_);
    const Settings s = Settings::Read(file, 800);
    EXPECT_EQ(s.BackgroundColor, 255u);  // pure red
    EXPECT_EQ(s.HighlightMode, 3);
    EXPECT_EQ(s.CurrentPlayer, "Bob");
    EXPECT_TRUE(s.Invert);
    EXPECT_EQ(s.Background, 4);
    EXPECT_EQ(s.Tileset, 3);
    EXPECT_EQ(s.CurrentLayout, -1);
    EXPECT_EQ(s.PreviousRes, 800);

    s.Write(file);
    EXPECT_EQ(file.ReadString("Quorin", "Invert", ""), "1");
    EXPECT_EQ(file.ReadString("Quorin", "ColorBackground", ""), "255");
}

TEST_F(SettingsTest, WritingKeepsWhatTheGameDoesNotKnow) {
    WriteBytes(path_,
               "; my settings\r\n"
               "[Quorin]\r\n"
               "Highlight=1\r\n"
               "MyOwnKey=kept\r\n"
               "\r\n"
               "[Elsewhere]\r\n"
               "Other=value\r\n");
    IniFile file(path_);
    Settings::Read(file, 1024).Write(file);
    ASSERT_EQ(file.Save(), "");
    const std::string text = ReadBytes(path_);
    EXPECT_EQ(
        text.rfind("; my settings\r\n[Quorin]\r\nHighlight=1\r\nMyOwnKey=kept\r\nInvert=0\r\n", 0),
        0u)
        << text;
    EXPECT_NE(text.find("WindowMaximized=0\r\n\r\n[Elsewhere]\r\nOther=value\r\n"),
              std::string::npos)
        << text;
}

}  // namespace
}  // namespace quorin
