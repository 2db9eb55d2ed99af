#include "games/Judging.h"

#include <algorithm>
#include <array>

#include "board/Tiles.h"

namespace quorin {

namespace {

uint32_t Packed(int tile, const TilePosition& p) {
    return static_cast<uint32_t>(tile) << 24 | static_cast<uint32_t>(p.x & 0xFF) << 16 |
           static_cast<uint32_t>(p.y & 0xFF) << 8 | static_cast<uint32_t>(p.layer & 0xFF);
}

int RemovedOf(const GameState& s) {
    return std::clamp(s.TotalTiles - s.TilesLeft, 0, kTileCount);
}

}  // namespace

Judging::Judging(std::function<void()> answered, int64_t budgetMs)
    : answered_(std::move(answered)), budgetMs_(budgetMs), thread_([this] { Work(); }) {}

Judging::~Judging() {
    {
        std::lock_guard lock(mutex_);
        stop_ = true;
        cancel_ = true;
    }
    wake_.notify_all();
    thread_.join();
}

Judging::Key Judging::KeyOf(const GameState& s, int pairsBack) {
    std::array<TilePosition, kTileCount + 1> at{};
    for (int t = 1; t <= kTileCount; ++t)
        at[static_cast<size_t>(t)] = s.board.TilePos[t];
    // The pairs taken back stand again where the move history says they stood.
    const int removed = RemovedOf(s);
    for (int e = std::max(0, removed - 2 * pairsBack); e < removed; ++e) {
        const MoveEntry& m = s.board.MoveHistory[static_cast<size_t>(e)];
        if (m.tile >= 1 && m.tile <= kTileCount)
            at[m.tile] = {m.x, m.y, m.layer};
    }
    Key key;
    key.reserve(kTileCount + 1);
    key.push_back(s.options.Vertical ? 1 : 0);
    for (int t = 1; t <= kTileCount; ++t)
        if (at[static_cast<size_t>(t)].OnBoard())
            key.push_back(Packed(t, at[static_cast<size_t>(t)]));
    return key;
}

const Judging::Known* Judging::Find(const Key& key) const {
    const auto it = known_.find(key);
    return it == known_.end() ? nullptr : &it->second;
}

std::optional<Judging::Known> Judging::Inferred(const GameState& s) const {
    const int removed = RemovedOf(s);
    if (removed < 2 || previous_.empty())
        return std::nullopt;
    const Known* before = Find(previous_);
    if (!before)
        return std::nullopt;
    // Taking a pair off a lost position cannot save it.
    if (before->answer == SolveAnswer::Unwinnable)
        return Known{SolveAnswer::Unwinnable, {}};
    if (before->answer != SolveAnswer::Winnable)
        return std::nullopt;
    // A pair of a winning order taken off early only frees the others sooner: the rest of the
    // order still clears the board.
    const int a = s.board.MoveHistory[static_cast<size_t>(removed - 2)].tile;
    const int b = s.board.MoveHistory[static_cast<size_t>(removed - 1)].tile;
    const auto& order = before->order;
    const auto it = std::find_if(order.begin(), order.end(), [a, b](const auto& p) {
        return (p.first == a && p.second == b) || (p.first == b && p.second == a);
    });
    if (it == order.end())
        return std::nullopt;
    Known known{SolveAnswer::Winnable, {}};
    known.order.reserve(order.size() - 1);
    for (auto p = order.begin(); p != order.end(); ++p)
        if (p != it)
            known.order.push_back(*p);
    return known;
}

void Judging::Settle(const Key& key, Known known) {
    const bool lost = known.answer == SolveAnswer::Unwinnable;
    known_[key] = std::move(known);
    if (key != current_ || !lost || warned_)
        return;
    const Known* before = previous_.empty() ? nullptr : Find(previous_);
    if (before && before->answer == SolveAnswer::Winnable) {
        fatal_ = true;
        warned_ = true;
    }
}

void Judging::Look(const GameState& s) {
    Key key = KeyOf(s, 0);
    if (key == current_)
        return;
    current_ = std::move(key);
    previous_ = RemovedOf(s) >= 2 ? KeyOf(s, 1) : Key{};
    fatal_ = warned_ = false;
    if (Find(current_)) {
        // Judged before: a fatal move made again after taking it back is told again.
        Known again = *Find(current_);
        Settle(current_, std::move(again));
        return;
    }
    if (auto inferred = Inferred(s)) {
        Settle(current_, std::move(*inferred));
        return;
    }
    Job job{current_, TilesOnBoard(s.board), s.options.Vertical};
    {
        std::lock_guard lock(mutex_);
        if (judging_ != current_)
            cancel_ = true;  // the position being judged is left behind
        job_ = std::move(job);
    }
    wake_.notify_all();
}

bool Judging::Collect() {
    std::vector<std::pair<Key, Known>> done;
    {
        std::lock_guard lock(mutex_);
        done.swap(done_);
    }
    const Winnability was = Current();
    for (auto& [key, known] : done)
        Settle(key, std::move(known));
    return Current() != was;
}

Winnability Judging::Current() const {
    const Known* known = Find(current_);
    if (!known)
        return Winnability::NotYetKnown;
    switch (known->answer) {
        case SolveAnswer::Winnable:
            return Winnability::Winnable;
        case SolveAnswer::Unwinnable:
            return Winnability::Unwinnable;
        case SolveAnswer::Undecided:
            break;
    }
    return Winnability::NotYetKnown;
}

bool Judging::TakeFatalMove() {
    return std::exchange(fatal_, false);
}

int Judging::PairsBackToWinnable(const GameState& s) const {
    const int pairs = RemovedOf(s) / 2;
    for (int back = 1; back <= pairs; ++back) {
        const Known* known = Find(KeyOf(s, back));
        if (known && known->answer == SolveAnswer::Winnable)
            return back;
    }
    return 0;
}

std::pair<int, int> Judging::SafePair(const GameState& s) const {
    const Known* known = Find(KeyOf(s, 0));
    if (!known || known->answer != SolveAnswer::Winnable || known->order.empty())
        return {0, 0};
    return known->order.front();
}

void Judging::Forget() {
    known_.clear();
    current_.clear();
    previous_.clear();
    fatal_ = warned_ = false;
    std::lock_guard lock(mutex_);
    job_.reset();
    cancel_ = true;
}

void Judging::SetSolver(SolveFn solve) {
    std::lock_guard lock(mutex_);
    solve_ = std::move(solve);
}

bool Judging::Busy() const {
    std::lock_guard lock(mutex_);
    return job_.has_value() || !judging_.empty();
}

void Judging::Work() {
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return stop_ || job_.has_value(); });
        if (stop_)
            return;
        Job job = std::move(*job_);
        job_.reset();
        judging_ = job.key;
        cancel_ = false;
        const SolveFn solve = solve_;
        lock.unlock();

        SolveLimits limits;
        limits.budgetMs = budgetMs_;
        limits.cancel = &cancel_;
        SolveResult result = solve(job.tiles, job.vertical, limits);

        lock.lock();
        judging_.clear();
        // A position left behind says nothing; one out of budget stays undecided.
        if (cancel_ && result.answer == SolveAnswer::Undecided)
            continue;
        done_.emplace_back(std::move(job.key), Known{result.answer, std::move(result.order)});
        lock.unlock();
        answered_();
        lock.lock();
    }
}

}  // namespace quorin
