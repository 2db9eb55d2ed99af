#include "games/Rivers.h"

#include <array>

namespace quorin {

namespace {

constexpr int kPathMinX = 2, kPathMaxX = 32;
constexpr int kPathMinY = 1, kPathMaxY = 19;

// Whether one more step from coordinate v in direction d stays inside the path area; the
// test reads the position before the step, as the search always has.
bool CanStepX(int x, int dx) {
    return dx > 0 ? x < kPathMaxX : x > kPathMinX;
}
bool CanStepY(int y, int dy) {
    return dy > 0 ? y < kPathMaxY - 1 : y > kPathMinY + 1;
}

}  // namespace

void DealRivers(GameState& state, Random& random, bool hard) {
    BoardTables& board = state.board;
    random.SeedFromClock();
    board.ClearCells();
    board.ClearPositions(kTileCount);
    state.CurrentLayout = hard ? kRiversHard : kRiversEasy;
    if (!hard) {
        for (int id = 1; id <= 84; ++id) {
            int x = 0, y = 0;
            do {
                x = 2 * (static_cast<int>(random.Next(14)) + 2);
                y = 2 * (static_cast<int>(random.Next(6)) + 2) + 1;
            } while (board.Cell(x, y, 1) != 0);
            board.Place(id, x, y, 1);
        }
        state.TilesLeft = 84;
    } else {
        for (int layer = 1; layer <= 2; ++layer)
            for (int k = 1; k <= 72; ++k) {
                int x = 0, y = 0;
                do {
                    x = 2 * (static_cast<int>(random.Next(12)) + 2) + 2;
                    y = 2 * (static_cast<int>(random.Next(6)) + 2) + 1;
                } while (board.Cell(x, y, layer) != 0);
                board.Place(k + 72 * (layer - 1), x, y, layer);
            }
        state.TilesLeft = kTileCount;
    }
    state.TotalTiles = state.TilesLeft;
}

bool RiverSearch::CanBeReached(int a, int b) {
    if (a < 1 || a > kTileCount || b < 1 || b > kTileCount || a == b)
        return false;
    const TilePosition pa = s_.board.TilePos[a];
    const TilePosition pb = s_.board.TilePos[b];
    // A tile off the board has layer 0 and joins nothing.
    if (pa.layer == 0 || pb.layer != pa.layer)
        return false;
    layer_ = pa.layer;
    targetX_ = pb.x;
    targetY_ = pb.y;
    const bool found = Segment(1, pa.x, pa.y, 2, 0) || Segment(1, pa.x, pa.y, -2, 0) ||
                       Segment(1, pa.x, pa.y, 0, 2) || Segment(1, pa.x, pa.y, 0, -2);
    s_.RiverFound = false;
    return found;
}

bool RiverSearch::Turn(int depth, int x, int y, Axis along) {
    // The next segment runs across the one that brought us here.
    if (along == Axis::Horizontal)
        return Segment(depth, x, y, 0, 2) || Segment(depth, x, y, 0, -2);
    return Segment(depth, x, y, 2, 0) || Segment(depth, x, y, -2, 0);
}

bool RiverSearch::Segment(int depth, int x, int y, int dx, int dy) {
    const Axis along = dx != 0 ? Axis::Horizontal : Axis::Vertical;
    int px = x, py = y;
    bool found = false;
    while (dx != 0 ? CanStepX(px, dx) : CanStepY(py, dy)) {
        px += dx;
        py += dy;
        if (s_.board.Cell(px, py, layer_) != 0) {
            found = IsIt(px, py);
            break;
        }
        if (depth < 3 && Turn(depth + 1, px, py, along)) {
            found = true;
            break;
        }
    }
    if (!found)
        return false;
    // Back from the far end of this segment to the position after its start.
    for (int qx = px, qy = py; qx != x || qy != y; qx -= dx, qy -= dy)
        MoveRiverTiles(qx, qy);
    return true;
}

bool RiverSearch::IsIt(int x, int y) {
    if (x != targetX_ || y != targetY_)
        return false;
    s_.RiverFound = true;
    MovingTile = s_.board.Cell(x, y, layer_);
    MovingX = x;
    MovingY = y;
    return true;
}

void RiverSearch::MoveRiverTiles(int x, int y) {
    if (!animate)
        return;
    s_.board.SetCell(MovingX, MovingY, layer_, 0);
    MovingX = x;
    MovingY = y;
    // The tile's position still names its old place, which is repainted empty first.
    view_.RedrawTile(MovingTile);
    s_.board.Place(MovingTile, x, y, layer_);
    view_.RedrawTile(MovingTile);
    view_.RepaintNow();
}

std::vector<std::pair<int, int>> RiversGame::JoinablePairs() {
    GameState& state = S();
    SilentView silent;
    RiverSearch search(state, silent);
    const BoardTables& board = state.board;
    auto uncovered = [&](int t) {
        const TilePosition p = board.TilePos[t];
        return board.Cell(p.x, p.y, p.layer + 1) == 0;
    };
    static constexpr std::array<std::array<int, 2>, 6> kPairs{
        {{0, 1}, {0, 2}, {0, 3}, {1, 2}, {1, 3}, {2, 3}}};
    std::vector<std::pair<int, int>> pairs;
    for (int g = 1; g < state.TotalTiles && g + 3 <= kTileCount; g += 4)
        for (const auto& pair : kPairs) {
            const int t1 = g + pair[0];
            const int t2 = g + pair[1];
            if (search.CanBeReached(t1, t2) && uncovered(t1) && uncovered(t2))
                pairs.emplace_back(t1, t2);
        }
    return pairs;
}

void RiversGame::CountFree() {
    GameState& state = S();
    auto& list = state.board.FreeList;
    std::array<bool, kTileCount + 1> marked{};
    for (const auto& [t1, t2] : JoinablePairs())
        marked[t1] = marked[t2] = true;
    state.FreeCount = 0;
    for (int t = 1; t <= kTileCount; ++t)
        if (marked[t])
            list[++state.FreeCount] = static_cast<uint8_t>(t);
    state.MovesLeft = 0;
    for (int k = 1; k < state.FreeCount; ++k)
        if (SameGroup(list[k], list[k + 1]))
            ++state.MovesLeft;
}

void RiversGame::Start(bool hard) {
    DealRivers(S(), c_.random, hard);
}

void RiversGame::MatchSameGroup() {
    GameState& s = S();
    if (s.options.ShowGirls)
        View().RepaintSidePanel();
    // The history keeps the first pick where it stood, before it travelled.
    const TilePosition from = s.board.TilePos[s.Selected1];
    RiverSearch search(s, View());
    search.animate = s.options.AnimateTileRivers;
    if (search.CanBeReached(s.Selected2, s.Selected1))
        RemoveSelectedPair(&from);
    else
        KeepSecondPick();
}

void RiversGame::Shuffle() {
    GameState& s = S();
    for (int pass = 1; pass <= 101; ++pass) {
        FreeShuffle(true);
        CountFree();
        if (s.MovesLeft > 0)
            break;
    }
    View().ShowStatus("Tiles shuffled. 40 seconds penalty.");
    s.PenaltySeconds += 40;
}

}  // namespace quorin
