#include "games/SavedGame.h"

#include <charconv>
#include <cstdio>
#include <set>
#include <tuple>
#include <utility>
#include <vector>

#include "games/Memory.h"

namespace quorin {

namespace {

using G = ClicksGrid;

// Nothing the game deals has more pieces than a Clicks grid.
constexpr int kMostPieces = G::kPieces;

std::string Hex64(uint64_t v) {
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(v));
    return text;
}

std::string GridDigits(const ClicksGrid& grid) {
    std::string digits(G::kCells, '0');
    for (size_t k = 0; k < G::kCells; ++k)
        digits[k] = static_cast<char>('0' + grid.cells[k]);
    return digits;
}

void AppendPosition(std::string& out, const char* key, int tile, int x, int y, int layer) {
    out += key;
    for (const int v : {tile, x, y, layer}) {
        out += ' ';
        out += std::to_string(v);
    }
    out += '\n';
}

// The lines of a saved game, each split into its key and the rest.
class Lines {
  public:
    explicit Lines(std::string_view text) : text_(text) {}

    // The next line, whole; false at the end of the text.
    bool NextLine(std::string_view& line) {
        if (pos_ >= text_.size())
            return false;
        size_t end = text_.find('\n', pos_);
        if (end == std::string_view::npos)
            end = text_.size();
        line = text_.substr(pos_, end - pos_);
        pos_ = end + 1;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        ++number_;
        return true;
    }
    // The next line split at its first space.
    bool Next(std::string_view& key, std::string_view& rest) {
        std::string_view line;
        if (!NextLine(line))
            return false;
        const size_t space = line.find(' ');
        key = line.substr(0, space);
        rest = space == std::string_view::npos ? std::string_view() : line.substr(space + 1);
        return true;
    }
    int Number() const { return number_; }

  private:
    std::string_view text_;
    size_t pos_ = 0;
    int number_ = 0;
};

// Whole numbers separated by single spaces, exactly `count` of them.
bool Numbers(std::string_view rest, std::vector<int64_t>& out, size_t count) {
    out.clear();
    const char* p = rest.data();
    const char* end = rest.data() + rest.size();
    while (p < end) {
        int64_t v = 0;
        const auto [next, ec] = std::from_chars(p, end, v);
        if (ec != std::errc() || next == p)
            return false;
        out.push_back(v);
        p = next;
        if (p < end) {
            if (*p != ' ')
                return false;
            ++p;
        }
    }
    return out.size() == count;
}

bool InRange(int64_t v, int64_t low, int64_t high) {
    return v >= low && v <= high;
}

bool ParseGrid(std::string_view digits, ClicksGrid& grid) {
    if (digits.size() != G::kCells)
        return false;
    for (size_t k = 0; k < G::kCells; ++k) {
        const char c = digits[k];
        if (c < '0' || c > '6')
            return false;
        grid.cells[k] = static_cast<uint8_t>(c - '0');
    }
    // Pieces stand only on the playing cells: the empty ring stops every flood fill.
    for (int n = 0; n < G::kColumns; ++n)
        for (int i = 0; i < G::kRows; ++i) {
            const bool inPlay = n >= G::kFirstColumn && n <= G::kLastColumn && i >= G::kFirstRow &&
                                i <= G::kLastRow;
            if (!inPlay && grid.At(n, i) != 0)
                return false;
        }
    return true;
}

int CountPieces(const ClicksGrid& grid) {
    int n = 0;
    for (const uint8_t c : grid.cells)
        n += c != 0;
    return n;
}

struct Reader {
    SavedGameRead result;

    bool Fail(const Lines& lines, const std::string& what) {
        result.ok = false;
        result.error = "line " + std::to_string(lines.Number()) + ": " + what;
        return false;
    }
};

// The magic line, the version and the header lines, up to the line after them.
bool ReadHeader(Lines& lines, Reader& r) {
    std::string_view magic, key, rest;
    if (!lines.NextLine(magic) || magic != kSavedGameMagic)
        return r.Fail(lines, "this is not a saved game");
    std::vector<int64_t> v;
    if (!lines.Next(key, rest) || key != "version" || !Numbers(rest, v, 1))
        return r.Fail(lines, "the version is missing");
    if (v[0] != kSavedGameVersion) {
        r.result.otherVersion = true;
        return r.Fail(lines, "version " + std::to_string(v[0]) + " is not known to this program");
    }
    if (!lines.Next(key, rest) || key != "mode" || !Numbers(rest, v, 1) ||
        !InRange(v[0], ModeSolitaire, ModeClicks))
        return r.Fail(lines, "the kind of game is missing or unknown");
    r.result.header.mode = static_cast<uint8_t>(v[0]);
    // "layout NUMBER PRINT NAME": the name is the rest of the line and may hold spaces.
    if (!lines.Next(key, rest) || key != "layout")
        return r.Fail(lines, "the layout is missing");
    const size_t a = rest.find(' ');
    const size_t b = a == std::string_view::npos ? a : rest.find(' ', a + 1);
    if (b == std::string_view::npos || !Numbers(rest.substr(0, a), v, 1) ||
        !InRange(v[0], 0, 999) || rest.substr(a + 1, b - a - 1).size() != 16)
        return r.Fail(lines, "the layout line is damaged");
    r.result.header.layoutNumber = static_cast<int32_t>(v[0]);
    const std::string_view print = rest.substr(a + 1, 16);
    uint64_t value = 0;
    const auto [end, ec] = std::from_chars(print.data(), print.data() + print.size(), value, 16);
    if (ec != std::errc() || end != print.data() + print.size())
        return r.Fail(lines, "the layout line is damaged");
    r.result.header.layoutPrint = value;
    r.result.header.layoutName = std::string(rest.substr(b + 1));
    return true;
}

}  // namespace

uint64_t LayoutFingerprint(const LayoutGrid& grid) {
    uint64_t h = 1469598103934665603ull;  // FNV-1a
    for (int k = 0; k < kLayoutCells; ++k) {
        h ^= grid[k];
        h *= 1099511628211ull;
    }
    return h;
}

std::string FormatSavedGame(const GameState& s, uint8_t mode, uint32_t now,
                            std::string_view layoutName) {
    const bool paused = s.GameMode == ModePaused;
    const bool two = mode == ModeTwoPlayers;
    // The two players' overall clock runs through pauses; every other clock stops.
    const uint32_t elapsed =
        paused && !two ? static_cast<uint32_t>(s.PausedElapsed) : now - s.StartTick;
    const uint32_t turn1 = paused ? static_cast<uint32_t>(s.PausedTurn1) : now - s.Player1Tick;
    const uint32_t turn2 = paused ? static_cast<uint32_t>(s.PausedTurn2) : now - s.Player2Tick;

    std::string out;
    out.reserve(mode == ModeClicks ? G::kCells * (s.ClicksUndoDepth + 2) + 512 : 6000);
    out += kSavedGameMagic;
    out += "\nversion " + std::to_string(kSavedGameVersion);
    out += "\nmode " + std::to_string(mode);
    const bool solitaire = mode == ModeSolitaire || two;
    out += "\nlayout " + std::to_string(s.CurrentLayout) + ' ' +
           Hex64(solitaire ? LayoutFingerprint(s.layout) : 0) + ' ';
    // One line per field: a name is never allowed to start another.
    for (const char c : layoutName)
        out += c == '\n' || c == '\r' ? ' ' : c;
    out += "\nseed " + std::to_string(s.SeedNumber) + ' ' + (s.options.RandomSeed1 ? "1" : "0");
    out += std::string("\nvertical ") + (s.options.Vertical ? "1" : "0");
    out += "\ntiles " + std::to_string(s.TotalTiles) + ' ' + std::to_string(s.TilesLeft);
    out += "\nclock " + std::to_string(elapsed) + ' ' + std::to_string(s.PenaltySeconds);
    out += "\nplayers " + std::to_string(s.PlayerTwoTurn ? 1 : 0) + ' ' +
           std::to_string(s.Player1Millis) + ' ' + std::to_string(s.Player2Millis) + ' ' +
           std::to_string(two ? turn1 : 0) + ' ' + std::to_string(two ? turn2 : 0);
    out += "\nselected " + std::to_string(s.Selected1) + ' ' + std::to_string(s.Selected2);
    out += "\nmemory " + std::to_string(s.MemoryCountdown);
    out += '\n';
    if (mode == ModeClicks) {
        out += "clicks " + GridDigits(s.Clicks) + '\n';
        for (int d = 1; d <= s.ClicksUndoDepth && d <= G::kMaxMoves; ++d)
            out += "undo " + GridDigits(s.ClicksHistory[static_cast<size_t>(d)]) + '\n';
    } else {
        for (int t = 1; t <= s.TotalTiles && t <= kTileCount; ++t) {
            const TilePosition p = s.board.TilePos[t];
            if (p.OnBoard())
                AppendPosition(out, "at", t, p.x, p.y, p.layer);
        }
        const int removed = s.TotalTiles - s.TilesLeft;
        for (int k = 0; k < removed && k < kTileCount; ++k) {
            const MoveEntry& m = s.board.MoveHistory[static_cast<size_t>(k)];
            AppendPosition(out, "moved", m.tile, m.x, m.y, m.layer);
        }
    }
    out += "end\n";
    return out;
}

SavedGameRead ReadSavedGameHeader(std::string_view text) {
    Lines lines(text);
    Reader r;
    if (ReadHeader(lines, r))
        r.result.ok = true;
    return r.result;
}

SavedGameRead RestoreSavedGame(std::string_view text, GameState& state, uint32_t now) {
    Lines lines(text);
    Reader r;
    if (!ReadHeader(lines, r))
        return r.result;
    const uint8_t mode = r.result.header.mode;
    const bool two = mode == ModeTwoPlayers;
    const bool solitaire = mode == ModeSolitaire || two;
    if (solitaire && r.result.header.layoutPrint != LayoutFingerprint(state.layout)) {
        r.result.error = "the layout is not the one the game was dealt on";
        return r.result;
    }

    auto fail = [&](const std::string& what) {
        r.Fail(lines, what);
        return r.result;
    };
    GameState g = state;
    std::string_view key, rest;
    std::vector<int64_t> v;
    auto expect = [&](const char* name, size_t count) {
        return lines.Next(key, rest) && key == name && Numbers(rest, v, count);
    };
    if (!expect("seed", 2) || !InRange(v[0], 0, INT32_MAX) || !InRange(v[1], 0, 1))
        return fail("the seed line is damaged");
    g.SeedNumber = static_cast<int32_t>(v[0]);
    g.options.RandomSeed1 = v[1] == 1;
    if (!expect("vertical", 1) || !InRange(v[0], 0, 1))
        return fail("the rule line is damaged");
    g.options.Vertical = v[0] == 1;
    const int most = mode == ModeClicks ? kMostPieces : kTileCount;
    if (!expect("tiles", 2) || !InRange(v[0], 2, most) || !InRange(v[1], 1, v[0]))
        return fail("the tile counts are damaged");
    g.TotalTiles = static_cast<int32_t>(v[0]);
    g.TilesLeft = static_cast<int32_t>(v[1]);
    if (!expect("clock", 2) || !InRange(v[0], 0, UINT32_MAX) || !InRange(v[1], 0, 1'000'000))
        return fail("the clock line is damaged");
    const auto elapsed = static_cast<uint32_t>(v[0]);
    g.PenaltySeconds = static_cast<int32_t>(v[1]);
    if (!expect("players", 5) || !InRange(v[0], 0, 1) || !InRange(v[1], 0, INT32_MAX) ||
        !InRange(v[2], 0, INT32_MAX) || !InRange(v[3], 0, INT32_MAX) ||
        !InRange(v[4], 0, INT32_MAX))
        return fail("the players' clocks are damaged");
    g.PlayerTwoTurn = v[0] == 1;
    g.Player1Millis = static_cast<int32_t>(v[1]);
    g.Player2Millis = static_cast<int32_t>(v[2]);
    const auto turn1 = static_cast<int32_t>(v[3]);
    const auto turn2 = static_cast<int32_t>(v[4]);
    if (!expect("selected", 2) || !InRange(v[0], 0, kTileCount) || !InRange(v[1], 0, kTileCount))
        return fail("the selection is damaged");
    g.Selected1 = static_cast<uint8_t>(v[0]);
    g.Selected2 = static_cast<uint8_t>(v[1]);
    if (!expect("memory", 1) || !InRange(v[0], 0, kMemoryShowTicks))
        return fail("the Memory line is damaged");
    g.MemoryCountdown = static_cast<int32_t>(v[0]);

    if (mode == ModeClicks) {
        if (!lines.Next(key, rest) || key != "clicks" || !ParseGrid(rest, g.Clicks) ||
            CountPieces(g.Clicks) != g.TilesLeft)
            return fail("the Clicks grid is damaged");
        g.ClicksUndoDepth = 0;
        while (lines.Next(key, rest) && key == "undo") {
            if (g.ClicksUndoDepth >= G::kMaxMoves ||
                !ParseGrid(rest, g.ClicksHistory[static_cast<size_t>(++g.ClicksUndoDepth)]))
                return fail("a move of the Clicks history is damaged");
        }
        g.Selected1 = g.Selected2 = 0;
        g.ElapsedSeconds = g.TilesLeft;
    } else {
        g.board.ClearCells();
        g.board.ClearPositions(kTileCount);
        g.board.MoveHistory = {};
        std::set<int> seen;
        std::set<std::tuple<int, int, int>> cells;
        int onBoard = 0, removed = 0;
        auto position = [&](bool history) {
            if (!Numbers(rest, v, 4) || !InRange(v[0], 1, g.TotalTiles) ||
                !LayoutGrid::InPlayArea(static_cast<int>(v[1]), static_cast<int>(v[2]),
                                        static_cast<int>(v[3])))
                return false;
            const int t = static_cast<int>(v[0]);
            const int x = static_cast<int>(v[1]), y = static_cast<int>(v[2]),
                      l = static_cast<int>(v[3]);
            // A solitaire tile stands on a position of its layout, and only one tile on each.
            if (!seen.insert(t).second || (solitaire && g.layout.At(x, y, l) != 1))
                return false;
            if (history) {
                g.board.MoveHistory[static_cast<size_t>(removed++)] = {static_cast<uint8_t>(t), x,
                                                                       y, l};
            } else {
                if (!cells.insert({x, y, l}).second)
                    return false;
                g.board.Place(t, x, y, l);
                ++onBoard;
            }
            return true;
        };
        bool more = lines.Next(key, rest);
        while (more && key == "at") {
            if (onBoard >= g.TilesLeft || !position(false))
                return fail("a tile's place is damaged");
            more = lines.Next(key, rest);
        }
        while (more && key == "moved") {
            if (removed >= g.TotalTiles - g.TilesLeft || !position(true))
                return fail("a move of the history is damaged");
            more = lines.Next(key, rest);
        }
        if (!more || onBoard != g.TilesLeft || removed != g.TotalTiles - g.TilesLeft)
            return fail("tiles are missing");
        for (const int t : {int(g.Selected1), int(g.Selected2)})
            if (t != 0 && !g.board.TilePos[static_cast<size_t>(t)].OnBoard())
                return fail("a selected tile is not on the board");
        g.ElapsedSeconds = static_cast<int32_t>(elapsed / 1000);
    }
    if (key != "end")
        return fail("the end of the game is missing");

    // Back as a paused game: going on starts every clock again from where it stood.
    g.GameMode = ModePaused;
    g.SavedMode = mode;
    g.CurrentLayout = r.result.header.layoutNumber;
    g.StartTick = now - elapsed;
    g.PausedElapsed = static_cast<int32_t>(elapsed);
    g.PausedTurn1 = turn1;
    g.PausedTurn2 = turn2;
    g.Player1Tick = now - static_cast<uint32_t>(turn1);
    g.Player2Tick = now - static_cast<uint32_t>(turn2);
    g.GameFinished = g.GameOverShown = g.ClickHandled = g.RiverFound = false;
    g.HintIndex = g.HintTile1 = g.HintTile2 = 0;
    g.SafeHintShown = false;
    g.HoverTile = 0;
    state = std::move(g);
    r.result.ok = true;
    return r.result;
}

}  // namespace quorin
