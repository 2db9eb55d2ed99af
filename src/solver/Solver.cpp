#include "solver/Solver.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdlib>
#include <sstream>
#include <unordered_set>

#include "board/LayoutGrid.h"
#include "board/Tiles.h"

namespace quorin {

namespace {

// The tiles still on the board, one bit per local index.
struct Bits {
    std::array<uint64_t, 3> w{};
    void Set(int i) { w[i >> 6] |= uint64_t{1} << (i & 63); }
    void Clear(int i) { w[i >> 6] &= ~(uint64_t{1} << (i & 63)); }
    bool Has(int i) const { return (w[i >> 6] >> (i & 63)) & 1; }
    bool Meets(const Bits& o) const { return (w[0] & o.w[0]) | (w[1] & o.w[1]) | (w[2] & o.w[2]); }
    bool Empty() const { return (w[0] | w[1] | w[2]) == 0; }
    bool operator==(const Bits&) const = default;
};

struct BitsHash {
    size_t operator()(const Bits& b) const {
        uint64_t h = b.w[0] * 0x9E3779B97F4A7C15ULL;
        h ^= (b.w[1] + 0x7F4A7C15ULL) * 0xC2B2AE3D27D4EB4FULL;
        h ^= (b.w[2] + 0x165667B1ULL) * 0x94D049BB133111EBULL;
        return static_cast<size_t>(h ^ (h >> 31));
    }
};

// The cells the free rule reads around a tile, turned into masks of the tiles found there:
// the tiles on top, and the tiles beside it on either open side.
struct Neighbours {
    Bits top, sideA, sideB;
};

class Search {
  public:
    Search(const std::vector<SolverTile>& tiles, bool vertical, const SolveLimits& limits)
        : tiles_(tiles), limits_(limits), start_(std::chrono::steady_clock::now()) {
        const int n = static_cast<int>(tiles.size());
        nb_.resize(n);
        weight_.assign(n, 0);
        for (int i = 0; i < n; ++i) {
            const TilePosition a = tiles[i].pos;
            for (int j = 0; j < n; ++j) {
                const TilePosition b = tiles[j].pos;
                const int dx = b.x - a.x, dy = b.y - a.y;
                if (b.layer == a.layer + 1 && std::abs(dx) <= 1 && std::abs(dy) <= 1) {
                    nb_[i].top.Set(j);
                    ++weight_[j];
                } else if (b.layer == a.layer) {
                    const bool beside = vertical ? (std::abs(dx) <= 1 && std::abs(dy) == 2)
                                                 : (std::abs(dy) <= 1 && std::abs(dx) == 2);
                    if (!beside)
                        continue;
                    const bool first = vertical ? dy < 0 : dx < 0;
                    (first ? nb_[i].sideA : nb_[i].sideB).Set(j);
                    ++weight_[j];
                }
            }
            groupMembers_[TileGroup(tiles[i].id)].push_back(i);
        }
    }

    SolveResult Run() {
        SolveResult result;
        Bits all;
        for (size_t i = 0; i < tiles_.size(); ++i)
            all.Set(static_cast<int>(i));
        bool oddGroup = false;
        for (const auto& members : groupMembers_)
            oddGroup |= members.size() % 2 != 0;
        if (oddGroup) {
            result.answer = SolveAnswer::Unwinnable;
        } else if (Dfs(all)) {
            result.answer = SolveAnswer::Winnable;
            for (const auto& [a, b] : path_)
                result.order.emplace_back(tiles_[a].id, tiles_[b].id);
        } else {
            result.answer = outOfBudget_ ? SolveAnswer::Undecided : SolveAnswer::Unwinnable;
        }
        result.nodes = nodes_;
        return result;
    }

  private:
    bool Free(const Bits& left, int i) const {
        const Neighbours& n = nb_[i];
        return !left.Meets(n.top) && (!left.Meets(n.sideA) || !left.Meets(n.sideB));
    }

    bool OverBudget() {
        if (limits_.maxNodes && nodes_ >= limits_.maxNodes)
            return true;
        if (limits_.budgetMs && (nodes_ & 255) == 0) {
            const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                                std::chrono::steady_clock::now() - start_)
                                .count();
            if (ms >= limits_.budgetMs)
                return true;
        }
        return false;
    }

    bool Dfs(const Bits& left) {
        if (left.Empty())
            return true;
        if (failed_.count(left))
            return false;
        ++nodes_;
        if (OverBudget()) {
            outOfBudget_ = true;
            return false;
        }

        struct Move {
            int a, b, c, d;  // c, d >= 0: the group's second pair comes off with the first
            int score;
        };
        std::vector<Move> moves;
        for (const auto& members : groupMembers_) {
            std::array<int, 4> freeTiles{}, rest{};
            int nFree = 0, nLeft = 0;
            for (int i : members) {
                if (!left.Has(i))
                    continue;
                rest[nLeft++] = i;
                if (Free(left, i))
                    freeTiles[nFree++] = i;
            }
            // The last two of a group, one on top of the other, can never both be free.
            if (nLeft == 2 && (nb_[rest[0]].top.Has(rest[1]) || nb_[rest[1]].top.Has(rest[0]))) {
                failed_.insert(left);
                return false;
            }
            if (nFree < 2)
                continue;
            if (nFree == nLeft) {
                // Every tile left of the group is free: they are only of use to each other,
                // and taking them off first never hurts, so no other move needs trying.
                Bits next = left;
                for (int k = 0; k < nLeft; ++k)
                    next.Clear(rest[k]);
                path_.emplace_back(freeTiles[0], freeTiles[1]);
                if (nLeft == 4)
                    path_.emplace_back(freeTiles[2], freeTiles[3]);
                if (Dfs(next))
                    return true;
                path_.resize(path_.size() - (nLeft == 4 ? 2 : 1));
                if (!outOfBudget_)
                    failed_.insert(left);
                return false;
            }
            for (int p = 0; p < nFree; ++p)
                for (int q = p + 1; q < nFree; ++q) {
                    const int a = freeTiles[p], b = freeTiles[q];
                    moves.push_back({a, b, -1, -1, weight_[a] + weight_[b]});
                }
        }
        // Tiles that hold many others back first.
        std::stable_sort(moves.begin(), moves.end(),
                         [](const Move& x, const Move& y) { return x.score > y.score; });
        for (const Move& m : moves) {
            Bits next = left;
            next.Clear(m.a);
            next.Clear(m.b);
            path_.emplace_back(m.a, m.b);
            if (Dfs(next))
                return true;
            path_.pop_back();
            if (outOfBudget_)
                return false;
        }
        failed_.insert(left);
        return false;
    }

    const std::vector<SolverTile>& tiles_;
    SolveLimits limits_;
    std::chrono::steady_clock::time_point start_;
    std::vector<Neighbours> nb_;
    std::vector<int> weight_;
    std::array<std::vector<int>, kGroupCount> groupMembers_;
    std::unordered_set<Bits, BitsHash> failed_;
    std::vector<std::pair<int, int>> path_;
    uint64_t nodes_ = 0;
    bool outOfBudget_ = false;
};

}  // namespace

SolveResult Solve(const std::vector<SolverTile>& tiles, bool vertical, const SolveLimits& limits) {
    Search search(tiles, vertical, limits);
    return search.Run();
}

std::vector<SolverTile> TilesOnBoard(const BoardTables& board) {
    std::vector<SolverTile> tiles;
    for (int t = 1; t <= kTileCount; ++t)
        if (board.TilePos[t].OnBoard())
            tiles.push_back({t, board.TilePos[t]});
    return tiles;
}

const char* AnswerName(SolveAnswer answer) {
    switch (answer) {
        case SolveAnswer::Winnable:
            return "winnable";
        case SolveAnswer::Unwinnable:
            return "unwinnable";
        case SolveAnswer::Undecided:
            break;
    }
    return "undecided";
}

PositionLoad ParsePosition(const std::string& text) {
    PositionLoad load;
    std::istringstream in(text);
    std::string line;
    std::array<int, kTileCount + 1> lineOfId{};
    int lineNo = 0;
    auto refuse = [&](const std::string& why) {
        load.reason = "line " + std::to_string(lineNo) + ": " + why;
        load.tiles.clear();
        return load;
    };
    while (std::getline(in, line)) {
        ++lineNo;
        if (line.find_first_not_of(" \t\r") == std::string::npos)
            continue;
        std::istringstream fields(line);
        long id = 0, x = 0, y = 0, layer = 0;
        std::string extra;
        if (!(fields >> id >> x >> y >> layer) || (fields >> extra))
            return refuse("expected ID X Y LAYER");
        if (id < 1 || id > kTileCount)
            return refuse("unknown tile id " + std::to_string(id));
        if (lineOfId[id])
            return refuse("tile " + std::to_string(id) + " already on line " +
                          std::to_string(lineOfId[id]));
        if (!LayoutGrid::InPlayArea(static_cast<int>(x), static_cast<int>(y),
                                    static_cast<int>(layer)))
            return refuse("cell off the board");
        const TilePosition p{static_cast<int>(x), static_cast<int>(y), static_cast<int>(layer)};
        // A tile covers two columns and two rows from its cell.
        for (const SolverTile& t : load.tiles)
            if (t.pos.layer == p.layer && std::abs(t.pos.x - p.x) < 2 &&
                std::abs(t.pos.y - p.y) < 2)
                return refuse("tile " + std::to_string(id) + " overlaps tile " +
                              std::to_string(t.id) + " of line " + std::to_string(lineOfId[t.id]));
        lineOfId[id] = lineNo;
        load.tiles.push_back({static_cast<int>(id), p});
    }
    if (load.tiles.size() % 2 != 0)
        return refuse("an odd number of tiles (" + std::to_string(load.tiles.size()) + ")");
    load.ok = true;
    return load;
}

}  // namespace quorin
