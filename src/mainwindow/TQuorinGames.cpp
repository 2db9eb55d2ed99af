// Rivers, Memory and Clicks in the main window: their commands, "New" continuing the last
// game played, the Clicks pictures and its give-up question. The rules are in the core.
#include <QPushButton>

#include <array>

#include "games/Clicks.h"
#include "games/Memory.h"
#include "games/Rivers.h"
#include "mainwindow/TQuorin.h"
#include "mainwindow/WelcomePanel.h"

namespace quorin {

namespace {

QImage ClicksResource(int number) {
    QImage image(":/bitmaps/" + QString::number(number) + ".bmp");
    return image.isNull() ? image : image.convertToFormat(QImage::Format_RGB32);
}

}  // namespace

void TQuorin::ConnectOtherGames() {
    auto route = [this](QAction* action, QPushButton* button, auto start, Level level) {
        connect(action, &QAction::triggered, this, [this, start, level] { (this->*start)(level); });
        connect(button, &QPushButton::clicked, this,
                [this, start, level] { (this->*start)(level); });
    };
    route(Action("NewArcadeMahjonggGame1"), welcome_->RiversEasy, &TQuorin::FourRivers,
          Level::Easy);
    route(Action("MahJonggRiversNewGameHard1"), welcome_->RiversHard, &TQuorin::FourRivers,
          Level::Hard);
    route(Action("Memory1"), welcome_->MemoryEasy, &TQuorin::Memory, Level::Easy);
    route(Action("MemoryHard1"), welcome_->MemoryHard, &TQuorin::Memory, Level::Hard);
    route(Action("MahJonggClicks1"), welcome_->ClicksEasy, &TQuorin::MahJonggClicks, Level::Easy);
    route(Action("MahJonggClicksHard1"), welcome_->ClicksHard, &TQuorin::MahJonggClicks,
          Level::Hard);
    std::array<QImage, 6> pieces;
    const int numbers[] = {4, 5, 6, 7, 8, 26};
    for (size_t c = 0; c < pieces.size(); ++c)
        pieces[c] = ClicksResource(numbers[c]);
    renderer_.SetClicksPieces(pieces);
}

void TQuorin::FourRivers(Level level) {
    StartOtherGame(ModeRivers, level, kRiversHard, "Mahjongg Rivers started.");
}

void TQuorin::Memory(Level level) {
    StartOtherGame(ModeMemory, level, kMemoryHard, "Mahjongg Memory started.");
}

void TQuorin::MahJonggClicks(Level level) {
    StartOtherGame(ModeClicks, level, kClicksHard, "Mahjongg Clicks started.");
}

void TQuorin::StartOtherGame(uint8_t mode, Level level, int32_t hardCode, const char* started) {
    GameState& s = State();
    ColorHighlight();
    // "New" keeps the level last played of this game.
    const bool hard = level == Level::Hard || (level == Level::Last && s.CurrentLayout == hardCode);
    game_.StartGame(mode, hard);
    status_.bounce = false;
    giveUpOpen_ = false;
    if (s.GameMode == ModePaused) {
        SetPauseCaptions(false);
        Action("Pause1")->setEnabled(true);
        SetPauseButtons();
    }
    ShowStatus(started);
    IM(mode);
    FullRedraw();
    ShowPanelHOF();
}

void TQuorin::AskClicksGiveUp() {
    ClicksGame& clicks = game_.Clicks();
    if (giveUpOpen_ || game_.Active() != &clicks || !clicks.GiveUpDue())
        return;
    // The clock keeps ticking while the question is open: ask once.
    giveUpOpen_ = true;
    const uint32_t asked = game_.GameNumber();
    const bool giveUp = dialogs_.AskYesNo(
        this, "Game Over",
        "No more moves. Do you want to give up ? (If you reply Yes and made a good score, "
        "you'll enter the hall of fame. If you reply No, the game will go back one move)");
    giveUpOpen_ = false;
    if (game_.GameNumber() != asked)
        return;  // another game was started meanwhile
    // The question took the focus, and losing the focus pauses the game: the player has
    // answered and plays on, or ends the game, from here.
    if (State().GameMode == ModePaused)
        PauseClick();
    game_.AnswerClicksGiveUp(giveUp);
    if (State().GameFinished)
        GameOver();
}

}  // namespace quorin
