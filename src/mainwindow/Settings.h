// The player's options and the last choices of a run, as kept in Quorin.ini between runs.
// The file is read once at start-up and written once at close; in between the window holds
// these values in its menu check marks and fields.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/IniFile.h"

namespace quorin {

inline constexpr std::string_view kSettingsFileName = "Quorin.ini";
inline constexpr std::string_view kSettingsSection = "Quorin";

struct Settings {
    int HighlightMode = 3;  // 0 none, 1 red, 2 coloured tile, 3 green, 4 blue
    bool Invert = false;
    bool Moves = true;
    bool PlayMusic = true;
    bool PlaySounds = true;
    std::string CurrentPlayer = "Player1";
    uint32_t BackgroundColor = 0x808000;  // 24 bits, red in the low byte: a dark teal
    int Background = 4;      // 0 kanji, 1 dragons, 2 none, 3 from disk, 4 Andromeda, 5 Catpats
    int CurrentLayout = -1;  // "BoardNumber": a layout, a game 100..121, or -1 for Traditional
    int MusicIndex = -1;     // "MidiNumber": -1 for Night
    int Tileset = 3;         // 0 from disk, 1 orange, 2 dark, 3 blue borders, 4 few colours
    bool Res800 = false;
    std::string LastTilesetFile;
    std::string LastBackgroundFile;
    bool StartupGame = false;
    bool StartMusic = true;
    bool ShowHallFame = true;
    bool Toolbar1 = true;
    bool ShowTitle = true;
    bool ShowGirls = true;
    bool CoolMenu1 = true;
    bool CoolMouse = true;
    bool CoolStatus = true;
    bool CoolToolbar = true;
    bool AnimateTileRivers = true;
    bool ShowTime = true;
    bool FlatButtons = true;
    bool EnableHall = true;
    bool Shadows = true;
    bool Vertical = false;
    bool Winnable = false;
    bool Shuffable = true;
    bool Animate = false;
    bool AnimateClicks = false;
    bool GoCheckPause = true;
    bool WarnUnwinnable = false;  // "Warn when the game can no longer be won"
    bool ShowCurrentTile = false;
    bool OnlyPossibleMoves = false;
    bool RandomMusic = false;
    int SeedNumber = 0;  // "RandomSeed": the last specific game
    int XPos = 0;        // window position and size at the last close
    int YPos = 0;
    int WPos = 0;         // written only
    int HPos = 0;         // written only
    int PreviousRes = 0;  // screen width at the last close
    // The size the player gave the window, kept apart from WPos / HPos, which other
    // versions write and never read; 0 for the least size.
    int WindowWidth = 0;
    int WindowHeight = 0;
    bool WindowMaximized = false;

    // The settings of the file, with the defaults above for what is missing or unreadable;
    // PreviousRes defaults to `screenWidth`, so a first run keeps the stored window position.
    // A highlight, background or tileset number outside its menu gives its default, so the
    // window always has an entry to check.
    static Settings Read(const IniFile& file, int screenWidth);

    // Writes every key, in the file's usual order. The file reaches the disk only through
    // IniFile::Save().
    void Write(IniFile& file) const;

    bool operator==(const Settings&) const = default;
};

}  // namespace quorin
