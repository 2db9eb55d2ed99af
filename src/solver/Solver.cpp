#include "solver/Solver.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <ctime>
#include <sstream>
#include <unordered_map>

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
    bool Within(const Bits& o) const {
        return ((w[0] & ~o.w[0]) | (w[1] & ~o.w[1]) | (w[2] & ~o.w[2])) == 0;
    }
    bool Empty() const { return (w[0] | w[1] | w[2]) == 0; }
    Bits operator&(const Bits& o) const { return {{w[0] & o.w[0], w[1] & o.w[1], w[2] & o.w[2]}}; }
    Bits operator|(const Bits& o) const { return {{w[0] | o.w[0], w[1] | o.w[1], w[2] | o.w[2]}}; }
    Bits& operator|=(const Bits& o) {
        for (int k = 0; k < 3; ++k)
            w[k] |= o.w[k];
        return *this;
    }
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

// Removing tiles only ever frees others, so once it is settled which tile of a group pairs
// with which, taking off any pair that is free never hurts and the order of such moves does
// not matter. The search therefore decides pairings, not moves: it takes off every pair it
// may, and when it is stuck it settles the pairing of one group of four (three ways) and goes
// on. A group whose remaining tiles are all free needs no decision: any pairing serves.
class Search {
  public:
    Search(const std::vector<SolverTile>& tiles, bool vertical, const SolveLimits& limits)
        : tiles_(tiles), limits_(limits), start_(ProcessorMs()) {
        const int n = static_cast<int>(tiles_.size());
        nb_.resize(n);
        below_.resize(n);
        weight_.assign(n, 0);
        holds_.resize(n);
        holdsMask_.resize(n);
        // Where each tile lies, to find its neighbours without comparing every pair; two
        // tiles of one layer never start on the same cell.
        int x0 = 0, y0 = 0, x1 = 0, y1 = 0, layers = 0;
        if (n > 0) {
            x0 = x1 = tiles_[0].pos.x;
            y0 = y1 = tiles_[0].pos.y;
        }
        for (const SolverTile& t : tiles_) {
            x0 = std::min(x0, t.pos.x), x1 = std::max(x1, t.pos.x);
            y0 = std::min(y0, t.pos.y), y1 = std::max(y1, t.pos.y);
            layers = std::max(layers, t.pos.layer + 1);
        }
        const int width = x1 - x0 + 1, height = y1 - y0 + 1;
        std::vector<int16_t> at(static_cast<size_t>(width) * height * (layers + 1), -1);
        auto cell = [&](int x, int y, int layer) -> int16_t& {
            return at[(static_cast<size_t>(layer) * height + (y - y0)) * width + (x - x0)];
        };
        auto tileAt = [&](int x, int y, int layer) -> int {
            if (x < x0 || x > x1 || y < y0 || y > y1 || layer < 0 || layer > layers)
                return -1;
            return cell(x, y, layer);
        };
        for (int i = 0; i < n; ++i)
            cell(tiles_[i].pos.x, tiles_[i].pos.y, tiles_[i].pos.layer) = static_cast<int16_t>(i);
        for (int i = 0; i < n; ++i) {
            const TilePosition a = tiles_[i].pos;
            auto link = [&](Bits& side, int j) {
                if (j < 0)
                    return;
                side.Set(j);
                ++weight_[j];
                holds_[j].push_back(i);
                holdsMask_[j].Set(i);
            };
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx)
                    link(nb_[i].top, tileAt(a.x + dx, a.y + dy, a.layer + 1));
            for (int d = -1; d <= 1; ++d) {
                if (vertical) {
                    link(nb_[i].sideA, tileAt(a.x + d, a.y - 2, a.layer));
                    link(nb_[i].sideB, tileAt(a.x + d, a.y + 2, a.layer));
                } else {
                    link(nb_[i].sideA, tileAt(a.x - 2, a.y + d, a.layer));
                    link(nb_[i].sideB, tileAt(a.x + 2, a.y + d, a.layer));
                }
            }
        }
        for (int i = 0; i < n; ++i)
            groups_[TileGroup(tiles_[i].id)].members.push_back(i);
        groupOf_.resize(n);
        slot_.resize(n);
        groupMask_.resize(n);
        for (int g = 0; g < kGroupCount; ++g)
            for (size_t k = 0; k < groups_[g].members.size(); ++k) {
                const int i = groups_[g].members[k];
                groupOf_[i] = static_cast<uint8_t>(g);
                slot_[i] = static_cast<uint8_t>(k);
            }
        for (int i = 0; i < n; ++i)
            for (int j : groups_[groupOf_[i]].members)
                groupMask_[i].Set(j);
        around_.resize(n);
        for (int i = 0; i < n; ++i) {
            // Tiles never overlap: four may lie on a tile, two beside it on each side.
            Around& a = around_[i];
            a.top.fill(kTileCount);
            a.sideA.fill(kTileCount);
            a.sideB.fill(kTileCount);
            int k = 0;
            ForEachBit(nb_[i].top, [&](int j) { a.top[k++] = static_cast<int16_t>(j); });
            k = 0;
            ForEachBit(nb_[i].sideA, [&](int j) { a.sideA[k++] = static_cast<int16_t>(j); });
            k = 0;
            ForEachBit(nb_[i].sideB, [&](int j) { a.sideB[k++] = static_cast<int16_t>(j); });
        }
        // What lies under a tile, however deep: none of it comes free while the tile stays,
        // and a tile only leaves after everything on it, so this holds in every position.
        // Going up layer by layer, what lies under a tile is known before the tiles on it.
        std::vector<int> byLayer(n);
        for (int i = 0; i < n; ++i)
            byLayer[i] = i;
        std::stable_sort(byLayer.begin(), byLayer.end(),
                         [&](int x, int y) { return tiles_[x].pos.layer < tiles_[y].pos.layer; });
        for (int i : byLayer)
            ForEachBit(nb_[i].top, [&](int j) {
                below_[j].Set(i);
                below_[j] |= below_[i];
            });
        above_.resize(n);
        for (int j = 0; j < n; ++j)
            ForEachBit(below_[j], [&](int i) { above_[i].Set(j); });
        // The tiles reached going one way along a row. To free a tile from its right, every
        // tile on its right must go first, each freed from its own right.
        std::vector<Bits> leftward(n), rightward(n);
        for (const auto& way : {std::pair{&leftward, &Neighbours::sideA},
                                std::pair{&rightward, &Neighbours::sideB}}) {
            std::vector<Bits>* const reach = way.first;
            Bits Neighbours::*const side = way.second;
            std::vector<bool> done(n);
            // A row runs one way only, so this ends within its length.
            auto walk = [&](auto& self, int i) -> const Bits& {
                if (!done[i]) {
                    Bits seen = nb_[i].*side;
                    ForEachBit(nb_[i].*side, [&](int j) { seen |= self(self, j); });
                    (*reach)[i] = seen;
                    done[i] = true;
                }
                return (*reach)[i];
            };
            for (int i = 0; i < n; ++i)
                walk(walk, i);
        }
        // For every pair a group could make: the tiles that must be gone before it comes off.
        // Those on top of either tile; and when one tile lies along the row of the other, each
        // can only be freed from its far side, so that whole side of the row as well, with
        // what lies on it.
        pairIndex_.assign(static_cast<size_t>(n) * n, -1);
        for (const Group& g : groups_)
            for (size_t x = 0; x < g.members.size(); ++x)
                for (size_t y = x + 1; y < g.members.size(); ++y) {
                    const int a = g.members[x], b = g.members[y];
                    Bits row;
                    if (rightward[a].Has(b)) {
                        row = leftward[a];
                        row |= rightward[b];
                    } else if (leftward[a].Has(b)) {
                        row = rightward[a];
                        row |= leftward[b];
                    }
                    Bits pre = above_[a];
                    pre |= above_[b];
                    pre |= row;
                    ForEachBit(row, [&](int j) { pre |= above_[j]; });
                    pairIndex_[a * n + b] = pairIndex_[b * n + a] =
                        static_cast<int>(pairBefore_.size());
                    pairBefore_.push_back(pre);
                }
        for (int g = 0; g < kGroupCount; ++g)
            if (groups_[g].members.size() == 4)
                for (int s = 1; s <= 3; ++s)
                    possible_[g][s] = SplitPossible(g, s);
    }

    SolveResult Run() {
        SolveResult result;
        Node start;
        for (size_t i = 0; i < tiles_.size(); ++i)
            start.left.Set(static_cast<int>(i));
        bool oddGroup = false;
        for (const Group& g : groups_)
            oddGroup |= g.members.size() % 2 != 0;
        if (oddGroup) {
            result.answer = SolveAnswer::Unwinnable;
        } else {
            // Restarts: a search that went wrong near the top can spend ages under one bad
            // decision, so runs are cut after a growing number of nodes (1, 1, 2, 1, 1, 2, 4,
            // ... times a base) and the next run breaks ties at random. What a run proved
            // unwinnable stays known; a run that ends without being cut is the answer.
            for (uint64_t run = 1;; ++run) {
                cutAt_ = nodes_ + kRunBase * Luby(run);
                cut_ = false;
                rng_ = run == 1 ? 0 : 0x9E3779B97F4A7C15ULL * run;
                path_.clear();
                if (Dfs(start, Refuted{})) {
                    result.answer = SolveAnswer::Winnable;
                    for (const auto& [a, b] : path_)
                        result.order.emplace_back(tiles_[a].id, tiles_[b].id);
                    break;
                }
                if (!cut_) {
                    result.answer = SolveAnswer::Unwinnable;
                    break;
                }
                if (outOfBudget_) {
                    result.answer = SolveAnswer::Undecided;
                    break;
                }
            }
        }
        result.nodes = nodes_;
        return result;
    }

  private:
    // A group's tiles on the board, by local index: no more than four, kept in place so
    // that the loops over them read no pointer. The places past the last hold kTileCount,
    // the entry that stands for no tile where the lane clearing reads all four.
    struct Members {
        std::array<int, 4> at{kTileCount, kTileCount, kTileCount, kTileCount};
        int count = 0;
        void push_back(int i) { at[count++] = i; }
        size_t size() const { return static_cast<size_t>(count); }
        int operator[](size_t k) const { return at[k]; }
        const int* begin() const { return at.data(); }
        const int* end() const { return at.data() + count; }
    };
    struct Group {
        Members members;  // 0, 2 or 4 of them
    };
    // The three ways to split four tiles m0..m3 into two pairs: m0 goes with m1, m2 or m3.
    static constexpr int kSplit[4][4] = {{0, 0, 0, 0}, {1, 0, 3, 2}, {2, 3, 0, 1}, {3, 2, 1, 0}};
    // The first tile of split s's pair without m0.
    static constexpr int OtherPair(int s) { return kSplit[s][0] == 1 ? 2 : 1; }

    // A set of splits, bit ChoiceBit(g, s) for group g's split s.
    using Choices = std::array<uint64_t, 2>;
    static int ChoiceBit(int g, int s) { return 3 * g + s - 1; }
    static void AddChoice(Choices& c, int bit) { c[bit >> 6] |= uint64_t{1} << (bit & 63); }

    struct Node {
        Bits left;
        std::array<uint8_t, kGroupCount> split{};  // 0 while undecided, else 1..3
        Choices decided{};                         // the splits settled by branching
        bool operator==(const Node&) const = default;
    };

    bool Free(const Bits& left, int i) const {
        const Neighbours& n = nb_[i];
        return !left.Meets(n.top) && (!left.Meets(n.sideA) || !left.Meets(n.sideB));
    }

    // True when this run must stop: the whole budget is spent, or the run's share.
    bool OverBudget() {
        if (limits_.maxNodes && nodes_ >= limits_.maxNodes)
            outOfBudget_ = true;
        if (limits_.cancel && limits_.cancel->load(std::memory_order_relaxed))
            outOfBudget_ = true;
        if (limits_.budgetMs && (nodes_ & 63) == 0 &&
            ProcessorMs() - start_ >= static_cast<double>(limits_.budgetMs))
            outOfBudget_ = true;
        return outOfBudget_ || nodes_ >= cutAt_;
    }

    static uint64_t Luby(uint64_t i) {
        for (uint64_t k = 1;; ++k) {
            if (i == (uint64_t{1} << k) - 1)
                return uint64_t{1} << (k - 1);
            if (i < (uint64_t{1} << k) - 1)
                return Luby(i - (uint64_t{1} << (k - 1)) + 1);
        }
    }

    // Noise for breaking ties; none in the first run.
    int Noise(int range) {
        if (rng_ == 0)
            return 0;
        rng_ ^= rng_ << 13;
        rng_ ^= rng_ >> 7;
        rng_ ^= rng_ << 17;
        return static_cast<int>(rng_ % static_cast<uint64_t>(range));
    }

    void TakeOff(Node& n, int a, int b) {
        n.left.Clear(a);
        n.left.Clear(b);
        path_.emplace_back(a, b);
    }

    // Takes off every pair that can go without a decision, until none is left. Only the
    // groups of tiles a removal may have freed are looked at again.
    void TakeOffWhatIsSafe(Node& n) {
        std::array<int, kGroupCount> queue{};
        std::array<bool, kGroupCount> queued{};
        int head = 0, tail = 0;
        auto push = [&](int g) {
            if (!queued[g]) {
                queued[g] = true;
                queue[tail++ % queue.size()] = g;
            }
        };
        auto off = [&](int a, int b) {
            TakeOff(n, a, b);
            for (int x : {a, b})
                for (int i : holds_[x])
                    if (n.left.Has(i))
                        push(TileGroup(tiles_[i].id));
        };
        for (int g = 0; g < kGroupCount; ++g)
            push(g);
        while (head != tail) {
            const int g = queue[head++ % queue.size()];
            queued[g] = false;
            const Members& m = groups_[g].members;
            std::array<int, 4> rest{};
            int nLeft = 0, nFree = 0;
            for (int i : m)
                if (n.left.Has(i)) {
                    rest[nLeft++] = i;
                    nFree += Free(n.left, i);
                }
            if (nLeft == 0 || nFree < 2)
                continue;
            if (nLeft == 2) {
                if (nFree == 2)
                    off(rest[0], rest[1]);
                continue;
            }
            if (n.split[g] == 0) {
                if (nFree == 4) {
                    n.split[g] = 1;
                    off(m[0], m[1]);
                    off(m[2], m[3]);
                }
                continue;
            }
            for (int k : {0, OtherPair(n.split[g])}) {
                const int a = m[k], b = m[kSplit[n.split[g]][k]];
                if (n.left.Has(a) && Free(n.left, a) && Free(n.left, b)) {
                    off(a, b);
                    push(g);  // its other pair may be free as well
                    break;
                }
            }
        }
    }

    // The pairs that are settled: the last two of a group, and both pairs of a group whose
    // split is decided. Each comes off in one move, so a tile under either of its tiles waits
    // for both, and so does a tile whose row can only open on a side that holds a tile of
    // the pair. A pair over itself, or pairs waiting on each other in a circle, never come
    // off. An undecided group is jammed when one of its tiles has every partner under it.
    struct Waits {
        int pairs = 0;
        Bits settled;                                   // the tiles of the settled pairs
        std::array<int16_t, kTileCount> pairOf;         // a settled tile's pair
        std::array<Bits, kTileCount / 2> tiles, reach;  // reach: all that must go first
    };

    const Bits& PairBefore(int a, int b) const {
        return pairBefore_[pairIndex_[a * static_cast<int>(tiles_.size()) + b]];
    }

    template <typename F>
    static void ForEachBit(const Bits& b, F&& f) {
        for (int k = 0; k < 3; ++k)
            for (uint64_t word = b.w[k]; word; word &= word - 1)
                f(k * 64 + __builtin_ctzll(word));
    }

    // Fills `w` with the settled pairs and what each waits on, however far; false when they
    // jam.
    bool SettledPairs(const Node& n, Waits& w) const {
        std::array<Bits, kTileCount / 2> before;
        w.pairs = 0;
        w.settled = Bits();
        auto addPair = [&](int a, int b) {
            const int p = w.pairs++;
            w.tiles[p] = Bits();
            w.tiles[p].Set(a);
            w.tiles[p].Set(b);
            w.settled |= w.tiles[p];
            w.pairOf[a] = w.pairOf[b] = static_cast<int16_t>(p);
            before[p] = PairBefore(a, b) & n.left;
            return !before[p].Meets(w.tiles[p]);
        };
        for (int g = 0; g < kGroupCount; ++g) {
            const Members& m = groups_[g].members;
            std::array<int, 4> rest{};
            int nLeft = 0;
            for (int i : m)
                if (n.left.Has(i))
                    rest[nLeft++] = i;
            if (nLeft == 2) {
                if (!addPair(rest[0], rest[1]))
                    return false;
            } else if (nLeft == 4 && n.split[g] != 0) {
                const int other = OtherPair(n.split[g]);
                if (!addPair(m[0], m[kSplit[n.split[g]][0]]) ||
                    !addPair(m[other], m[kSplit[n.split[g]][other]]))
                    return false;
            } else if (nLeft == 4) {
                for (int i : m) {
                    int partners = 0;
                    for (int j : m)
                        partners += j != i && !below_[i].Has(j);
                    if (partners == 0)
                        return false;
                }
            }
        }
        // Take the pairs in an order where each comes after all it waits on; the pairs that
        // never come free to be taken wait on each other in a circle.
        std::array<int, kTileCount / 2> waiting{}, ready{};
        std::array<std::array<uint64_t, 2>, kTileCount / 2> waitedOnBy{};
        int readyCount = 0;
        for (int p = 0; p < w.pairs; ++p) {
            std::array<uint64_t, 2> on{};
            ForEachBit(before[p] & w.settled, [&](int tile) {
                const int q = w.pairOf[tile];
                if (!(on[q >> 6] >> (q & 63) & 1)) {
                    on[q >> 6] |= uint64_t{1} << (q & 63);
                    waitedOnBy[q][p >> 6] |= uint64_t{1} << (p & 63);
                    ++waiting[p];
                }
            });
            if (waiting[p] == 0)
                ready[readyCount++] = p;
        }
        for (int taken = 0; taken < readyCount; ++taken) {
            const int p = ready[taken];
            w.reach[p] = before[p];
            ForEachBit(before[p] & w.settled,
                       [&](int tile) { w.reach[p] |= w.reach[w.pairOf[tile]]; });
            for (int k = 0; k < 2; ++k)
                for (uint64_t word = waitedOnBy[p][k]; word; word &= word - 1) {
                    const int d = k * 64 + __builtin_ctzll(word);
                    if (--waiting[d] == 0)
                        ready[readyCount++] = d;
                }
        }
        return readyCount == w.pairs;
    }

    // For every tile of a whole group, its partners (a mask of places in the group) along
    // the splits `viable` keeps open, or along the settled split; all zero for a group that
    // is not whole.
    struct Partners {
        std::array<std::array<uint8_t, 4>, kGroupCount> of{};
        uint64_t whole = 0;  // by group
    };
    using Viable = std::array<std::array<bool, 4>, kGroupCount>;
    // By group, the splits (bit s) proved hopeless in a position before this one.
    using Refuted = std::array<uint8_t, kGroupCount>;

    Partners PartnerTable(const Node& n, const Viable& viable) const {
        Partners partners;
        for (int g = 0; g < kGroupCount; ++g)
            if (Whole(n, g)) {
                partners.whole |= uint64_t{1} << g;
                for (int s = 1; s <= 3; ++s)
                    if (n.split[g] == 0 ? viable[g][s] : n.split[g] == s)
                        for (int k = 0; k < 4; ++k)
                            partners.of[g][k] |= static_cast<uint8_t>(1u << kSplit[s][k]);
            }
        return partners;
    }

    // Whether tile i may go in the relaxed clearing: it is free, and a tile it may still pair
    // with is free or gone.
    bool RelaxedGoes(const Node& n, const Partners& partners, const Bits& present, int i) const {
        if (!Free(present, i))
            return false;
        auto open = [&](int p) { return !present.Has(p) || Free(present, p); };
        const int g = groupOf_[i];
        const Members& m = groups_[g].members;
        if (partners.whole >> g & 1) {
            const uint8_t mine = partners.of[g][slot_[i]];
            for (int k = 0; k < 4; ++k)
                if ((mine >> k & 1) && open(m[k]))
                    return true;
            return false;
        }
        for (int j : m)
            if (j != i && n.left.Has(j))
                return open(j);
        return false;
    }

    // A relaxed clearing: a tile may go on its own once it is free and a tile it may still
    // pair with (along a split that `viable` keeps open) is free or gone. Every tile a real
    // clearing takes off, this one takes off by then, so a tile it leaves behind proves the
    // position jammed. Going makes nothing stay, so the tiles it takes off do not depend on
    // the order it looks at them in.
    bool RelaxedClears(const Node& n, const Viable& viable) const {
        const Partners partners = PartnerTable(n, viable);
        Bits present = n.left;
        // The tiles to look at again; every tile at first.
        Bits dirty = present;
        for (;;) {
            int i = -1;
            for (int k = 0; k < 3; ++k)
                if (dirty.w[k]) {
                    i = k * 64 + __builtin_ctzll(dirty.w[k]);
                    break;
                }
            if (i < 0)
                break;
            dirty.Clear(i);
            if (!RelaxedGoes(n, partners, present, i))
                continue;
            present.Clear(i);
            dirty |= holdsMask_[i] & present;
            dirty |= groupMask_[i] & present;
        }
        return present.Empty();
    }

    // Many relaxed clearings at once, one per lane: lane 0 with every open split, and one
    // for each open split of each undecided group with that group held to it. A tile's
    // state is the set of lanes it is gone in, and the set it is free in.
    using Lanes = uint64_t __attribute__((vector_size(16)));
    static Lanes LaneBit(int k) {
        return k < 64 ? Lanes{uint64_t{1} << k, 0} : Lanes{0, uint64_t{1} << (k - 64)};
    }
    static bool Any(Lanes v) { return (v[0] | v[1]) != 0; }
    static bool Same(Lanes a, Lanes b) { return !Any(a ^ b); }
    static_assert(1 + 3 * kGroupCount <= 128, "every lane has a bit");

    // Runs the clearings of `lane` (by group and split, 0 for none) to the end; the lanes in
    // which every tile went.
    Lanes LanesClear(const Node& n, const Partners& partners,
                     const std::array<std::array<int8_t, 4>, kGroupCount>& lane,
                     const Lanes& all) const {
        const int count = static_cast<int>(tiles_.size());
        // One more entry, gone in every lane, stands for no tile.
        std::array<Lanes, kTileCount + 1> gone, free;  // NOLINT: written for every tile
        // By tile and place in its group: the lanes in which the tile there is a partner.
        std::array<std::array<Lanes, 4>, kTileCount> with;  // NOLINT: written for the tiles left
        for (int g = 0; g < kGroupCount; ++g) {
            const Members& m = groups_[g].members;
            if (partners.whole >> g & 1) {
                Lanes held{};  // the lanes that hold this group to one split
                for (int s = 1; s <= 3; ++s)
                    if (lane[g][s] > 0)
                        held |= LaneBit(lane[g][s]);
                for (int k = 0; k < 4; ++k)
                    for (int j = 0; j < 4; ++j)
                        with[m[k]][j] = partners.of[g][k] >> j & 1 ? all & ~held : Lanes{};
                for (int s = 1; s <= 3; ++s)
                    if (lane[g][s] > 0)
                        for (int k = 0; k < 4; ++k)
                            with[m[k]][kSplit[s][k]] |= LaneBit(lane[g][s]);
            } else {
                int rest[2] = {-1, -1}, nRest = 0;
                for (int k = 0; k < static_cast<int>(m.size()); ++k)
                    if (n.left.Has(m[k]) && nRest < 2)
                        rest[nRest++] = k;
                if (nRest == 2)
                    for (int x = 0; x < 2; ++x) {
                        with[m[rest[x]]] = {};
                        with[m[rest[x]]][rest[1 - x]] = all;
                    }
            }
        }
        std::array<uint8_t, 256> queue{};
        std::array<bool, kTileCount + 1> queued{};
        uint8_t head = 0, tail = 0;
        // Only a tile free where it is not gone may go anywhere new.
        auto push = [&](int i) {
            if (!queued[i] && Any(free[i] & ~gone[i])) {
                queued[i] = true;
                queue[tail++] = static_cast<uint8_t>(i);
            }
        };
        auto pushGroup = [&](int i) {
            for (int j : groups_[groupOf_[i]].members)
                if (j != i)
                    push(j);
        };
        for (int i = 0; i < count; ++i) {
            gone[i] = n.left.Has(i) ? Lanes{} : all;
            free[i] = n.left.Has(i) && Free(n.left, i) ? all : Lanes{};
        }
        gone[kTileCount] = all;
        free[kTileCount] = Lanes{};
        for (int i = 0; i < count; ++i)
            push(i);
        // Where a tile is free is kept up to date as the tiles around it go; a tile is looked
        // at again when it comes free somewhere, or a partner does, or a partner goes.
        while (head != tail) {
            const int i = queue[head++];
            queued[i] = false;
            const std::array<int, 4>& m = groups_[groupOf_[i]].members.at;
            const std::array<Lanes, 4>& w = with[i];
            const Lanes nowGone = gone[i] | (free[i] & (((gone[m[0]] | free[m[0]]) & w[0]) |
                                                        ((gone[m[1]] | free[m[1]]) & w[1]) |
                                                        ((gone[m[2]] | free[m[2]]) & w[2]) |
                                                        ((gone[m[3]] | free[m[3]]) & w[3])));
            if (Same(nowGone, gone[i]))
                continue;
            gone[i] = nowGone;
            pushGroup(i);
            for (int j : holds_[i]) {
                const Around& r = around_[j];
                const Lanes isFree =
                    gone[r.top[0]] & gone[r.top[1]] & gone[r.top[2]] & gone[r.top[3]] &
                    ((gone[r.sideA[0]] & gone[r.sideA[1]]) | (gone[r.sideB[0]] & gone[r.sideB[1]]));
                if (!Same(isFree, free[j])) {
                    free[j] = isFree;
                    push(j);
                    pushGroup(j);
                }
            }
        }
        Lanes cleared = all;
        for (int i = 0; i < count; ++i)
            cleared &= gone[i];
        return cleared;
    }

    // Tries every open split of every undecided group on its own in the relaxed clearing: a
    // split under which even that leaves a tile behind is out, here and in every position
    // after this one (a clearing from there would clear this one), so it goes into `out`.
    // False when some group has no split left, or the clearing with every open split does
    // not clear; a group left with one split is settled so, and `forced` set.
    bool ProbeSplits(Node& n, Viable& viable, Refuted& out, bool& forced) const {
        const Partners open = PartnerTable(n, viable);
        std::array<std::array<int8_t, 4>, kGroupCount> lane{};
        int lanes = 1;
        for (int g = 0; g < kGroupCount; ++g)
            if (n.split[g] == 0 && Whole(n, g))
                for (int s = 1; s <= 3; ++s)
                    if (viable[g][s])
                        lane[g][s] = static_cast<int8_t>(lanes++);
        Lanes all{};
        for (int k = 0; k < lanes; ++k)
            all |= LaneBit(k);
        const Lanes cleared = LanesClear(n, open, lane, all);
        if (!(cleared[0] & 1))
            return false;
        for (int g = 0; g < kGroupCount; ++g) {
            if (n.split[g] != 0 || !Whole(n, g))
                continue;
            int count = 0, only = 0;
            for (int s = 1; s <= 3; ++s) {
                if (!viable[g][s])
                    continue;
                if (Any(cleared & LaneBit(lane[g][s]))) {
                    ++count;
                    only = s;
                } else {
                    viable[g][s] = false;
                    out[g] |= static_cast<uint8_t>(1u << s);
                }
            }
            if (count == 0)
                return false;
            if (count == 1) {
                n.split[g] = static_cast<uint8_t>(only);
                forced = true;
            }
        }
        return true;
    }

    // Everything that must go before `first`, through the settled pairs.
    static Bits Reach(const Waits& w, const Bits& first) {
        Bits all = first;
        ForEachBit(first & w.settled, [&](int tile) { all |= w.reach[w.pairOf[tile]]; });
        return all;
    }

    // Whether settling group g's split s jams a position whose settled pairs are `w`: one of
    // the two new pairs must then go before itself, or each before the other.
    bool SplitJams(const Bits& left, const Waits& w, int g, int s) const {
        const Members& m = groups_[g].members;
        const int other = OtherPair(s);
        const int a1 = m[0], a2 = m[kSplit[s][0]], b1 = m[other], b2 = m[kSplit[s][other]];
        Bits a, b;
        a.Set(a1);
        a.Set(a2);
        b.Set(b1);
        b.Set(b2);
        const Bits fromA = Reach(w, PairBefore(a1, a2) & left);
        const Bits fromB = Reach(w, PairBefore(b1, b2) & left);
        if (fromA.Meets(a) || fromB.Meets(b))
            return true;
        return fromA.Meets(b) && fromB.Meets(a);
    }

    // A free tile that holds nothing back: nothing lies under it, and every tile beside it
    // is open on its other side. It stays so to the end, so it matters only as a partner.
    bool Idle(const Bits& left, int i) const {
        if (!Free(left, i) || below_[i].Meets(left))
            return false;
        for (int j : holds_[i]) {
            if (!left.Has(j))
                continue;
            if ((nb_[j].sideA.Has(i) && nb_[j].sideB.Meets(left)) ||
                (nb_[j].sideB.Has(i) && nb_[j].sideA.Meets(left)))
                return false;
        }
        return true;
    }

    // The split a whole group can take without losing anything, or 0. Two idle tiles are
    // alike, so with three idle two of them pair. With two idle, each waits for one of the
    // others: pairing the idle two now would only make the others come off together. With
    // one idle and two other tiles free, those two come off now and the idle tile waits for
    // the last: any other split keeps a tile that may hold something back in its place.
    int IdleSplit(const Bits& left, int g) const {
        const Members& m = groups_[g].members;
        std::array<int, 4> idle{}, busy{};
        int nIdle = 0, nBusy = 0;
        for (int k = 0; k < 4; ++k)
            (Idle(left, m[k]) ? idle[nIdle++] : busy[nBusy++]) = k;
        int a = -1, b = -1;
        if (nIdle == 3) {
            a = idle[0];
            b = idle[1];
        } else if (nIdle == 2) {
            a = idle[0];
            b = busy[0];
        } else if (nIdle == 1) {
            int nFree = 0;
            for (int k : {busy[0], busy[1], busy[2]})
                if (Free(left, m[k]))
                    ++nFree;
                else
                    b = k;
            if (nFree != 2)
                return 0;
            a = idle[0];
        } else {
            return 0;
        }
        for (int s = 1; s <= 3; ++s)
            if (kSplit[s][a] == b)
                return s;
        return 0;
    }

    // A split is hopeless at once when one of its pairs has a tile under the other.
    bool SplitPossible(int g, int split) const {
        const Members& m = groups_[g].members;
        for (int k = 0; k < 4; ++k) {
            const int a = m[k], b = m[kSplit[split][k]];
            const Bits& before = PairBefore(a, b);
            if (before.Has(a) || before.Has(b))
                return false;
        }
        return true;
    }

    bool Whole(const Node& n, int g) const {
        const Members& m = groups_[g].members;
        return m.size() == 4 && n.left.Has(m[0]) && n.left.Has(m[1]) && n.left.Has(m[2]) &&
               n.left.Has(m[3]);
    }

    // How promising taking off a free pair is: the tiles it frees that find a free partner at
    // once count most, then how many tiles the pair holds back.
    int MoveScore(const Bits& left, int a, int b) const {
        Bits after = left;
        after.Clear(a);
        after.Clear(b);
        int matched = 0;
        for (int x : {a, b})
            for (int i : holds_[x]) {
                if (!after.Has(i) || Free(left, i) || !Free(after, i))
                    continue;
                for (int j : groups_[TileGroup(tiles_[i].id)].members)
                    if (j != i && after.Has(j) && Free(after, j)) {
                        ++matched;
                        break;
                    }
            }
        return 64 * matched + 8 * (weight_[a] + weight_[b]);
    }

    // Whether a position failed before with the same tiles left and no split settled that
    // this one settles otherwise: settling more splits only rules clearings out.
    bool FailedBefore(const Node& key) const {
        const auto it = failed_.find(key.left);
        if (it == failed_.end())
            return false;
        for (const auto& split : it->second) {
            bool within = true;
            for (int g = 0; g < kGroupCount && within; ++g)
                within = split[g] == 0 || split[g] == key.split[g];
            if (within)
                return true;
        }
        return false;
    }

    static Choices SettledChoices(const Node& n) {
        Choices all{};
        for (int g = 0; g < kGroupCount; ++g)
            if (n.split[g])
                AddChoice(all, ChoiceBit(g, n.split[g]));
        return all;
    }

    // The branching choices of a position that failed. All else the search settles on the
    // way down loses no clearing that makes the choices above it, so no clearing from the
    // start makes all of these: a later position that settles every one of them fails too,
    // in this run or any after it. Each set is watched by one of its choices that the
    // current position has not made, and looked at again only when that choice is made.
    void AddNogood(const Choices& c) {
        if (c[0] == 0 && c[1] == 0)
            return;
        const int id = static_cast<int>(nogoods_.size());
        nogoods_.push_back(c);
        const int bit = c[1] ? 64 + 63 - __builtin_clzll(c[1]) : 63 - __builtin_clzll(c[0]);
        watch_[bit].push_back(id);
    }

    // Whether the splits settled here make every choice of a failed set, given that those
    // settled above did not.
    bool BreaksNogood(const Choices& here, const Choices& above) {
        for (int k = 0; k < 2; ++k)
            for (uint64_t word = here[k] & ~above[k]; word; word &= word - 1) {
                const int bit = k * 64 + __builtin_ctzll(word);
                std::vector<int>& list = watch_[bit];
                for (size_t i = 0; i < list.size();) {
                    const Choices& c = nogoods_[list[i]];
                    const uint64_t open0 = c[0] & ~here[0], open1 = c[1] & ~here[1];
                    if (!open0 && !open1)
                        return true;
                    const int to = open0 ? __builtin_ctzll(open0) : 64 + __builtin_ctzll(open1);
                    watch_[to].push_back(list[i]);
                    list[i] = list.back();
                    list.pop_back();
                }
            }
        return false;
    }

    bool Dfs(Node n, Refuted out, const Choices& settledAbove = {}) {
        const size_t pathMark = path_.size();
        // Settle what needs no choice: what can come off, the groups with idle tiles, and the
        // groups left with a single split that does not jam at once.
        for (bool changed = true; changed;) {
            changed = false;
            TakeOffWhatIsSafe(n);
            for (int g = 0; g < kGroupCount; ++g) {
                if (n.split[g] != 0 || !Whole(n, g))
                    continue;
                if (const int s = IdleSplit(n.left, g); s != 0) {
                    n.split[g] = static_cast<uint8_t>(s);
                    changed = true;
                }
            }
        }
        if (n.left.Empty())
            return true;
        // Only the splits of groups still whole matter from here on.
        Node key = n;
        for (int g = 0; g < kGroupCount; ++g)
            if (!Whole(n, g))
                key.split[g] = 0;
        auto fail = [&] {
            path_.resize(pathMark);
            if (!cut_) {
                failed_[key.left].push_back(key.split);
                AddNogood(n.decided);
            }
            return false;
        };
        const Choices settledHere = SettledChoices(n);
        if (BreaksNogood(settledHere, settledAbove)) {
            path_.resize(pathMark);
            return false;
        }
        if (FailedBefore(key)) {
            path_.resize(pathMark);
            return false;
        }
        ++nodes_;
        if (OverBudget()) {
            cut_ = true;
            path_.resize(pathMark);
            return false;
        }
        Waits settled;
        if (!SettledPairs(n, settled))
            return fail();

        // Look one split ahead in every undecided group: a split that jams at once is out.
        std::array<std::array<bool, 4>, kGroupCount> viable{};
        bool forced = false;
        for (int g = 0; g < kGroupCount; ++g) {
            if (n.split[g] != 0 || !Whole(n, g))
                continue;
            int count = 0, only = 0;
            for (int s = 1; s <= 3; ++s)
                if (possible_[g][s] && !(out[g] >> s & 1) && !SplitJams(n.left, settled, g, s)) {
                    viable[g][s] = true;
                    ++count;
                    only = s;
                }
            if (count == 0)
                return fail();
            if (count == 1) {
                n.split[g] = static_cast<uint8_t>(only);
                forced = true;
            }
        }
        // Probing takes a relaxed clearing for every open split of every undecided group:
        // worth it only once the search has shown it is not quick, or on a small board.
        if (!forced && (nodes_ > kProbeAfter || tiles_.size() <= kSmallBoard)) {
            if (!ProbeSplits(n, viable, out, forced))
                return fail();
        } else if (!RelaxedClears(n, viable)) {
            return fail();
        }
        if (forced) {
            if (Dfs(n, out, settledHere))
                return true;
            return cut_ ? (path_.resize(pathMark), false) : fail();
        }

        // Stuck: settle the split of one undecided group, each way the lookahead leaves
        // open. Every clearing splits it one of those ways, whether or not a pair of it comes
        // off next.
        const int g = BranchGroup(n, viable);
        if (g < 0)
            return fail();
        // The splits with a free pair first, the most promising first.
        struct Choice {
            bool pairFree;
            int score, split;
        };
        std::array<Choice, 3> choices{};
        int count = 0;
        for (int s = 1; s <= 3; ++s)
            if (viable[g][s]) {
                const int score = SplitScore(n.left, g, s);
                choices[count++] = {score > 0, score + Noise(kNoise), s};
            }
        auto before = [](const Choice& x, const Choice& y) {
            return std::pair{x.pairFree, x.score} > std::pair{y.pairFree, y.score};
        };
        for (int i = 1; i < count; ++i)
            for (int j = i; j > 0 && before(choices[j], choices[j - 1]); --j)
                std::swap(choices[j], choices[j - 1]);
        for (int i = 0; i < count; ++i) {
            Node child = n;
            child.split[g] = static_cast<uint8_t>(choices[i].split);
            AddChoice(child.decided, ChoiceBit(g, choices[i].split));
            if (Dfs(child, out, settledHere))
                return true;
            if (cut_) {
                path_.resize(pathMark);
                return false;
            }
        }
        ++failures_[g];
        return fail();
    }

    // How promising split s of a whole group is: the score of its best free pair, or 0
    // when neither pair is free.
    int SplitScore(const Bits& left, int g, int s) const {
        const Members& m = groups_[g].members;
        int best = 0;
        for (int k : {0, OtherPair(s)}) {
            const int j = kSplit[s][k];
            if (Free(left, m[k]) && Free(left, m[j]))
                best = std::max(best, 1 + MoveScore(left, m[k], m[j]));
        }
        return best;
    }

    // The undecided group to branch on, among those with two free tiles or more: the one
    // whose splits have failed most often for each split still open, counted over the whole
    // solve so that a restart learns from the runs before it; then the one with the most
    // promising free pair. -1 when no group has two free tiles: nothing can come off.
    int BranchGroup(const Node& n, const std::array<std::array<bool, 4>, kGroupCount>& viable) {
        int best = -1;
        std::pair<uint64_t, int64_t> bestKey{};
        for (int g = 0; g < kGroupCount; ++g) {
            if (n.split[g] != 0 || !Whole(n, g))
                continue;
            const Members& m = groups_[g].members;
            const int nFree =
                Free(n.left, m[0]) + Free(n.left, m[1]) + Free(n.left, m[2]) + Free(n.left, m[3]);
            if (nFree < 2)
                continue;
            const int open = viable[g][1] + viable[g][2] + viable[g][3];
            int64_t score = 0;
            for (int s = 1; s <= 3; ++s)
                if (viable[g][s])
                    score = std::max<int64_t>(score, SplitScore(n.left, g, s));
            const std::pair<uint64_t, int64_t> key{(failures_[g] + 1) * 64 / open,
                                                   score + Noise(kNoise)};
            if (best < 0 || key > bestKey) {
                best = g;
                bestKey = key;
            }
        }
        return best;
    }

    const std::vector<SolverTile>& tiles_;
    SolveLimits limits_;
    double start_;
    std::vector<Neighbours> nb_;
    std::vector<Bits> below_, above_;
    std::vector<int> pairIndex_;    // a * n + b: the pair's entry in pairBefore_
    std::vector<Bits> pairBefore_;  // what must be gone before the pair comes off
    std::array<std::array<bool, 4>, kGroupCount> possible_{};  // by group and split
    std::vector<int> weight_;
    std::vector<std::vector<int>> holds_;  // the tiles whose freedom a tile has a say in
    std::vector<Bits> holdsMask_;          // the same as a mask
    std::vector<uint8_t> groupOf_, slot_;  // a tile's group, and its place among the members
    std::vector<Bits> groupMask_;          // the tiles of a tile's group
    // The tiles the free rule reads around a tile; kTileCount where there is none.
    struct Around {
        std::array<int16_t, 4> top{};
        std::array<int16_t, 2> sideA{}, sideB{};
    };
    std::vector<Around> around_;
    std::array<Group, kGroupCount> groups_;
    // The failed positions, by the tiles left: the splits each had settled.
    std::unordered_map<Bits, std::vector<std::array<uint8_t, kGroupCount>>, BitsHash> failed_;
    std::vector<std::pair<int, int>> path_;
    std::vector<Choices> nogoods_;  // the failed sets of choices
    // By choice, the sets it watches.
    std::array<std::vector<int>, static_cast<size_t>(3) * kGroupCount> watch_;
    uint64_t nodes_ = 0;
    bool outOfBudget_ = false;  // the caller's budget is spent
    static constexpr uint64_t kRunBase = 256;
    static constexpr uint64_t kProbeAfter = 24;  // positions searched before probing
    static constexpr size_t kSmallBoard = 40;    // tiles: a board probed from the start
    uint64_t cutAt_ = 0;                         // this run stops at this node count
    bool cut_ = false;  // this run was stopped: what it did not finish proves nothing
    uint64_t rng_ = 0;
    std::array<uint64_t, kGroupCount> failures_{};  // how often branching on a group failed
    static constexpr int kNoise = 400;
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

double ProcessorMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return 1000.0 * static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e6;
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
