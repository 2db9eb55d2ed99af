#include "games/Clicks.h"

#include <array>
#include <utility>
#include <vector>

namespace quorin {

namespace {

using G = ClicksGrid;

bool InPlay(int n, int i) {
    return n >= G::kFirstColumn && n <= G::kLastColumn && i >= G::kFirstRow && i <= G::kLastRow;
}

int CountPieces(const ClicksGrid& grid) {
    int count = 0;
    for (int n = G::kFirstColumn; n <= G::kLastColumn; ++n)
        for (int i = G::kFirstRow; i <= G::kLastRow; ++i)
            count += grid.At(n, i) != 0 ? 1 : 0;
    return count;
}

bool HasTwin(const ClicksGrid& grid, int n, int i) {
    const uint8_t v = grid.At(n, i);
    return grid.At(n + 1, i) == v || grid.At(n, i + 1) == v || grid.At(n - 1, i) == v ||
           grid.At(n, i - 1) == v;
}

}  // namespace

void DealClicks(GameState& state, Random& random, bool hard) {
    random.SeedFromClock();
    state.board.ClearCells();
    state.board.ClearPositions(kTileCount);
    state.CurrentLayout = hard ? kClicksHard : kClicksEasy;
    const uint32_t colours = hard ? 6 : 4;
    state.Clicks = {};
    for (int n = G::kFirstColumn; n <= G::kLastColumn; ++n)
        for (int i = G::kFirstRow; i <= G::kLastRow; ++i)
            state.Clicks.At(n, i) = static_cast<uint8_t>(random.Next(colours) + 1);
    state.ClicksUndoDepth = 0;
    state.TilesLeft = state.TotalTiles = G::kPieces;
    state.ElapsedSeconds = G::kPieces;
}

int ClicksMoves(const ClicksGrid& grid) {
    std::array<bool, G::kCells> seen{};
    std::vector<std::pair<int, int>> stack;
    int groups = 0;
    for (int n = G::kFirstColumn; n <= G::kLastColumn; ++n)
        for (int i = G::kFirstRow; i <= G::kLastRow; ++i) {
            const uint8_t v = grid.At(n, i);
            if (v == 0 || seen[G::Index(n, i)])
                continue;
            int size = 0;
            stack.assign(1, {n, i});
            seen[G::Index(n, i)] = true;
            while (!stack.empty()) {
                const auto [cn, ci] = stack.back();
                stack.pop_back();
                ++size;
                for (const auto& [dn, di] : {std::pair{1, 0}, {0, 1}, {-1, 0}, {0, -1}}) {
                    const int nn = cn + dn, ni = ci + di;
                    auto& mark = seen[G::Index(nn, ni)];
                    if (!mark && grid.At(nn, ni) == v) {
                        mark = true;
                        stack.emplace_back(nn, ni);
                    }
                }
            }
            if (size >= 2)
                ++groups;
        }
    return groups;
}

void ClicksGame::CountFree() {
    S().FreeCount = S().MovesLeft = ClicksMoves(S().Clicks);
}

bool SettleClicksPass(ClicksGrid& grid) {
    bool changed = false;
    for (int i = G::kFirstRow; i < G::kLastRow; ++i)
        for (int n = G::kFirstColumn; n <= G::kLastColumn; ++n)
            if (grid.At(n, i) != 0 && grid.At(n, i + 1) == 0) {
                grid.At(n, i + 1) = grid.At(n, i);
                grid.At(n, i) = 0;
                changed = true;
            }
    for (int n = G::kFirstColumn; n < G::kLastColumn; ++n) {
        if (grid.At(n, G::kLastRow) != 0)
            continue;
        bool piecesRight = false;
        for (int m = n + 1; m <= G::kLastColumn && !piecesRight; ++m)
            piecesRight = grid.At(m, G::kLastRow) != 0;
        if (!piecesRight)
            continue;
        for (int m = n; m < G::kLastColumn; ++m)
            for (int i = G::kFirstRow; i <= G::kLastRow; ++i)
                grid.At(m, i) = grid.At(m + 1, i);
        for (int i = G::kFirstRow; i <= G::kLastRow; ++i)
            grid.At(G::kLastColumn, i) = 0;
        changed = true;
    }
    return changed;
}

void ClicksGame::Start(bool hard) {
    DealClicks(S(), c_.random, hard);
    giveUpDeclined_ = false;
}

std::vector<FocusTarget> ClicksGame::FocusTargets() const {
    const GameState& s = S();
    std::vector<FocusTarget> targets;
    std::array<bool, G::kCells> seen{};
    std::vector<std::pair<int, int>> stack;
    for (int n = G::kFirstColumn; n <= G::kLastColumn; ++n)
        for (int i = G::kFirstRow; i <= G::kLastRow; ++i) {
            const uint8_t v = s.Clicks.At(n, i);
            if (v == 0 || seen[G::Index(n, i)])
                continue;
            // The whole group is marked, so that it is offered once.
            stack.assign(1, {n, i});
            seen[G::Index(n, i)] = true;
            int size = 0;
            while (!stack.empty()) {
                const auto [a, b] = stack.back();
                stack.pop_back();
                ++size;
                for (const auto& [da, db] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
                    const int na = a + da, nb = b + db;
                    if (InPlay(na, nb) && !seen[G::Index(na, nb)] && s.Clicks.At(na, nb) == v) {
                        seen[G::Index(na, nb)] = true;
                        stack.push_back({na, nb});
                    }
                }
            }
            if (size < 2)
                continue;
            // The cell a press lands in, by the inverse of ClicksCellAt.
            const int left = (n - 1) * kClicksPitch, top = (i - 1) * kClicksPitch - 16;
            targets.push_back({1000 + static_cast<int>(G::Index(n, i)),
                               left + kClicksPitch / 2 + s.BoardOriginX,
                               top + kClicksPitch / 2 + s.BoardOriginY, left + s.BoardOriginX,
                               top + s.BoardOriginY, kClicksPitch, kClicksPitch});
        }
    return targets;
}

void ClicksGame::Press(MouseButton button, int px, int py) {
    (void)button;
    GameState& s = S();
    const auto [n, i] = ClicksCellAt(px, py);
    // Points left of or above the board divide towards zero into column or row 1, which is
    // the empty ring, as is everything past the last cells.
    const uint8_t v = InPlay(n, i) ? s.Clicks.At(n, i) : 0;
    if (v == 0 || !HasTwin(s.Clicks, n, i)) {
        View().PlaySound(Sound::NoWay);
        return;
    }
    if (s.ClicksUndoDepth < G::kMaxMoves)
        s.ClicksHistory[static_cast<size_t>(++s.ClicksUndoDepth)] = s.Clicks;
    s.TilesLeft -= FloodFill(n, i, v);
    View().PlaySound(Sound::Done);
    for (;;) {
        const bool changed = SettleClicksPass(s.Clicks);
        if (s.options.AnimateClicks) {
            View().FullRedraw();
            View().RepaintNow();
        }
        if (!changed)
            break;
    }
    View().FullRedraw();
    View().RepaintNow();
    if (s.options.ShowGirls)
        View().RepaintSidePanel();
}

int ClicksGame::FloodFill(int n, int i, uint8_t colour) {
    // The ring of empty cells ends every branch at the border.
    ClicksGrid& grid = S().Clicks;
    std::vector<std::pair<int, int>> stack{{n, i}};
    int removed = 0;
    while (!stack.empty()) {
        const auto [cn, ci] = stack.back();
        stack.pop_back();
        if (grid.At(cn, ci) != colour)
            continue;
        grid.At(cn, ci) = 0;
        ++removed;
        stack.emplace_back(cn, ci - 1);
        stack.emplace_back(cn - 1, ci);
        stack.emplace_back(cn, ci + 1);
        stack.emplace_back(cn + 1, ci);
    }
    return removed;
}

bool ClicksGame::TakeBack() {
    GameState& s = S();
    if (s.TilesLeft >= s.TotalTiles || s.ClicksUndoDepth <= 0)
        return false;
    s.Clicks = s.ClicksHistory[static_cast<size_t>(s.ClicksUndoDepth)];
    s.TilesLeft = CountPieces(s.Clicks);
    --s.ClicksUndoDepth;
    return true;
}

bool ClicksGame::ClockStep() {
    S().ElapsedSeconds = S().TilesLeft;
    return false;
}

void ClicksGame::Finish() {
    if (S().TilesLeft == 0)
        S().ElapsedSeconds = 0;
}

bool ClicksGame::GiveUpDue() {
    const GameState& s = S();
    if (s.GameFinished || s.TilesLeft == 0 || giveUpDeclined_)
        return false;
    CountFree();
    return s.MovesLeft == 0;
}

bool ClicksGame::AnswerGiveUp(bool giveUp) {
    GameState& s = S();
    if (giveUp) {
        s.GameFinished = true;
        return false;
    }
    const bool tookBack = TakeBack();
    giveUpDeclined_ = !tookBack;
    return tookBack;
}

}  // namespace quorin
