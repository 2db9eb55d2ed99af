// The game in progress survives the window: it is written down after every move and at
// close, and the next start puts it back, paused, exactly as it was.
#include <QDateTime>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cstdio>

#include "games/SavedGame.h"
#include "layouts/LayoutFile.h"
#include "mainwindow/TQuorin.h"
#include "platform/AtomicFile.h"
#include "platform/SafeFile.h"

namespace quorin {

namespace {

// A Clicks game with its whole history is the largest: well under a megabyte.
constexpr size_t kMaxSavedGameBytes = 1 << 20;
// While nothing moves, the clock is still written down now and then, so a killed program
// loses only a few seconds of it.
constexpr uint32_t kClockSaveMillis = 5000;

}  // namespace

QString TQuorin::SavedGamePath() const {
    return where_.SavedGameFile();
}

uint8_t TQuorin::GameToKeep() const {
    const GameState& s = State();
    if (PlayingTriedLayout())
        return ModeNone;  // a layout tried from the editor has no file to come back to
    if (s.GameFinished || s.TilesLeft == 0)
        return ModeNone;  // won or given up: the game-over window follows
    if (IsGameInProgress(s.GameMode))
        return s.GameMode;
    if (s.GameMode == ModePaused && IsGameInProgress(s.SavedMode) && !s.GameOverShown)
        return s.SavedMode;
    return ModeNone;
}

void TQuorin::KeepGame(bool now) {
    if (!keepReady_)
        return;  // the saved game has not been looked at yet
    const uint8_t mode = GameToKeep();
    if (mode == ModeNone) {
        // Finished, abandoned or left for the editor: nothing to come back to.
        if (keptGame_ && QFile::exists(SavedGamePath()))
            QFile::remove(SavedGamePath());
        keptGame_ = false;
        return;
    }
    const uint32_t tick = ticks_.Now();
    const bool moved = !keptGame_ || game_.Changes() != keptChanges_;
    const bool clockDue = State().GameMode != ModePaused && tick - keptTick_ >= kClockSaveMillis;
    if (!now && !moved && !clockDue)
        return;
    const int layout = State().CurrentLayout;
    const bool listed = layout >= 1 && layout < static_cast<int>(layoutNames_.size());
    const std::string text =
        FormatSavedGame(State(), mode, tick,
                        listed ? layoutNames_[static_cast<size_t>(layout)] : State().LayoutName);
    const std::string error = WriteFileAtomically(SavedGamePath().toStdString(), text);
    keptChanges_ = game_.Changes();
    keptTick_ = tick;
    keptGame_ = true;
    if (!error.empty() && !keepErrorShown_) {
        // Told once: the game goes on, it just would not survive the window.
        keepErrorShown_ = true;
        std::fprintf(stderr, "quorin: the game in progress cannot be kept: %s\n", error.c_str());
        ShowStatus("The game in progress cannot be kept: " + error);
    }
}

void TQuorin::SetSavedGameAside(const QString& reason) {
    const QString path = SavedGamePath();
    const QString aside =
        path + "." + QDateTime::currentDateTime().toString("yyyyMMdd-hhmmss") + ".unused";
    QFile::remove(aside);
    const bool moved = QFile::rename(path, aside);
    startupWarnings_ << "The saved game could not be resumed: " + reason +
                            (moved ? "\nIt was kept as " + QFileInfo(aside).fileName() + "."
                                   : QString()) +
                            "\nA new game starts instead.";
    if (!moved)
        QFile::remove(path);
}

bool TQuorin::ResumeSavedGame() {
    keepReady_ = true;
    const ReadResult file = ReadRegularFile(SavedGamePath().toStdString(), kMaxSavedGameBytes);
    if (file.missing)
        return false;
    if (!file.ok) {
        SetSavedGameAside(QString::fromStdString(EscapeForMessage(file.error)));
        return false;
    }
    const SavedGameRead head = ReadSavedGameHeader(file.data);
    if (!head.ok) {
        SetSavedGameAside(QString::fromStdString(EscapeForMessage(head.error)));
        return false;
    }
    GameState& s = State();
    const uint8_t mode = head.header.mode;
    const bool solitaire = mode == ModeSolitaire || mode == ModeTwoPlayers;
    const QString layoutName = QString::fromStdString(EscapeForMessage(head.header.layoutName));
    int index = 0;
    if (solitaire) {
        // The game needs the very layout it was dealt on.
        const auto it =
            std::find(layoutNames_.begin() + 1, layoutNames_.end(), head.header.layoutName);
        index = it == layoutNames_.end() ? 0 : static_cast<int>(it - layoutNames_.begin());
        if (index == 0) {
            SetSavedGameAside("its layout " + layoutName + " is gone.");
            return false;
        }
        const std::string path = LayoutFileOf(index);
        const LayoutLoad load = ReadLayoutFile(path);
        if (!load.ok || LayoutFingerprint(load.grid) != head.header.layoutPrint) {
            SetSavedGameAside("its layout " + layoutName + " has changed since it was dealt.");
            return false;
        }
        s.layout = load.grid;
        s.LayoutPath = path;
        // A .shp file carries no name: it goes by its file name.
        s.LayoutName =
            head.header.layoutName.ends_with(".shp") ? head.header.layoutName : load.name;
    }
    const SavedGameRead read = RestoreSavedGame(file.data, s, ticks_.Now());
    if (!read.ok) {
        SetSavedGameAside(QString::fromStdString(EscapeForMessage(read.error)));
        return false;
    }
    if (solitaire) {
        s.CurrentLayout = loadedLayout_ = index;
        triedLayout_ = false;
        ShowLayoutMenuEntries();
    }
    game_.Choose(mode);
    // The check marks follow the game: its rule and whether it was a specific deal.
    Action("Vertical")->setChecked(s.options.Vertical);
    Action("RandomSeed1")->setChecked(s.options.RandomSeed1);
    SyncOptions();
    ColorHighlight();
    IM(ModePaused);
    SetPauseCaptions(true);
    Action("Pause1")->setEnabled(true);
    SetPauseButtons();
    game_.CountFree();
    ShowPanelHOF();
    waitingToGoOn_ = true;
    keptChanges_ = game_.Changes();
    keptTick_ = ticks_.Now();
    keptGame_ = true;
    ShowStatus("Your game is back as you left it. Press Play to go on.");
    return true;
}

}  // namespace quorin
