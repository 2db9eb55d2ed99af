// Game modes, starting and stopping games, the clock, the pause and the end of a game.
#include <QEvent>
#include <QLabel>
#include <QRandomGenerator>

#include "games/Clicks.h"
#include "games/Memory.h"
#include "games/Rivers.h"
#include "halloffame/GameOverRules.h"
#include "halloffame/ScorePanels.h"
#include "mainwindow/BoardSurface.h"
#include "mainwindow/StatusLine.h"
#include "mainwindow/TQuorin.h"
#include "mainwindow/WelcomePanel.h"

namespace quorin {

namespace {

constexpr const char* kNoMoreMoves = "      SORRY, NO MORE MOVES !!";

bool IsOtherGame(int currentLayout) {
    return currentLayout >= 100;
}

// Labels are set only when their text changes, so an idle window does not repaint.
void SetText(QLabel* label, const QString& text) {
    if (label->text() != text)
        label->setText(text);
}

}  // namespace

void TQuorin::IM(uint8_t mode) {
    welcome_->hide();
    State().GameMode = mode;
    if (mode != ModePaused)
        waitingToGoOn_ = false;
    if (IsGameInProgress(mode) && surface_)
        surface_->setFocus();  // the arrow keys play
    else if (focusTile_) {
        focusTile_ = 0;
        ShowFocus();
    }
    if (mode == ModeIdle || mode == ModePaused)
        ShowFond();
    if (mode == ModeGameOver || mode == ModeIdle) {
        // No paused game is left behind the welcome panel, whichever way the game ended.
        if (pauseButton_ != nullptr) {
            SetPauseCaptions(false);
            SetPauseButtons();
        }
        CenterWelcome();
        welcome_->show();
        welcome_->raise();
        welcome_->Classic->setFocus();
    }
}

void TQuorin::NewGame() {
    // "New" continues the kind of the last game, also after a restart of the program, which
    // keeps CurrentLayout; a two-player game is known only by its mode.
    const GameState& s = State();
    if (s.GameMode == ModeTwoPlayers ||
        (s.GameMode == ModePaused && s.SavedMode == ModeTwoPlayers)) {
        TwoPlayers();
        return;
    }
    const int32_t last = s.CurrentLayout;
    if (s.GameMode == ModeClicks || last == kClicksEasy || last == kClicksHard)
        MahJonggClicks(Level::Last);
    else if (s.GameMode == ModeMemory || last == kMemoryEasy || last == kMemoryHard)
        Memory(Level::Last);
    else if (s.GameMode == ModeRivers || last == kRiversEasy || last == kRiversHard)
        FourRivers(Level::Last);
    else
        RandomSolitaireGame1Click();
}

void TQuorin::RandomSolitaireGame1Click() {
    Action("RandomSeed1")->setChecked(false);
    BeginGame();
}

bool TQuorin::PlayingTriedLayout() const {
    return triedLayout_ && !IsOtherGame(State().CurrentLayout);
}

void TQuorin::BeginGame() {
    GameState& s = State();
    ColorHighlight();
    SetPauseCaptions(false);
    SetPauseButtons();
    renderer_.ShowFond();

    if (IsOtherGame(s.CurrentLayout)) {
        // Back from another game: the layout loaded for solitaire is the one played.
        s.CurrentLayout = loadedLayout_;
    }

    game_.Choose(ModeSolitaire);
    // The tiles of an animated deal must not land behind the welcome panel.
    welcome_->hide();
    dealing_ = true;
    const DealResult dealt = game_.DealLayout();
    if (dealt == DealResult::CannotDeal) {
        // Rare on a playable layout: the removal order kept jamming. Deal at random instead.
        ShowStatus("This layout could not be dealt as a winnable game: dealt at random.");
        game_.MakeDealer().PlainDeal();
    }
    dealing_ = false;

    game_.ResetForNewGame();
    status_.bounce = false;
    if (s.GameMode == ModePaused) {
        SetPauseCaptions(false);
        Action("Pause1")->setEnabled(true);
        SetPauseButtons();
    }
    if (s.GameMode != ModeEditor)
        IM(ModeSolitaire);
    const std::string difficulty = DifficultyNote();
    if (s.SeedNumber > 0 && s.options.RandomSeed1)
        ShowStatus("Specific Board started. Random Seed #" + std::to_string(s.SeedNumber) +
                   difficulty);
    FullRedraw();
    ShowPanelHOF();
    if (status_.Pos() <= 1 || status_.Message() == kNoMoreMoves)
        ShowStatus("New game started." + difficulty);
    if (dealt == DealResult::DealtUnproved)
        ShowStatus(kUnprovedDeal);
    LeaveLastPairForTest();
    s.StartTick = ticks_.Now();
}

void TQuorin::Stop() {
    if (State().GameMode == ModePaused) {
        SetPauseCaptions(false);
        SetPauseButtons();
    }
    IM(ModeIdle);
    ShowFond();
    ShowPanelHOF();
}

void TQuorin::VerticalClick() {
    // The check was inverted already by the menu; put it back until the change is accepted.
    QAction* vertical = Action("Vertical");
    const bool wanted = vertical->isChecked();
    vertical->setChecked(!wanted);
    const uint8_t mode = State().GameMode;
    if (mode == ModeSolitaire) {
        if (!dialogs_.AskOkCancel(this, "Vertical variation",
                                  "If you want to change the game mode, you'll have to restart "
                                  "your game. Do you wish to continue ?"))
            return;
        BeginGame();
        vertical->setChecked(wanted);
    } else if (mode == ModeNone || mode == ModeGameOver || mode == ModeIdle) {
        vertical->setChecked(wanted);
    }
}

void TQuorin::Shuffle1Click() {
    dealing_ = true;
    game_.Shuffle1Click();
    dealing_ = false;
}

void TQuorin::GameOver() {
    GameState& s = State();
    KeepGame(true);  // a finished game is not resumed, whatever happens while its windows show
    if (s.GameMode != ModeClicks)
        ShowFond();  // Clicks leaves what is left of its board in view
    const int girl = 3 * static_cast<int>(QRandomGenerator::global()->bounded(4)) + 1;
    if (s.GameMode == ModeTwoPlayers && !s.GameOverShown) {
        s.GameOverShown = true;
        // Whatever resumes while the window is up (the window coming back to the front)
        // must land on the welcome panel, not on the finished game.
        s.SavedMode = ModeGameOver;
        WriteScore();
        IM(ModePaused);
        const std::string verdict = TwoPlayerVerdict(s.Player1Millis, s.Player2Millis);
        dialogs_.ShowGameOver(this, QString::fromStdString(verdict), false, girls_[girl]);
    } else if (s.GameFinished && !s.GameOverShown) {
        s.GameOverShown = true;
        s.SavedMode = ModeGameOver;
        if (GameRules* rules = game_.Current())
            rules->Finish();
        WriteScore();
        IM(ModePaused);
        const int elapsed = s.ElapsedSeconds;
        const int penalty = s.PenaltySeconds;
        const int column = s.CurrentLayout;
        const bool entersHall = Action("EnableHall")->isChecked() && !PlayingTriedLayout() &&
                                hallOfFame_.Qualifies(column, elapsed + penalty);
        // The score is on disk before anything waits for the player: a program killed
        // while "Board finished !" is open keeps it, under the name known so far.
        if (entersHall) {
            hallOfFame_.AddHall(column, currentPlayer_, elapsed, penalty);
            if (!hallOfFame_.LastSaveError().empty())
                dialogs_.ShowError(this, QString::fromStdString(hallOfFame_.LastSaveError()));
            ShowPanelHOF();
        }
        const std::string text = FinalTimeText(column, elapsed, penalty);
        if (!text.empty())
            dialogs_.ShowGameOver(this, QString::fromStdString(text), entersHall, girls_[girl]);
        if (entersHall)
            RunHallWindow(true);
    }
    IM(ModeGameOver);
    s.SavedMode = ModeGameOver;
}

void TQuorin::ShowStatus(std::string_view message) {
    status_.Show(std::string(message));
}

void TQuorin::Temps() {
    game_.Tick();
    if (const auto text = status_.Tick(Action("CoolStatus")->isChecked()))
        SetText(statusLine_->StatusText, QString::fromStdString(*text));

    if (game_.AdvanceClock())
        Stop();  // the time limit ends the game without a word
    if (State().GameMode == ModeTwoPlayers)
        DrawPlayerClocks();
    WriteScore();
    if (Action("PlayMusic")->isChecked())
        MediaNotify();
    KeepGame();
    JudgePosition();
    if (focusTile_ && game_.Changes() != focusChanges_)
        ShowFocus();  // the board moved on under the focus
}

void TQuorin::WriteScore() {
    const ScoreReport r = ReportScore(game_, Action("Moves")->isChecked(),
                                      Action("ShowTime")->isChecked(), status_.bounce);
    SetText(statusLine_->TilesLeftLine, QString::fromStdString(r.tilesLeft));
    SetText(statusLine_->MovesLeftLine, QString::fromStdString(r.movesLeft));
    SetText(statusLine_->TimeLine, QString::fromStdString(r.time));
    if (r.movesFound)
        status_.bounce = false;
    switch (r.event) {
        case ScoreReport::Event::None:
            break;
        case ScoreReport::Event::GiveUp:
            break;  // asked below, where the Clicks rules count the groups left
        case ScoreReport::Event::BoardEmpty:
            if (GameRules* rules = game_.Active())
                rules->BoardEmpty();
            FullRedraw();  // finds the board empty and ends the game
            break;
        case ScoreReport::Event::NoMoreMoves:
            status_.step = 1;
            ShowStatus(kNoMoreMoves);
            status_.bounce = true;
            break;
    }
    AskClicksGiveUp();
}

void TQuorin::PauseClick() {
    GameState& s = State();
    const uint8_t mode = s.GameMode;
    if (!IsGameInProgress(mode) && mode != ModePaused)
        return;
    if (mode == ModePaused) {
        IM(s.SavedMode);
        game_.ThawClocks();
        SetPauseCaptions(false);
        FullRedraw();
    } else {
        s.SavedMode = mode;
        game_.FreezeClocks();
        IM(ModePaused);
        SetPauseCaptions(true);
        ShowFond();
        KeepGame(true);  // the clock as it stopped, should the program be killed now
    }
    SetPauseButtons();
}

void TQuorin::FormDeactivate() {
    if (State().GameMode != ModePaused)
        PauseClick();
}

void TQuorin::FormActivate() {
    // A game put back at start-up waits for the player, not for the focus.
    if (State().GameMode == ModePaused && !waitingToGoOn_)
        PauseClick();
}

void TQuorin::CheckPause() {
    // Only a game is paused around the program's own windows: marking the welcome screen as
    // paused would send the window back, on closing, to the mode of a game stopped long ago.
    if (Action("GoCheckPause")->isChecked() && IsGameInProgress(State().GameMode))
        PauseClick();
}

void TQuorin::UnCheckPause() {
    if (State().GameMode == ModePaused && Action("GoCheckPause")->isChecked() && !waitingToGoOn_)
        PauseClick();
}

void TQuorin::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::ActivationChange || closing_ || !shown_)
        return;
    if (isActiveWindow())
        FormActivate();
    else
        FormDeactivate();
}

void TQuorin::ButtonDown(Qt::MouseButton button, QPoint at) {
    if (State().GameMode == ModeEditor) {
        EditorButtonDown(button, at);
        return;
    }
    if (!keyboardPress_ && focusTile_) {
        focusTile_ = 0;  // the mouse took over: the keyboard's outline goes
        ShowFocus();
    }
    const MouseButton b = button == Qt::RightButton    ? MouseButton::Right
                          : button == Qt::MiddleButton ? MouseButton::Middle
                                                       : MouseButton::Left;
    game_.ButtonDown(b, at.x(), at.y());
    KeepGame();
    JudgePosition();
}

}  // namespace quorin
