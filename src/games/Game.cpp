#include "games/Game.h"

#include "board/Placement.h"
#include "games/Clicks.h"
#include "games/Memory.h"
#include "games/ProvedWinnable.h"
#include "games/Rivers.h"
#include "games/Solitaire.h"

namespace quorin {

namespace {

bool IsOneOf(uint8_t mode, std::initializer_list<uint8_t> modes) {
    for (uint8_t m : modes)
        if (m == mode)
            return true;
    return false;
}

}  // namespace

Game::Game(BoardView& view, TickSource& ticks, TimeOfDaySource& timeOfDay)
    : view_(view),
      ticks_(ticks),
      random_(timeOfDay),
      context_{s_, view_, ticks_, random_},
      solitaire_(std::make_unique<Solitaire>(context_)),
      rivers_(std::make_unique<RiversGame>(context_)),
      memory_(std::make_unique<MemoryGame>(context_)),
      clicks_(std::make_unique<ClicksGame>(context_)) {}

Game::~Game() = default;

GameRules* Game::Choose(uint8_t mode) {
    ++gameNumber_;
    ++changes_;
    switch (mode) {
        case ModeSolitaire:
        case ModeTwoPlayers:
            solitaire_->SetTwoPlayers(mode == ModeTwoPlayers);
            current_ = solitaire_.get();
            break;
        case ModeRivers:
            current_ = rivers_.get();
            break;
        case ModeMemory:
            current_ = memory_.get();
            break;
        case ModeClicks:
            current_ = clicks_.get();
            break;
        default:
            current_ = nullptr;
            break;
    }
    return current_;
}

GameRules* Game::Active() {
    return IsGameInProgress(s_.GameMode) ? current_ : nullptr;
}

void Game::CountFree() {
    if (GameRules* rules = Active())
        rules->CountFree();
}

DealResult Game::DealLayout() {
    PutLayoutOnBoard(s_);
    const uint8_t m = s_.GameMode;
    if (s_.options.Animate && !IsOneOf(m, {ModeNone, ModeEditor, ModeGameOver, ModeIdle}) &&
        !s_.options.RandomSeed1)
        view_.FullRedraw();
    Dealer dealer = MakeDealer();
    if (s_.options.Winnable && s_.options.Vertical)
        return DealProvedVertical(dealer);
    if (s_.options.Winnable)
        return dealer.CreateBoard();
    dealer.PlainDeal();
    return DealResult::Dealt;
}

DealResult Game::DealProvedVertical(Dealer& dealer) {
    // The dealer builds its removal order under the horizontal rule, so its promise does not
    // hold under the vertical one: the solver has to prove each candidate. The candidates go
    // on from the seed, so a seed number still deals one board.
    dealer.SeedDeal();
    dealer.SetQuiet(true);
    const ProofSearch search = MakeUntilProved(s_.board, random_, true, kVerticalDealBounds, [&] {
        return dealer.CreateBoardAgain() == DealResult::Dealt;
    });
    dealer.SetQuiet(false);
    if (search.nothingMade)
        return DealResult::CannotDeal;
    // The board kept is dealt once more, as the options say it is shown.
    random_.SetSeed(search.seedBefore);
    dealer.CreateBoardAgain();
    return search.proved ? DealResult::Dealt : DealResult::DealtUnproved;
}

void Game::ResetForNewGame() {
    s_.GameFinished = s_.GameOverShown = s_.ClickHandled = false;
    s_.HintIndex = s_.HintTile1 = s_.HintTile2 = 0;
    s_.SafeHintShown = false;
    s_.ElapsedSeconds = s_.PenaltySeconds = 0;
    s_.Selected1 = s_.Selected2 = 0;
    s_.HoverTile = 0;
    s_.PausedElapsed = s_.PausedTurn1 = s_.PausedTurn2 = 0;
    // A Memory pair still on show from an abandoned game must not be judged in this one.
    s_.MemoryCountdown = 0;
    s_.RiverFound = false;
}

void Game::StartGame(uint8_t mode, bool hard) {
    GameRules* rules = Choose(mode);
    if (!rules)
        return;
    ResetForNewGame();
    rules->Start(hard);
    s_.StartTick = ticks_.Now();
}

void Game::ButtonDown(MouseButton button, int X, int Y) {
    ++changes_;
    if (s_.MemoryCountdown > 0)
        return;
    GameRules* rules = Active();
    if (!rules)
        return;  // no game in progress, or the layout editor
    s_.ClickHandled = false;
    if (button == MouseButton::Right) {
        rules->RightPress();
        return;
    }
    rules->Press(button, X - s_.BoardOriginX, Y - s_.BoardOriginY);
}

void Game::Tick() {
    if (s_.MemoryCountdown > 0)
        ++changes_;
    // A turned Memory pair is judged even while the game is paused.
    if (current_)
        current_->Tick();
}

bool Game::AdvanceClock() {
    GameRules* rules = Active();
    return rules && rules->ClockStep();
}

bool Game::TwoPlayerGame() const {
    return current_ == solitaire_.get() && solitaire_->TwoPlayers();
}

void Game::FreezeClocks() {
    const uint32_t now = ticks_.Now();
    if (TwoPlayerGame()) {
        s_.PausedTurn1 = static_cast<int32_t>(now - s_.Player1Tick);
        s_.PausedTurn2 = static_cast<int32_t>(now - s_.Player2Tick);
    } else {
        s_.PausedElapsed = static_cast<int32_t>(now - s_.StartTick);
    }
}

void Game::ThawClocks() {
    const uint32_t now = ticks_.Now();
    if (TwoPlayerGame()) {
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
    ++changes_;
    GameRules* rules = Active();
    if (!rules || !rules->CanTakeBack())
        return;
    rules->TakeBack();
    ShowTakenBack();
}

void Game::GoBack(int pairs) {
    ++changes_;
    GameRules* rules = Active();
    if (!rules || !rules->CanTakeBack() || s_.TilesLeft == 0)
        return;
    for (int k = 0; k < pairs && s_.TilesLeft < s_.TotalTiles && rules->TakeBack(); ++k) {
    }
    ShowTakenBack();
}

void Game::ShowTakenBack() {
    view_.FullRedraw();
    if (s_.options.ShowGirls)
        view_.RepaintSidePanel();
    view_.RepaintNow();
}

void Game::AnswerClicksGiveUp(bool giveUp) {
    if (clicks_->AnswerGiveUp(giveUp))
        ShowTakenBack();
}

void Game::BackHistory() {
    ++changes_;
    if (GameRules* rules = Active())
        rules->TakeBack();
}

void Game::Restart() {
    ++changes_;
    if (s_.TilesLeft == 0 || s_.TilesLeft == s_.TotalTiles)
        return;
    GameRules* rules = Active();
    if (!rules || !rules->CanTakeBack())
        return;
    // Take every move back, then show the board once rather than after every move.
    while (s_.TilesLeft != s_.TotalTiles && rules->TakeBack()) {
    }
    ShowTakenBack();

    s_.ElapsedSeconds = 0;
    s_.PenaltySeconds = 0;
    s_.HoverTile = 0;
    s_.PausedElapsed = s_.PausedTurn1 = s_.PausedTurn2 = 0;
    s_.StartTick = ticks_.Now();
    view_.ShowStatus("Game restarted.");
}

void Game::Hint(std::pair<int, int> safe) {
    ++changes_;
    if (GameRules* rules = Active())
        rules->Hint(safe);
}

void Game::Shuffle1Click() {
    ++changes_;
    if (s_.GameFinished)
        return;
    GameRules* rules = Active();
    if (!rules || !rules->CanShuffle())
        return;
    s_.HintTile1 = s_.HintTile2 = 0;
    s_.SafeHintShown = false;
    s_.Selected1 = s_.Selected2 = 0;
    rules->Shuffle();
    view_.FullRedraw();
    view_.RepaintNow();
}

}  // namespace quorin
