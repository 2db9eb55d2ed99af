#include "board/Dealer.h"

#include "board/FreeRule.h"
#include "board/Placement.h"

namespace quorin {

namespace {

bool IsMarked(const BoardTables& board, TilePosition p) {
    return board.Cell(p.x, p.y, p.layer) == UndealtMark;
}

std::vector<TilePosition> MarkedPositions(const BoardTables& board) {
    return EnumeratePositions(
        [&](int x, int y, int layer) { return board.Cell(x, y, layer) == UndealtMark; });
}

}  // namespace

void Dealer::SeedDeal() {
    if (s_.options.RandomSeed1 && s_.SeedNumber > 0)
        random_.SetSeed(static_cast<uint32_t>(s_.SeedNumber));
    else
        random_.SeedFromClock();
}

bool Dealer::AnimationAppliesToMode() const {
    const uint8_t m = s_.GameMode;
    return !quiet_ && s_.options.Animate && m != ModeNone && m != ModeEditor && m != ModeGameOver &&
           m != ModeIdle;
}

bool Dealer::AnimationApplies() const {
    return AnimationAppliesToMode() && !s_.options.RandomSeed1;
}

void Dealer::PlainDeal() {
    SeedDeal();
    const bool animate = s_.options.Animate && s_.GameMode != ModeEditor && !s_.options.RandomSeed1;
    // A validated layout has at most 144 positions, so every id finds one.
    for (int i = 1; i <= s_.TilesLeft && i <= kTileCount;) {
        const int x = static_cast<int>(random_.Next(kColumns)) + 1;
        const int y = static_cast<int>(random_.Next(kRows)) + 1;
        const int layer = static_cast<int>(random_.Next(kLayers)) + 1;
        if (s_.board.Cell(x, y, layer) != UndealtMark)
            continue;
        s_.board.Place(i, x, y, layer);
        if (animate) {
            view_.RedrawTile(i);
            view_.RepaintNow();
        }
        ++i;
    }
}

int Dealer::CountFreeForDeal(const std::vector<TilePosition>& list) const {
    int n = 0;
    for (const TilePosition& p : list)
        if (s_.board.Cell(p.x, p.y, p.layer) != 0 && IsFreeForDeal(s_.board, p.x, p.y, p.layer))
            ++n;
    return n;
}

TilePosition Dealer::DrawFreePosition(const std::vector<TilePosition>& list, int drawRange,
                                      const TilePosition* other) {
    // The caller made sure at least two marked positions are free, so this ends.
    for (;;) {
        const int r = static_cast<int>(random_.Next(static_cast<uint32_t>(drawRange)));
        if (r >= static_cast<int>(list.size()))
            continue;
        const TilePosition p = list[r];
        if (!IsMarked(s_.board, p) || !IsFreeForDeal(s_.board, p.x, p.y, p.layer))
            continue;
        if (other && p == *other)
            continue;
        return p;
    }
}

DealResult Dealer::CreateBoard(std::vector<TilePosition>* order) {
    return Create(order, true);
}

DealResult Dealer::CreateBoardAgain(std::vector<TilePosition>* order) {
    return Create(order, false);
}

DealResult Dealer::Create(std::vector<TilePosition>* order, bool seed) {
    if (AnimationApplies())
        view_.FullRedraw();
    s_.board.ClearPositions(s_.TilesLeft);

    PutLayoutOnBoard(s_);
    std::vector<TilePosition> list = MarkedPositions(s_.board);
    const int positions = s_.TilesLeft;
    if (positions > kTileCount || positions % 2 != 0)
        return DealResult::CannotDeal;
    std::vector<TilePosition> slots(positions + 2);  // 1-based pairs
    if (seed)
        SeedDeal();

    int k = 1;
    int restarts = 0;
    while (positions >= k) {
        if (CountFreeForDeal(list) <= 1) {
            if (++restarts > kMaxRestarts) {
                PutLayoutOnBoard(s_);
                return DealResult::CannotDeal;
            }
            PutLayoutOnBoard(s_);
            k = 1;
            continue;
        }
        const TilePosition a = DrawFreePosition(list, positions, nullptr);
        slots[k] = a;
        const TilePosition b = DrawFreePosition(list, positions, &a);
        slots[k + 1] = b;
        s_.board.SetCell(a.x, a.y, a.layer, 0);
        s_.board.SetCell(b.x, b.y, b.layer, 0);
        k += 2;
    }

    const bool animate = AnimationApplies();
    for (k -= 2; k >= 1; k -= 2) {
        int a, b;
        do {
            a = static_cast<int>(random_.Next(static_cast<uint32_t>(positions))) + 1;
            b = static_cast<int>(random_.Next(static_cast<uint32_t>(positions))) + 1;
        } while (!(SameGroup(a, b) && a != b && !s_.board.TilePos[a].OnBoard() &&
                   !s_.board.TilePos[b].OnBoard()));
        s_.board.Place(a, slots[k].x, slots[k].y, slots[k].layer);
        s_.board.Place(b, slots[k + 1].x, slots[k + 1].y, slots[k + 1].layer);
        if (animate) {
            view_.FullRedraw();
            view_.RepaintNow();
        }
    }
    if (order)
        order->assign(slots.begin() + 1, slots.begin() + 1 + positions);
    return DealResult::Dealt;
}

void Dealer::Restore(const std::vector<TilePosition>& saved) {
    for (int t = 1; t <= s_.TotalTiles && t <= kTileCount; ++t) {
        const TilePosition p = saved[t];
        if (!p.OnBoard())
            continue;
        s_.board.Place(t, p.x, p.y, p.layer);
    }
}

void Dealer::ShuffleBoard() {
    Shuffle(true);
}

void Dealer::ShuffleBoardAgain() {
    Shuffle(false);
}

void Dealer::Shuffle(bool seed) {
    const uint8_t m = s_.GameMode;
    if (AnimationApplies() && (m == ModeSolitaire || m == ModeTwoPlayers || m == ModeRivers))
        view_.FullRedraw();

    const int total = s_.TotalTiles < kTileCount ? s_.TotalTiles : kTileCount;
    std::vector<TilePosition> saved(kTileCount + 1);
    for (int t = 1; t <= total; ++t)
        saved[t] = s_.board.TilePos[t];
    s_.board.ClearPositions(total);

    // Every occupied cell becomes a position to deal again.
    LayoutGrid marks;
    for (int layer = 1; layer <= kLayers; ++layer)
        for (int y = 1; y <= kRows; ++y)
            for (int x = 1; x <= kColumns; ++x)
                marks.Set(x, y, layer, s_.board.Cell(x, y, layer) != 0 ? 1 : 0);
    s_.board.CopyLayout(marks);
    const std::vector<TilePosition> list = MarkedPositions(s_.board);
    const int positions = static_cast<int>(list.size());

    if (CountFreeForDeal(list) < 2) {
        Restore(saved);
        return;
    }

    std::vector<int> remaining;  // ids on the board, ascending: neighbours pair up
    for (int t = 1; t <= total; ++t)
        if (saved[t].x > 0 && saved[t].y > 0 && saved[t].layer > 0)
            remaining.push_back(t);
    const int n = static_cast<int>(remaining.size());

    std::vector<TilePosition> slots(n + 2);
    int k = 1;
    int tries = 0;
    if (seed)
        random_.SeedFromClock();
    while (n >= k && tries <= kMaxShufflePasses) {
        ++tries;
        if (CountFreeForDeal(list) <= 1) {
            s_.board.CopyLayout(marks);
            k = 1;
            continue;
        }
        const TilePosition a = DrawFreePosition(list, positions, nullptr);
        slots[k] = a;
        const TilePosition b = DrawFreePosition(list, positions, &a);
        slots[k + 1] = b;
        s_.board.SetCell(a.x, a.y, a.layer, 0);
        s_.board.SetCell(b.x, b.y, b.layer, 0);
        k += 2;
    }
    if (tries > kMaxShufflePasses) {
        Restore(saved);
        return;
    }

    s_.board.ClearCells();
    s_.board.ClearPositions(total);
    const bool animate = AnimationAppliesToMode();
    for (k -= 2; k >= 1; k -= 2) {
        int a, b;
        do {
            const int d = static_cast<int>(random_.Next(static_cast<uint32_t>(n - 1))) + 1;
            a = remaining[d - 1];
            b = d % 2 == 1 ? remaining[d] : remaining[d - 2];
        } while (s_.board.TilePos[a].OnBoard() || s_.board.TilePos[b].OnBoard());
        s_.board.Place(a, slots[k].x, slots[k].y, slots[k].layer);
        s_.board.Place(b, slots[k + 1].x, slots[k + 1].y, slots[k + 1].layer);
        if (animate) {
            view_.FullRedraw();
            view_.RepaintNow();
        }
    }
}

}  // namespace quorin
