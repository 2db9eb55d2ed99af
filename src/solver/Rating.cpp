#include "solver/Rating.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <utility>

#include "board/Tiles.h"

namespace quorin {

namespace {

constexpr int kPlayouts = 500;
// Node limits rather than time, so that a busy machine rates a deal as an idle one does.
constexpr uint64_t kSolveNodes = 4000;

// The tiles with what blocks each of them, and which are still on the board. The rule is the
// game's: nothing on top, and one side (left or right; above or below when vertical) open.
class Board {
  public:
    Board(const std::vector<SolverTile>& tiles, bool vertical)
        : n_(static_cast<int>(tiles.size())), holds_(tiles.size()) {
        for (int i = 0; i < n_; ++i) {
            const TilePosition a = tiles[i].pos;
            for (int j = 0; j < n_; ++j) {
                const TilePosition b = tiles[j].pos;
                const int dx = b.x - a.x, dy = b.y - a.y;
                if (b.layer == a.layer + 1 && std::abs(dx) <= 1 && std::abs(dy) <= 1) {
                    holds_[j].push_back({i, kTop});
                } else if (b.layer == a.layer) {
                    const bool beside = vertical ? (std::abs(dx) <= 1 && std::abs(dy) == 2)
                                                 : (std::abs(dy) <= 1 && std::abs(dx) == 2);
                    if (beside)
                        holds_[j].push_back({i, (vertical ? dy < 0 : dx < 0) ? kSideA : kSideB});
                }
            }
            groups_[TileGroup(tiles[i].id)].push_back(i);
        }
        Reset();
    }

    int Size() const { return n_; }
    int Left() const { return left_; }
    bool Present(int i) const { return present_[i] != 0; }
    bool Free(int i) const {
        const auto& c = blocked_[i];
        return present_[i] && c[kTop] == 0 && (c[kSideA] == 0 || c[kSideB] == 0);
    }
    const std::vector<int>& Group(int g) const { return groups_[g]; }

    void Reset() {
        present_.assign(n_, 1);
        blocked_.assign(n_, {0, 0, 0});
        for (int j = 0; j < n_; ++j)
            for (const Hold& h : holds_[j])
                ++blocked_[h.tile][h.kind];
        left_ = n_;
    }
    void Remove(int j) {
        present_[j] = 0;
        --left_;
        for (const Hold& h : holds_[j])
            --blocked_[h.tile][h.kind];
    }

    // The free pairs, each once.
    void FreePairs(std::vector<std::pair<int, int>>& out) const {
        out.clear();
        for (const std::vector<int>& m : groups_)
            for (size_t x = 0; x < m.size(); ++x)
                if (Free(m[x]))
                    for (size_t y = x + 1; y < m.size(); ++y)
                        if (Free(m[y]))
                            out.emplace_back(m[x], m[y]);
    }

  private:
    enum Kind { kTop, kSideA, kSideB };
    struct Hold {
        int tile;
        int kind;
    };
    int n_;
    std::vector<std::vector<Hold>> holds_;  // the tiles a tile blocks, and how
    std::array<std::vector<int>, kGroupCount> groups_;
    std::vector<char> present_;
    std::vector<std::array<int, 3>> blocked_;
    int left_ = 0;
};

uint64_t NextRandom(uint64_t& state) {
    uint64_t z = (state += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

// Takes off the pairs no player needs to think about: a group whose tiles left are all free.
void TakeOffPlainPairs(Board& board, std::vector<std::pair<int, int>>* taken = nullptr) {
    for (bool took = true; took;) {
        took = false;
        for (int g = 0; g < kGroupCount; ++g) {
            int left = 0, free = 0;
            for (int i : board.Group(g)) {
                left += board.Present(i);
                free += board.Free(i);
            }
            if (left == 0 || free != left)
                continue;
            int first = -1;
            for (int i : board.Group(g))
                if (board.Present(i)) {
                    board.Remove(i);
                    if (first < 0) {
                        first = i;
                    } else {
                        if (taken)
                            taken->emplace_back(first, i);
                        first = -1;
                    }
                }
            took = true;
        }
    }
}

// Plays at random; returns the pairs taken off, the board cleared when they are all.
std::vector<std::pair<int, int>> PlayOut(Board& board, uint64_t& rng,
                                         std::vector<std::pair<int, int>>& pairs) {
    std::vector<std::pair<int, int>> taken;
    board.Reset();
    for (;;) {
        board.FreePairs(pairs);
        if (pairs.empty())
            return taken;
        const auto [a, b] = pairs[NextRandom(rng) % pairs.size()];
        board.Remove(a);
        board.Remove(b);
        taken.emplace_back(a, b);
    }
}

// Walks a winning line (the pairs in `line`, local indices, in a clearing order) and counts
// the choices met on the way. Taking off a free pair of the line never spoils the rest of
// it, nor does taking off a whole free group, however it is paired.
void WalkLine(Board& board, const std::vector<std::pair<int, int>>& line, DealRating& rating) {
    const int n = board.Size();
    std::vector<int> partner(n, -1), rank(n, 0);
    for (size_t k = 0; k < line.size(); ++k) {
        const auto [a, b] = line[k];
        partner[a] = b;
        partner[b] = a;
        rank[a] = rank[b] = static_cast<int>(k);
    }
    board.Reset();
    std::vector<std::pair<int, int>> pairs;
    for (;;) {
        TakeOffPlainPairs(board);
        if (board.Left() == 0)
            return;
        board.FreePairs(pairs);
        if (pairs.empty())
            return;  // not a clearing line after all; cannot happen
        ++rating.decisions;
        rating.choices += static_cast<int>(pairs.size());
        int safe = 0;
        std::pair<int, int> next{-1, -1};
        for (const auto& [a, b] : pairs)
            if (partner[a] == b) {
                ++safe;
                if (next.first < 0 || rank[a] < rank[next.first])
                    next = {a, b};
            }
        rating.safeChoices += safe;
        rating.narrow += safe == 1;
        if (next.first < 0)
            return;
        board.Remove(next.first);
        board.Remove(next.second);
    }
}

// From the share of play-outs that clear, in thousandths: 300 and more is easy, under 2 (or
// none, the solver undecided) very hard. Chosen on seeds 1-200 of the shipped layouts so
// that the winnable deals of open layouts come out easy and the plain deals of deep stacks
// hard; README.md has the figures.
int Level(const DealRating& r) {
    constexpr std::array<int, 4> kAtLeast = {300, 100, 20, 2};
    const int perMille = r.playouts ? r.cleared * 1000 / r.playouts : 0;
    for (int level = 1; level <= 4; ++level)
        if (perMille >= kAtLeast[level - 1])
            return level;
    return 5;
}

}  // namespace

DealRating RateDeal(const std::vector<SolverTile>& tiles, bool vertical) {
    DealRating rating;
    SolveLimits limits;
    limits.maxNodes = kSolveNodes;
    const SolveResult solved = Solve(tiles, vertical, limits);
    rating.answer = solved.answer;
    rating.nodes = solved.nodes;
    if (solved.answer == SolveAnswer::Unwinnable)
        return rating;

    Board board(tiles, vertical);
    uint64_t rng = 0x51A7E0F5EEDULL;
    std::vector<std::pair<int, int>> pairs, line;
    rating.playouts = kPlayouts;
    long left = 0;
    for (int p = 0; p < kPlayouts; ++p) {
        std::vector<std::pair<int, int>> taken = PlayOut(board, rng, pairs);
        left += board.Left();
        if (board.Left() == 0) {
            ++rating.cleared;
            if (line.empty())
                line = std::move(taken);
        }
    }
    rating.tilesLeft = static_cast<double>(left) / kPlayouts;
    if (solved.answer == SolveAnswer::Winnable) {
        std::vector<int> local(kTileCount + 1, -1);
        for (size_t i = 0; i < tiles.size(); ++i)
            local[tiles[i].id] = static_cast<int>(i);
        line.clear();
        for (const auto& [a, b] : solved.order)
            line.emplace_back(local[a], local[b]);
    } else if (!line.empty()) {
        rating.answer = SolveAnswer::Winnable;  // a play-out cleared it: that is the proof
    }
    if (!line.empty())
        WalkLine(board, line, rating);
    rating.level = Level(rating);
    return rating;
}

std::string DifficultyText(const DealRating& rating) {
    if (rating.level == 0)
        return "cannot be won";
    return std::to_string(rating.level) + " of 5";
}

}  // namespace quorin
