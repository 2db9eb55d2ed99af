#include "mainwindow/Settings.h"

#include <array>
#include <type_traits>
#include <variant>

namespace quorin {

namespace {

using Field =
    std::variant<int Settings::*, bool Settings::*, std::string Settings::*, uint32_t Settings::*>;

struct Key {
    const char* name;
    Field field;
    bool read = true;  // the window's size is written for the record but never read back
};

// One table for both directions, so reading and writing can never disagree on a name or
// on the order of the file.
const std::array<Key, 48> kKeys{{
    {"Highlight", &Settings::HighlightMode},
    {"Invert", &Settings::Invert},
    {"ShowMoves", &Settings::Moves},
    {"PlayMusic", &Settings::PlayMusic},
    {"PlaySounds", &Settings::PlaySounds},
    {"CurrentPlayer1", &Settings::CurrentPlayer},
    {"ColorBackground", &Settings::BackgroundColor},
    {"Background", &Settings::Background},
    {"BoardNumber", &Settings::CurrentLayout},
    {"MidiNumber", &Settings::MusicIndex},
    {"Tileset", &Settings::Tileset},
    {"SetRes800", &Settings::Res800},
    {"LastLoadedTileset", &Settings::LastTilesetFile},
    {"LastLoadedBackground", &Settings::LastBackgroundFile},
    {"StartDirectly", &Settings::StartupGame},
    {"StartMusic", &Settings::StartMusic},
    {"ShowHallOfFame", &Settings::ShowHallFame},
    {"ShowToolbar", &Settings::Toolbar1},
    {"ShowStatus", &Settings::ShowTitle},
    {"ShowGirls", &Settings::ShowGirls},
    {"CoolMenu", &Settings::CoolMenu1},
    {"CoolMouse", &Settings::CoolMouse},
    {"CoolStatus", &Settings::CoolStatus},
    {"CoolToolbar", &Settings::CoolToolbar},
    {"TileRivers", &Settings::AnimateTileRivers},
    {"ShowTime", &Settings::ShowTime},
    {"FlatButtons", &Settings::FlatButtons},
    {"EnableHall", &Settings::EnableHall},
    {"Shadows", &Settings::Shadows},
    {"Vertical", &Settings::Vertical},
    {"Winnable", &Settings::Winnable},
    {"Shuffable", &Settings::Shuffable},
    {"Animate", &Settings::Animate},
    {"AnimateClicks", &Settings::AnimateClicks},
    {"PauseFocus", &Settings::GoCheckPause},
    {"ShowTile", &Settings::ShowCurrentTile},
    {"OnlyPossible", &Settings::OnlyPossibleMoves},
    {"RandomMusic", &Settings::RandomMusic},
    {"RandomSeed", &Settings::SeedNumber},
    {"XPos", &Settings::XPos},
    {"YPos", &Settings::YPos},
    {"WPos", &Settings::WPos, false},
    {"HPos", &Settings::HPos, false},
    {"PreviousRes", &Settings::PreviousRes},
    // Keys of our own come after those every settings file of the game has.
    {"WarnUnwinnable", &Settings::WarnUnwinnable},
    {"WindowWidth", &Settings::WindowWidth},
    {"WindowHeight", &Settings::WindowHeight},
    {"WindowMaximized", &Settings::WindowMaximized},
}};

constexpr uint32_t kColorMask = 0xFFFFFF;

void KeepInMenu(int& value, int last, int fallback) {
    if (value < 0 || value > last)
        value = fallback;
}

}  // namespace

Settings Settings::Read(const IniFile& file, int screenWidth) {
    Settings s;
    s.PreviousRes = screenWidth;
    for (const Key& key : kKeys) {
        if (!key.read)
            continue;
        std::visit(
            [&](auto member) {
                auto& value = s.*member;
                using T = std::decay_t<decltype(value)>;
                if constexpr (std::is_same_v<T, bool>)
                    value = file.ReadBool(kSettingsSection, key.name, value);
                else if constexpr (std::is_same_v<T, int>)
                    value = file.ReadInteger(kSettingsSection, key.name, value);
                else if constexpr (std::is_same_v<T, uint32_t>)
                    value = static_cast<uint32_t>(file.ReadInteger(kSettingsSection, key.name,
                                                                   static_cast<int>(value))) &
                            kColorMask;
                else
                    value = file.ReadString(kSettingsSection, key.name, value);
            },
            key.field);
    }
    const Settings defaults;
    KeepInMenu(s.HighlightMode, 4, defaults.HighlightMode);
    KeepInMenu(s.Background, 5, defaults.Background);
    KeepInMenu(s.Tileset, 4, defaults.Tileset);
    return s;
}

void Settings::Write(IniFile& file) const {
    for (const Key& key : kKeys) {
        std::visit(
            [&](auto member) {
                const auto& value = this->*member;
                using T = std::decay_t<decltype(value)>;
                if constexpr (std::is_same_v<T, bool>)
                    file.WriteBool(kSettingsSection, key.name, value);
                else if constexpr (std::is_same_v<T, int>)
                    file.WriteInteger(kSettingsSection, key.name, value);
                else if constexpr (std::is_same_v<T, uint32_t>)
                    file.WriteInteger(kSettingsSection, key.name,
                                      static_cast<int>(value & kColorMask));
                else
                    file.WriteString(kSettingsSection, key.name, value);
            },
            key.field);
    }
}

}  // namespace quorin
