// The layout chooser, its favourites and the seed window, as the main window runs them.
#include <QMenu>

#include "layouts/Favourites.h"
#include "layouts/TChooseLayout.h"
#include "mainwindow/TQuorin.h"
#include "solver/Rating.h"
#include "solver/Solver.h"

namespace quorin {

QString TQuorin::DifficultyOfSeed(int32_t seed) {
    SilentView view;  // a deal made aside, for its rating only
    StillClock clock;
    Game aside(view, clock, clock);
    GameState& s = aside.State();
    s.layout = State().layout;
    s.options = State().options;
    s.options.Animate = false;
    s.options.RandomSeed1 = true;
    s.SeedNumber = seed;
    s.GameMode = ModeSolitaire;
    aside.Choose(ModeSolitaire);
    if (aside.DealLayout() == DealResult::CannotDeal)
        return "cannot be dealt";
    return QString::fromStdString(
        DifficultyText(RateDeal(TilesOnBoard(s.board), s.options.Vertical)));
}

std::string TQuorin::DifficultyNote() const {
    // About 20 ms of processor time on the shipped layouts (BM_RateDeal): rated at the start.
    const GameState& s = State();
    return " Difficulty " + DifficultyText(RateDeal(TilesOnBoard(s.board), s.options.Vertical)) +
           ".";
}

void TQuorin::NewSpecificGame1Click() {
    GameState& s = State();
    if (s.GameMode == ModeEditor)
        return;
    Action("RandomSeed1")->setChecked(true);
    dialogs_.RunSeedWindow(
        this, s.SeedNumber,
        [this] { return static_cast<int32_t>(game_.Rng().Next(999999999)) + 1; },
        [this](const QString& text) { dialogs_.ShowError(this, text); },
        [this](int32_t seed) { return DifficultyOfSeed(seed); });
    // Closed by "OK" or by its close box: the game starts with the last good number.
    game_.Rng().SeedFromClock();
    BeginGame();
}

void TQuorin::SelectLayout1Click() {
    GameState& s = State();
    if (s.GameMode == ModeEditor)
        return;
    CheckPause();
    TChooseLayout::Choice choice = TChooseLayout::Choice::Cancel;
    int chosen = -1;
    {
        TChooseLayout chooser(
            std::vector<std::string>(layoutNames_.begin() + 1, layoutNames_.end()),
            std::vector<std::string>(layoutFiles_.begin() + 1, layoutFiles_.end()),
            renderer_.BackgroundImage(), favourites_, this);
        chooser.exec();
        choice = chooser.Result();
        chosen = chooser.ChosenIndex();
        // Whatever way the chooser closed, the favourites are kept.
        favourites_ = chooser.FavouriteNames();
    }
    // A favourites file that could not be read at start-up is left as it is.
    const std::string path = where_.FavouritesFile().toStdString();
    if (!favouritesUnreadable_)
        if (const std::string reason = SaveFavourites(path, favourites_); !reason.empty())
            dialogs_.ShowError(
                this, QString::fromStdString("Unable to write to " + path + ": " + reason));
    ShowLayoutMenuEntries();
    Action("SelectLayout1")->setIcon(QIcon(":/glyphs/layout.png"));
    UnCheckPause();

    if ((choice == TChooseLayout::Choice::Play || choice == TChooseLayout::Choice::Edit) &&
        chosen >= 0 && chosen < static_cast<int>(layoutEntries_.size())) {
        QAction* entry = layoutEntries_[static_cast<size_t>(chosen)];
        entry->trigger();
        if (choice == TChooseLayout::Choice::Edit && State().CurrentLayout == chosen + 1)
            Editlayout1Click();
    } else if (choice == TChooseLayout::Choice::Create) {
        CreateLayout1Click();
    }
}

}  // namespace quorin
