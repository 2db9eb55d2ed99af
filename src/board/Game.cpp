#include "board/Game.h"

#include <string>

#include "board/FreeRule.h"
#include "board/Placement.h"

namespace quorin {

namespace {

bool InCellRange(int column, int row) {
    // Compared unsigned, so points left of or above the board fail as well.
    return static_cast<unsigned>(column) <= 34u && static_cast<unsigned>(row) <= 20u;
}

bool IsOneOf(uint8_t mode, std::initializer_list<uint8_t> modes) {
    for (uint8_t m : modes)
        if (m == mode)
            return true;
    return false;
}

}  // namespace

DealResult Game::DealLayout() {
    PutLayoutOnBoard(s_);
    const uint8_t m = s_.GameMode;
    if (s_.options.Animate && !IsOneOf(m, {ModeNone, ModeEditor, ModeGameOver, ModeIdle}) &&
        !s_.options.RandomSeed1)
        view_.FullRedraw();
    Dealer dealer = MakeDealer();
    if (s_.options.Winnable)
        return dealer.CreateBoard();
    dealer.PlainDeal();
    return DealResult::Dealt;
}

void Game::ResetForNewGame() {
    s_.GameFinished = s_.GameOverShown = s_.ClickHandled = false;
    s_.HintIndex = s_.HintTile1 = s_.HintTile2 = 0;
    s_.ElapsedSeconds = s_.PenaltySeconds = 0;
    s_.Selected1 = s_.Selected2 = 0;
    s_.HoverTile = 0;
    s_.PausedElapsed = s_.PausedTurn1 = s_.PausedTurn2 = 0;
}

void Game::ButtonDown(MouseButton button, int X, int Y) {
    if (s_.MemoryCountdown > 0)
        return;
    if (s_.GameMode == ModeNone || s_.GameMode >= ModeGameOver)
        return;
    const int px = X - s_.BoardOriginX;
    const int py = Y - s_.BoardOriginY;
    s_.ClickHandled = false;
    if (button == MouseButton::Right && s_.GameMode != ModeEditor) {
        // Memory keeps its turned tiles.
        if (s_.GameMode != ModeMemory) {
            s_.HintTile1 = s_.HintTile2 = 0;
            s_.Selected1 = s_.Selected2 = 0;
        }
        view_.FullRedraw();
        view_.RestoreSidePanel();
        return;
    }
    if (s_.GameMode == ModeClicks)
        return;  // Clicks has a click rule of its own
    ChoisitPai(px, py, px / 20, button, py / 25);
}

void Game::ChoisitPai(int px, int py, int column, MouseButton button, int row) {
    s_.HallPanelDirty = false;
    // Only a dealt tile can be chosen; an undealt position is never one.
    int t = WhatTileThere(s_.board, px, py);
    if (t > kTileCount)
        t = 0;
    const uint8_t mode = s_.GameMode;

    if (InCellRange(column, row) && !s_.ClickHandled && t > 0 && mode != ModeEditor) {
        if (s_.Selected1 == 0) {
            s_.Selected1 = static_cast<uint8_t>(t);
            if (mode == ModeMemory || IsTileFree(s_, t)) {
                SonOK(t);
            } else {
                s_.Selected1 = 0;
                view_.PlaySound(Sound::NoWay);
            }
        } else {
            s_.PrevSelected2 = s_.Selected2;
            s_.Selected2 = static_cast<uint8_t>(t);
            if (mode == ModeMemory) {
                if (t == s_.Selected1)
                    return;
                s_.ClickHandled = true;
                SonOK(t);
                s_.MemoryCountdown = 10;
                s_.RedrawTileA = t;
            } else if (IsTileFree(s_, t)) {
                TestStile2();
            } else {
                s_.Selected2 = static_cast<uint8_t>(s_.PrevSelected2);
                view_.PlaySound(Sound::NoWay);
            }
        }
    }

    s_.RedrawTileA = 0;
    s_.RedrawTileB = 0;
    (void)button;  // the layout editor reads it
    if (mode != ModeMemory && s_.Selected1 != 0 && s_.Selected2 != 0)
        MatchSelection();
}

void Game::SonOK(int tile) {
    view_.PlaySound(Sound::Select);
    if (tile > 0)
        view_.RedrawTile(tile);
}

void Game::TestStile2() {
    s_.ClickHandled = true;
    if (s_.Selected1 == s_.Selected2) {
        // The selected tile clicked again: deselect it.
        s_.RedrawTileA = s_.Selected1;
        s_.Selected1 = s_.Selected2 = 0;
        view_.PlaySound(Sound::Select);
    } else {
        s_.RedrawTileA = s_.Selected2;
    }
    if (s_.RedrawTileA > 0)
        view_.RedrawTile(s_.RedrawTileA);
}

void Game::MatchSelection() {
    if (!SameGroup(s_.Selected1, s_.Selected2)) {
        // The second tile becomes the selection.
        s_.RedrawTileA = s_.Selected1;
        s_.Selected1 = s_.Selected2;
        s_.Selected2 = 0;
        view_.RedrawTile(s_.RedrawTileA);
        view_.PlaySound(Sound::Select);
        return;
    }
    RemoveSelectedPair();
}

void Game::RemoveSelectedPair() {
    const int k = s_.TotalTiles - s_.TilesLeft;
    if (k >= 0 && k + 1 < kTileCount) {
        const TilePosition a = s_.board.TilePos[s_.Selected1];
        const TilePosition b = s_.board.TilePos[s_.Selected2];
        s_.board.MoveHistory[k] = {s_.Selected1, a.x, a.y, a.layer};
        s_.board.MoveHistory[k + 1] = {s_.Selected2, b.x, b.y, b.layer};
    }
    s_.RedrawTileA = s_.Selected1;
    s_.RedrawTileB = s_.Selected2;
    s_.Selected1 = s_.Selected2 = 0;
    for (const int tile : {s_.RedrawTileA, s_.RedrawTileB}) {
        // The tile's area is redrawn while its position is still known.
        const TilePosition p = s_.board.TilePos[tile];
        s_.board.SetCell(p.x, p.y, p.layer, 0);
        view_.RedrawTile(tile);
        s_.board.TilePos[tile] = {};
    }
    s_.TilesLeft -= 2;
    view_.PlaySound(Sound::Done);
    if (s_.options.ShowGirls)
        view_.RepaintSidePanel();
    if (s_.GameMode == ModeTwoPlayers)
        PassTurn();
}

void Game::PassTurn() {
    const uint32_t now = ticks_.Now();
    if (!s_.PlayerTwoTurn) {
        s_.PlayerTwoTurn = true;
        s_.Player1Millis += static_cast<int32_t>(now - s_.Player1Tick);
        s_.Player2Tick = now;
    } else {
        s_.PlayerTwoTurn = false;
        s_.Player2Millis += static_cast<int32_t>(now - s_.Player2Tick);
        s_.Player1Tick = now;
    }
}

bool Game::AdvanceClock() {
    if (s_.GameMode >= ModeSolitaire && s_.GameMode <= ModeMemory) {
        s_.ElapsedSeconds = static_cast<int32_t>((ticks_.Now() - s_.StartTick) / 1000);
        return s_.ElapsedSeconds + s_.PenaltySeconds >= kTimeLimitSeconds;
    }
    if (s_.GameMode == ModeClicks)
        s_.ElapsedSeconds = s_.TilesLeft;
    return false;
}

void Game::FreezeClocks() {
    const uint32_t now = ticks_.Now();
    if (s_.GameMode == ModeTwoPlayers) {
        s_.PausedTurn1 = static_cast<int32_t>(now - s_.Player1Tick);
        s_.PausedTurn2 = static_cast<int32_t>(now - s_.Player2Tick);
    } else {
        s_.PausedElapsed = static_cast<int32_t>(now - s_.StartTick);
    }
}

void Game::ThawClocks() {
    const uint32_t now = ticks_.Now();
    if (s_.GameMode == ModeTwoPlayers) {
        // The overall clock is not shifted: the time limit counts paused time too.
        s_.Player1Tick = now - static_cast<uint32_t>(s_.PausedTurn1);
        s_.Player2Tick = now - static_cast<uint32_t>(s_.PausedTurn2);
    } else {
        s_.StartTick = now - static_cast<uint32_t>(s_.PausedElapsed);
    }
}

void Game::Back() {
    if (s_.TilesLeft == 0 || s_.TilesLeft == s_.TotalTiles)
        return;
    GoBack();
}

void Game::GoBack() {
    if (!IsOneOf(s_.GameMode, {ModeSolitaire, ModeRivers, ModeClicks}))
        return;
    BackHistory();
    view_.FullRedraw();
    if (s_.options.ShowGirls)
        view_.RepaintSidePanel();
    view_.RepaintNow();
}

void Game::BackHistory() {
    if (s_.TilesLeft >= s_.TotalTiles)
        return;
    if (s_.GameMode == ModeClicks)
        return;  // Clicks restores its own snapshots
    s_.TilesLeft += 2;
    s_.Selected1 = s_.Selected2 = 0;
    s_.HintTile1 = s_.HintTile2 = 0;
    const int k = s_.TotalTiles - s_.TilesLeft;
    for (int e = k; e <= k + 1; ++e) {
        const MoveEntry& m = s_.board.MoveHistory[e];
        if (m.tile == 0)
            continue;
        s_.board.Place(m.tile, m.x, m.y, m.layer);
    }
}

void Game::Restart() {
    if (s_.TilesLeft == 0 || s_.TilesLeft == s_.TotalTiles)
        return;
    if (!IsOneOf(s_.GameMode, {ModeSolitaire, ModeRivers, ModeClicks}))
        return;
    // Take every pair back, then show the board once rather than after every pair.
    for (;;) {
        const int before = s_.TilesLeft;
        BackHistory();
        if (s_.TilesLeft == s_.TotalTiles || s_.TilesLeft == before)
            break;
    }
    view_.FullRedraw();
    if (s_.options.ShowGirls)
        view_.RepaintSidePanel();
    view_.RepaintNow();

    s_.ElapsedSeconds = 0;
    s_.PenaltySeconds = 0;
    s_.HoverTile = 0;
    s_.PausedElapsed = s_.PausedTurn1 = s_.PausedTurn2 = 0;
    s_.StartTick = ticks_.Now();
    view_.ShowStatus("Game restarted.");
}

void Game::Hint() {
    if (s_.GameMode != ModeSolitaire && s_.GameMode != ModeRivers)
        return;
    if (s_.MovesLeft == 0)
        return;
    s_.HintTile1 = s_.HintTile2 = 0;
    IsItFree(s_);
    if (s_.FreeCount < 2 || s_.MovesLeft == 0)
        return;
    s_.HintIndex = s_.HintIndex % s_.MovesLeft + 1;
    const auto& list = s_.board.FreeList;
    for (int k = 1, found = 0; k < s_.FreeCount; ++k) {
        if (!SameGroup(list[k], list[k + 1]))
            continue;
        if (++found == s_.HintIndex) {
            s_.HintTile1 = list[k];
            s_.HintTile2 = list[k + 1];
            break;
        }
    }
    s_.PenaltySeconds += 40;
    view_.FullRedraw();
}

void Game::Shuffle1Click() {
    if (s_.GameFinished)
        return;
    if (!IsOneOf(s_.GameMode, {ModeSolitaire, ModeTwoPlayers, ModeRivers}))
        return;
    s_.HintTile1 = s_.HintTile2 = 0;
    s_.Selected1 = s_.Selected2 = 0;
    if (s_.options.Shuffable && s_.GameMode != ModeRivers) {
        MakeDealer().ShuffleBoard();
    } else {
        for (int pass = 1; pass <= 101; ++pass) {
            FreeShuffle();
            IsItFree(s_);
            if (s_.MovesLeft > 0)
                break;
        }
    }
    ReportShuffle();
    view_.FullRedraw();
    view_.RepaintNow();
}

void Game::FreeShuffle() {
    auto& b = s_.board;
    const bool rivers = s_.GameMode == ModeRivers;
    for (int layer = 1; layer <= kLayers; ++layer) {
        for (int x = 1; x <= kColumns; ++x) {
            for (int y = 1; y <= kRows; ++y) {
                const int t = b.Cell(x, y, layer);
                if (t < 1 || t > kTileCount)
                    continue;
                int x2, y2, layer2, u;
                do {
                    x2 = static_cast<int>(random_.Next(kColumns)) + 1;
                    y2 = static_cast<int>(random_.Next(kRows)) + 1;
                    layer2 = rivers ? layer : static_cast<int>(random_.Next(kLayers)) + 1;
                    u = b.Cell(x2, y2, layer2);
                } while (u < 1 || u > kTileCount);
                std::swap(b.TilePos[t], b.TilePos[u]);
                b.SetCell(x2, y2, layer2, static_cast<uint8_t>(t));
                b.SetCell(x, y, layer, static_cast<uint8_t>(u));
            }
        }
    }
}

void Game::ReportShuffle() {
    if (s_.GameMode == ModeRivers) {
        view_.ShowStatus("Tiles shuffled. 40 seconds penalty.");
        s_.PenaltySeconds += 40;
        return;
    }
    IsItFree(s_);
    const int n = s_.MovesLeft;
    if (n >= 2)
        view_.ShowStatus("Tiles shuffled. " + std::to_string(n) + " new moves found.");
    else if (n == 1)
        view_.ShowStatus("Tiles shuffled. 1 new move found.");
    else
        view_.ShowStatus("No moves found. Try to press Back a few times.");
    if (s_.GameMode != ModeTwoPlayers)
        s_.PenaltySeconds += 10 * n;
}

}  // namespace quorin
