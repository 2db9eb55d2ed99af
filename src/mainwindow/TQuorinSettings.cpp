// The settings go into the check marks at start-up and come back from them at close.
#include "mainwindow/Settings.h"
#include "mainwindow/TQuorin.h"

#include <algorithm>

namespace quorin {

QPoint ClampWindowPosition(QPoint wanted, QSize frame, const QRect& area) {
    // In 64 bits: a stored 2147483647 plus a width must not overflow.
    const auto clamp = [](int value, int start, int extent, int length) {
        const long long last = static_cast<long long>(start) + std::max(0, length - extent);
        return static_cast<int>(
            std::clamp<long long>(value, start, std::max<long long>(start, last)));
    };
    return {clamp(wanted.x(), area.x(), frame.width(), area.width()),
            clamp(wanted.y(), area.y(), frame.height(), area.height())};
}

void TQuorin::ApplySettings(const Settings& st) {
    auto check = [this](const char* name, bool on) { Action(name)->setChecked(on); };
    if (st.HighlightMode >= 0 && st.HighlightMode <= 4) {
        highlightMode_ = st.HighlightMode;
        CheckOnly(highlightItems_, highlightItems_[static_cast<size_t>(st.HighlightMode)]);
    } else {
        highlightMode_ = 3;
        CheckOnly(highlightItems_, Action("Highlight4"));
    }
    check("Invert", st.Invert);
    check("Moves", st.Moves);
    check("PlayMusic", st.PlayMusic);
    check("PlaySounds", st.PlaySounds);
    currentPlayer_ = st.CurrentPlayer;
    backgroundColor_ = static_cast<uint32_t>(st.BackgroundColor) & 0xffffff;
    if (st.Background >= 0 && st.Background <= 5)
        CheckOnly(backgroundItems_, backgroundItems_[static_cast<size_t>(st.Background)]);
    State().CurrentLayout = st.CurrentLayout;
    musicIndex_ = st.MusicIndex;
    if (st.Tileset >= 0 && st.Tileset <= 4)
        CheckOnly(tilesetItems_, tilesetItems_[static_cast<size_t>(st.Tileset)]);
    else
        CheckOnly(tilesetItems_, nullptr);
    check("Res800", st.Res800);
    lastTilesetFile_ = QString::fromStdString(st.LastTilesetFile);
    lastBackgroundFile_ = QString::fromStdString(st.LastBackgroundFile);
    check("StartupGame", st.StartupGame);
    check("StartMusic", st.StartMusic);
    check("ShowHallFame", st.ShowHallFame);
    check("Toolbar1", st.Toolbar1);
    check("ShowTitle", st.ShowTitle);
    check("ShowGirls", st.ShowGirls);
    check("CoolMenu1", st.CoolMenu1);
    check("CoolMouse", st.CoolMouse);
    check("CoolStatus", st.CoolStatus);
    check("CoolToolbar", st.CoolToolbar);
    check("AnimateTileRivers", st.AnimateTileRivers);
    check("ShowTime", st.ShowTime);
    check("FlatButtons", st.FlatButtons);
    check("EnableHall", st.EnableHall);
    check("Shadows", st.Shadows);
    check("Vertical", st.Vertical);
    check("Winnable", st.Winnable);
    check("Shuffable", st.Shuffable);
    check("Animate", st.Animate);
    check("AnimateClicks", st.AnimateClicks);
    check("GoCheckPause", st.GoCheckPause);
    check("WarnUnwinnable", st.WarnUnwinnable);
    check("ShowCurrentTile", st.ShowCurrentTile);
    check("OnlyPossibleMoves", st.OnlyPossibleMoves);
    check("RandomMusic", st.RandomMusic);
    State().SeedNumber = st.SeedNumber;
    SyncOptions();
}

Settings TQuorin::CollectSettings() const {
    Settings st;
    auto checked = [this](const char* name) { return Action(name)->isChecked(); };
    st.HighlightMode = highlightMode_;
    st.Invert = checked("Invert");
    st.Moves = checked("Moves");
    st.PlayMusic = checked("PlayMusic");
    st.PlaySounds = checked("PlaySounds");
    st.CurrentPlayer = currentPlayer_;
    st.BackgroundColor = backgroundColor_;
    // The items are in the order of their numbers; "Load from disk" (3) unless another one
    // is checked, and likewise "Few Colors" (4) for the tilesets.
    st.Background = 3;
    for (size_t i = 0; i < backgroundItems_.size(); ++i)
        if (backgroundItems_[i]->isChecked() && i != 3)
            st.Background = static_cast<int>(i);
    st.CurrentLayout = State().CurrentLayout;
    st.MusicIndex = musicIndex_;
    st.Tileset = 4;
    for (size_t i = 0; i + 1 < tilesetItems_.size(); ++i)
        if (tilesetItems_[i]->isChecked())
            st.Tileset = static_cast<int>(i);
    if (keptTilesetChoice_ != nullptr) {
        const auto kept = std::find(tilesetItems_.begin(), tilesetItems_.end(), keptTilesetChoice_);
        st.Tileset = static_cast<int>(kept - tilesetItems_.begin());
    }
    st.Res800 = checked("Res800");
    st.LastTilesetFile = lastTilesetFile_.toStdString();
    st.LastBackgroundFile = lastBackgroundFile_.toStdString();
    st.StartupGame = checked("StartupGame");
    st.StartMusic = checked("StartMusic");
    st.ShowHallFame = checked("ShowHallFame");
    st.Toolbar1 = checked("Toolbar1");
    st.ShowTitle = checked("ShowTitle");
    st.ShowGirls = checked("ShowGirls");
    st.CoolMenu1 = checked("CoolMenu1");
    st.CoolMouse = checked("CoolMouse");
    st.CoolStatus = checked("CoolStatus");
    st.CoolToolbar = checked("CoolToolbar");
    st.AnimateTileRivers = checked("AnimateTileRivers");
    st.ShowTime = checked("ShowTime");
    st.FlatButtons = checked("FlatButtons");
    st.EnableHall = checked("EnableHall");
    st.Shadows = checked("Shadows");
    st.Vertical = checked("Vertical");
    st.Winnable = checked("Winnable");
    st.Shuffable = checked("Shuffable");
    st.Animate = checked("Animate");
    st.AnimateClicks = checked("AnimateClicks");
    st.GoCheckPause = checked("GoCheckPause");
    st.WarnUnwinnable = checked("WarnUnwinnable");
    st.ShowCurrentTile = checked("ShowCurrentTile");
    st.OnlyPossibleMoves = checked("OnlyPossibleMoves");
    st.RandomMusic = checked("RandomMusic");
    st.SeedNumber = State().SeedNumber;
    st.XPos = x();
    st.YPos = y();
    st.WPos = width();
    st.HPos = height();
    st.WindowMaximized = isMaximized();
    // A maximized window keeps the size it had before, for when it is restored.
    const QSize kept = isMaximized() ? normalGeometry().size() : size();
    if (kept != minimumSize()) {
        st.WindowWidth = kept.width();
        st.WindowHeight = kept.height();
    }
    st.PreviousRes = screenWidth_;
    return st;
}

}  // namespace quorin
