// The solver in play: every position a solitaire game reaches is judged, winnable or not, on
// a thread of its own, so that the window never waits for it. What is known is kept for the
// whole game: taking moves back finds their positions already judged.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <thread>
#include <utility>
#include <vector>

#include "board/GameState.h"
#include "solver/Solver.h"

namespace quorin {

enum class Winnability { NotYetKnown, Winnable, Unwinnable };

class Judging {
  public:
    // `answered` is called on the judging thread whenever a verdict is in: it should only
    // wake the caller's thread, which then calls Collect. `budgetMs` is the processor time
    // one position may take before it is left undecided.
    explicit Judging(std::function<void()> answered, int64_t budgetMs = 1000);
    ~Judging();
    Judging(const Judging&) = delete;
    Judging& operator=(const Judging&) = delete;

    // Looks at the position of `s`: the tiles on the board and the rule. It is known at once
    // when it was judged before or when the position one move back decides it; otherwise it
    // goes to the background, which drops whatever it was judging. Cheap when nothing moved.
    void Look(const GameState& s);
    // Takes in the verdicts that arrived; true when the current position's verdict changed.
    bool Collect();
    // What is known of the position last looked at.
    Winnability Current() const;
    // True once, when the position last looked at is known to be lost while the position one
    // move before it was proved winnable: the move just made was the fatal one.
    bool TakeFatalMove();
    // How many pairs of `s` to take back to reach the last position proved winnable; 0 when
    // none of the positions behind it is known to be winnable.
    int PairsBackToWinnable(const GameState& s) const;
    // A free pair of `s` that keeps it winnable, when that is known; {0, 0} otherwise.
    std::pair<int, int> SafePair(const GameState& s) const;
    // A new game: what was known of the last one no longer holds.
    void Forget();
    // Whether a position is being judged in the background now.
    bool Busy() const;

    // The solver the thread calls: `Solve` unless a test needs one of known slowness.
    using SolveFn = std::function<SolveResult(const std::vector<SolverTile>&, bool vertical,
                                              const SolveLimits&)>;
    void SetSolver(SolveFn solve);

  private:
    // The tiles of a position with their cells, in tile order, after the rule.
    using Key = std::vector<uint32_t>;
    struct Known {
        SolveAnswer answer = SolveAnswer::Undecided;
        std::vector<std::pair<int, int>> order;  // for a winnable position
    };
    struct Job {
        Key key;
        std::vector<SolverTile> tiles;
        bool vertical = false;
    };

    static Key KeyOf(const GameState& s, int pairsBack);
    const Known* Find(const Key& key) const;
    // What the position one move back tells of this one, if anything.
    std::optional<Known> Inferred(const GameState& s) const;
    void Settle(const Key& key, Known known);
    void Work();

    std::function<void()> answered_;
    int64_t budgetMs_;
    std::map<Key, Known> known_;
    Key current_, previous_;
    bool fatal_ = false;
    bool warned_ = false;  // the fatal move of the current position was told

    mutable std::mutex mutex_;
    std::condition_variable wake_;
    std::optional<Job> job_;                   // waiting for the thread
    Key judging_;                              // being judged by the thread
    std::vector<std::pair<Key, Known>> done_;  // judged, not yet collected
    std::atomic<bool> cancel_{false};
    SolveFn solve_ = Solve;
    bool stop_ = false;
    std::thread thread_;
};

}  // namespace quorin
