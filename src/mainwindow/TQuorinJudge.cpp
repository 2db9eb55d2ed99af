// The solver in play, in the window: the verdict on the position in the status line, the
// warning after a fatal move, the way back to a winnable position and the safe hint.
#include <QMetaObject>

#include <string>

#include "games/Judging.h"
#include "mainwindow/StatusLine.h"
#include "mainwindow/TQuorin.h"

namespace quorin {

void TQuorin::StartJudging() {
    // Only for measuring what judging costs: the game without it.
    if (qEnvironmentVariableIsSet("QUORIN_NO_JUDGING"))
        return;
    // Verdicts arrive on the judging thread; the window takes them in on its own.
    judging_ = std::make_unique<Judging>([this] {
        QMetaObject::invokeMethod(
            this, [this] { JudgeAnswered(); }, Qt::QueuedConnection);
    });
}

bool TQuorin::JudgedGame() const {
    if (!judging_)
        return false;
    const GameState& s = State();
    const uint8_t mode = s.GameMode == ModePaused ? s.SavedMode : s.GameMode;
    return (mode == ModeSolitaire || mode == ModeTwoPlayers) && !s.GameFinished && s.TilesLeft > 0;
}

void TQuorin::JudgePosition() {
    if (!judging_)
        return;
    if (!JudgedGame()) {
        ShowWinnability();
        return;
    }
    if (game_.GameNumber() != judgedGame_) {
        judging_->Forget();  // nothing known of another deal holds for this one
        judgedGame_ = game_.GameNumber();
    }
    judging_->Look(State());
    ShowWinnability();
    WarnOfFatalMove();
}

void TQuorin::JudgeAnswered() {
    if (!judging_ || !judging_->Collect() || !JudgedGame())
        return;
    ShowWinnability();
    WarnOfFatalMove();
}

void TQuorin::ShowWinnability() {
    QString text, tip;
    if (JudgedGame()) {
        switch (judging_->Current()) {
            case Winnability::Winnable:
                text = "yes";
                tip = "This game can still be won.";
                break;
            case Winnability::Unwinnable:
                text = "no";
                tip = "This game can no longer be won.";
                break;
            case Winnability::NotYetKnown:
                text = "?";
                tip = "Not yet known whether this game can be won.";
                break;
        }
    }
    if (statusLine_->WinnableLine->text() != text) {
        statusLine_->WinnableLine->setText(text);
        statusLine_->WinnableLine->setToolTip(tip);
        statusLine_->WinnableLine->setAccessibleDescription(tip);
    }
}

void TQuorin::WarnOfFatalMove() {
    if (!judging_ || !judging_->TakeFatalMove() || !Action("WarnUnwinnable")->isChecked() ||
        warningOpen_)
        return;
    GameRules* rules = game_.Current();
    if (State().GameMode != ModeSolitaire || !rules || !rules->CanTakeBack())
        return;  // two players take nothing back
    warningOpen_ = true;
    const uint32_t asked = game_.GameNumber();
    const bool undo =
        dialogs_.AskChoice(this, "Quorin", "After this move the game can no longer be won.",
                           "&Undo that move", "&Play on");
    warningOpen_ = false;
    if (game_.GameNumber() != asked)
        return;  // another game was started meanwhile
    // The question took the focus, which may have paused the game: the player goes on.
    if (State().GameMode == ModePaused && !waitingToGoOn_)
        PauseClick();
    if (!undo)
        return;
    game_.GoBack(1);
    ShowStatus("Move taken back: the game can be won again.");
    JudgePosition();
    KeepGame();
}

void TQuorin::HintClick() {
    JudgePosition();
    game_.Hint(JudgedGame() ? judging_->SafePair(State()) : std::pair<int, int>{0, 0});
    KeepGame();
}

void TQuorin::UndoToWinnableClick() {
    if (!JudgedGame() || !IsGameInProgress(State().GameMode))
        return;
    GameRules* rules = game_.Active();
    if (!rules || !rules->CanTakeBack())
        return;
    JudgePosition();
    if (judging_->Current() == Winnability::Winnable) {
        ShowStatus("This game can still be won: nothing to take back.");
        return;
    }
    const int back = judging_->PairsBackToWinnable(State());
    if (back == 0) {
        ShowStatus("No earlier position of this game is known to be winnable.");
        return;
    }
    game_.GoBack(back);
    ShowStatus(back == 1 ? std::string("1 move taken back: the game can be won again.")
                         : std::to_string(back) + " moves taken back: the game can be won again.");
    JudgePosition();
    KeepGame();
}

}  // namespace quorin
