// The game in progress as a file, so that closing the window, the session ending or the
// program being killed never loses it. The text starts with a magic line and a version;
// new fields are only ever appended, and a file of another version is refused whole.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "board/GameState.h"
#include "board/LayoutGrid.h"

namespace quorin {

inline constexpr std::string_view kSavedGameMagic = "Quorin saved game";
inline constexpr int kSavedGameVersion = 1;

// A layout's identity: a saved solitaire game is resumed only on the very grid it was
// dealt on, whatever the file it comes from is called.
uint64_t LayoutFingerprint(const LayoutGrid& grid);

// What a saved game says about itself before it is put on the board.
struct SavedGameHeader {
    uint8_t mode = ModeNone;  // the kind of game: ModeSolitaire .. ModeClicks
    int32_t layoutNumber = 0;
    std::string layoutName;    // as the Layout menu names it
    uint64_t layoutPrint = 0;  // solitaire only
};

// The game of kind `mode` in `state` at tick `now`, as the text of a saved game, with the
// name the Layout menu gives its layout. The clock is kept as the time played so far,
// whether the game is running or paused.
std::string FormatSavedGame(const GameState& state, uint8_t mode, uint32_t now,
                            std::string_view layoutName);

struct SavedGameRead {
    bool ok = false;
    bool otherVersion = false;  // a file of a version this program does not know
    std::string error;          // when not ok: what is wrong, for a message
    SavedGameHeader header;
};

// Reads the header of a saved game: what it is and which layout it needs.
SavedGameRead ReadSavedGameHeader(std::string_view text);

// Puts the saved game on `state`, whose layout the caller has already loaded (for solitaire,
// the grid whose fingerprint the header names). The game comes back paused at tick `now`:
// going on restarts its clocks where they stood. Nothing of `state` changes unless the whole
// file is sound: every tile on a position of its own, the removed ones in the move history.
SavedGameRead RestoreSavedGame(std::string_view text, GameState& state, uint32_t now);

}  // namespace quorin
