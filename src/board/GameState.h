// Everything the rules read and write: the board tables, the current layout, the
// counters of the game in progress and the options that steer the rules.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "board/BoardTables.h"
#include "board/LayoutGrid.h"

namespace quorin {

enum GameModes : uint8_t {
    ModeNone = 0,  // after leaving the layout editor, until the next game
    ModeSolitaire = 1,
    ModeTwoPlayers = 2,
    ModeRivers = 3,
    ModeMemory = 4,
    ModeClicks = 5,
    ModeEditor = 6,
    ModeGameOver = 7,  // welcome panel shown
    ModeIdle = 8,      // welcome panel and background shown
    ModePaused = 9,
};

constexpr bool IsGameInProgress(uint8_t mode) {
    return mode >= ModeSolitaire && mode <= ModeClicks;
}

// The options the rules read at the moment of use. The window keeps them in step with the
// check marks of their menu entries.
struct Options {
    bool Vertical = false;          // "Vertical Variation"
    bool Winnable = false;          // "Winnable Layouts (in at least one way)"
    bool Shuffable = true;          // "Winnable Shuffles (in at least one way)"
    bool Animate = false;           // "Animate Board while building the tiles"
    bool RandomSeed1 = false;       // a specific game is being played
    bool ShowGirls = true;          // "Show Manga Girls": the side panel follows the removals
    bool AnimateTileRivers = true;  // "Animate Tile Rivers in Mahjongg Rivers"
    bool AnimateClicks = false;     // "Animate Falling Tiles in Mahjongg Clicks"
};

// The Clicks grid: columns 0..20 of rows 0..14, column by column. Pieces stand on columns
// 2..19 and rows 2..13 (row numbers grow downwards); the ring of columns 1 and 20 and rows 1
// and 14 is always empty, so a flood fill stops at the border without bounds tests.
struct ClicksGrid {
    static constexpr int kColumns = 21, kRows = 15;
    static constexpr int kFirstColumn = 2, kLastColumn = 19;
    static constexpr int kFirstRow = 2, kLastRow = 13;
    static constexpr int kPieces = 18 * 12;
    // A move removes two pieces at least, so no game has more moves than this.
    static constexpr int kMaxMoves = kPieces / 2;

    static constexpr size_t Index(int n, int i) {
        return static_cast<size_t>(n) * kRows + static_cast<size_t>(i);
    }
    uint8_t& At(int n, int i) { return cells[Index(n, i)]; }
    uint8_t At(int n, int i) const { return cells[Index(n, i)]; }

    static constexpr size_t kCells = static_cast<size_t>(kColumns) * kRows;
    std::array<uint8_t, kCells> cells{};
};

struct GameState {
    BoardTables board;
    LayoutGrid layout;
    Options options;

    uint8_t GameMode = ModeNone;
    uint8_t SavedMode = ModeIdle;

    int32_t TotalTiles = kTileCount;
    int32_t TilesLeft = kTileCount;
    int32_t FreeCount = 0;
    int32_t MovesLeft = 0;

    uint8_t Selected1 = 0;
    uint8_t Selected2 = 0;
    int32_t PrevSelected2 = 0;
    uint8_t HoverTile = 0;

    int32_t HintIndex = 0;
    int32_t HintTile1 = 0;
    int32_t HintTile2 = 0;
    // The pair handed to the hint as keeping the board winnable was shown in this position:
    // the next presses go round the free pairs. Cleared whenever the board changes: a move, a
    // move taken back, a shuffle, a new or a restored game.
    bool SafeHintShown = false;

    int32_t PenaltySeconds = 0;
    int32_t ElapsedSeconds = 0;
    uint32_t StartTick = 0;
    int32_t PausedElapsed = 0;
    int32_t PausedTurn1 = 0;
    int32_t PausedTurn2 = 0;

    bool GameFinished = false;
    bool GameOverShown = false;
    bool ClickHandled = false;
    bool HallPanelDirty = false;

    bool PlayerTwoTurn = false;
    int32_t Player1Millis = 0;
    int32_t Player2Millis = 0;
    uint32_t Player1Tick = 0;
    uint32_t Player2Tick = 0;

    int32_t MemoryCountdown = 0;
    int32_t SeedNumber = 0;

    // A Rivers path is being walked by the travelling tile.
    bool RiverFound = false;

    // Clicks: the grid, and the grid as it was before each move (1..ClicksUndoDepth).
    ClicksGrid Clicks;
    std::array<ClicksGrid, ClicksGrid::kMaxMoves + 1> ClicksHistory{};
    int32_t ClicksUndoDepth = 0;

    int32_t EditorTilesLeft = 0;
    int32_t EditX = 0, EditY = 0, EditLayer = 0;

    // Pixel origin of the board inside the board image.
    int32_t BoardOriginX = 36;
    int32_t BoardOriginY = 25;

    int32_t CurrentLayout = 0;
    int32_t LayoutCount = 0;
    std::string LayoutPath;
    std::string LayoutName = "External Layout";
};

}  // namespace quorin
