// Playing from the keyboard: the arrow keys move a focus among what the player may act on,
// Enter or Space presses it, Escape drops the selection. A screen reader follows the focus.
// The layout editor's keys are its own (TQuorinEditor.cpp).
#include <QAccessible>
#include <QKeyEvent>

#include "games/Focus.h"
#include "mainwindow/BoardSurface.h"
#include "mainwindow/StatusLine.h"
#include "mainwindow/TQuorin.h"

namespace quorin {

bool TQuorin::BoardKey(int key) {
    if (State().GameMode == ModeEditor)
        return EditorKey(key);
    if (!game_.Active())
        return false;
    switch (key) {
        case Qt::Key_Left:
            MoveFocus(FocusStep::Left);
            return true;
        case Qt::Key_Right:
            MoveFocus(FocusStep::Right);
            return true;
        case Qt::Key_Up:
            MoveFocus(FocusStep::Up);
            return true;
        case Qt::Key_Down:
            MoveFocus(FocusStep::Down);
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            PressFocus();
            return true;
        case Qt::Key_Escape:
            // As the right button does: the selection and the hint are forgotten.
            keyboardPress_ = true;
            ButtonDown(Qt::RightButton, surface_->FocusOutline().center());
            keyboardPress_ = false;
            ShowFocus();
            return true;
        default:
            return false;
    }
}

void TQuorin::MoveFocus(FocusStep step) {
    const std::vector<FocusTarget> targets = game_.FocusTargets();
    focusTile_ = StepFocus(targets, FindTarget(targets, focusTile_) ? focusTile_ : 0, step);
    ShowFocus();
}

void TQuorin::PressFocus() {
    std::vector<FocusTarget> targets = game_.FocusTargets();
    const FocusTarget* target = FindTarget(targets, focusTile_);
    if (!target) {
        // The first key only shows where the focus is.
        MoveFocus(FocusStep::Right);
        return;
    }
    const QPoint at(target->pressX, target->pressY);
    keyboardPress_ = true;
    ButtonDown(Qt::LeftButton, at);
    keyboardPress_ = false;
    ShowFocus();
}

void TQuorin::ShowFocus() {
    focusChanges_ = game_.Changes();
    if (focusTile_ == 0 || !game_.Active()) {
        focusTile_ = 0;
        surface_->SetFocusOutline({});
        return;
    }
    const std::vector<FocusTarget> targets = game_.FocusTargets();
    const FocusTarget* target = FindTarget(targets, focusTile_);
    if (!target) {
        // What had the focus has left the board: the focus goes to its nearest neighbour.
        const QPoint was = surface_->FocusOutline().center();
        focusTile_ = NearestFocus(targets, was.x(), was.y());
        target = FindTarget(targets, focusTile_);
    }
    if (!target) {
        surface_->SetFocusOutline({});
        return;
    }
    surface_->SetFocusOutline(QRect(target->left, target->top, target->width, target->height));
    // What a screen reader says of the board: the focused tile and the state of the game.
    const GameState& s = State();
    QString what;
    if (focusTile_ >= 1000) {
        what = "A group of pieces";
    } else if (s.GameMode == ModeMemory) {
        what = "A tile face down";
    } else {
        GameRules* rules = game_.Active();
        what = QString::fromStdString(FaceName(focusTile_)) +
               (rules && rules->IsFree(focusTile_) ? ", free" : ", not free");
        if (s.Selected1 == focusTile_)
            what += ", selected";
    }
    what += QString(". %1 tiles left, %2 moves left.").arg(s.TilesLeft).arg(s.MovesLeft);
    const QString winnable = statusLine_->WinnableLine->toolTip();
    if (!winnable.isEmpty())
        what += " " + winnable;
    DescribeBoard(what);
}

void TQuorin::DescribeBoard(const QString& what) {
    if (surface_->accessibleDescription() != what) {
        surface_->setAccessibleDescription(what);
        QAccessibleEvent event(surface_, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&event);
    }
}

}  // namespace quorin
