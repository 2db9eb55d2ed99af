// Where every file of the game lives. Two arrangements:
//
// - portable: the program folder holds everything, the shipped data and the player's files
//   (the build folder, or a copy of the game the player keeps in a folder of their own);
// - installed: the shipped data is read only (under the installation prefix), and the
//   player's files go to the desktop's folders for settings and data.
//
// The windows ask this class for every path; none of them puts a path together itself.
#pragma once

#include <QString>
#include <vector>

namespace quorin {

// One entry of the Layout menu: its caption and the file it opens.
struct LayoutFileEntry {
    QString caption;  // .lay layouts go by their file name without extension, .shp with it
    QString path;
    bool isShp = false;
};

class FileLocations {
  public:
    static constexpr int kMaxLayouts = 99;  // the numbers from 100 on name the other games

    // Everything in `programDir`.
    static FileLocations Portable(const QString& programDir);
    // The shipped data in `dataDir`, the settings in `configDir`, the player's hall of fame,
    // favourites, layouts and saved game in `playerDir`.
    static FileLocations Installed(const QString& dataDir, const QString& configDir,
                                   const QString& playerDir);
    // What the program started from `programDir` uses: portable when that folder is writable
    // and already holds Quorin.ini; otherwise installed, with the shipped data beside the
    // program or at `installedData` (relative to the program folder), and the player's files
    // in the desktop's folders.
    static FileLocations ForProgram(const QString& programDir, const QString& installedData);

    bool IsPortable() const { return portable_; }

    // Folders end with '/'.
    const QString& DataFolder() const { return data_; }
    // A shipped file, e.g. "Tilesets/pai.bmp" or "quorin.rtf".
    QString DataFile(const QString& relative) const { return data_ + relative; }
    QString MusicFolder() const { return data_ + "Musics"; }
    QString MusicFile(const QString& name) const { return data_ + "Musics/" + name + ".mid"; }
    QString SettingsFile() const { return config_ + "Quorin.ini"; }
    QString HallFile() const { return player_ + "Hallfame.ini"; }
    QString FavouritesFile() const { return player_ + "Favelay.ini"; }
    QString SavedGameFile() const { return player_ + "Saved.game"; }
    QString ShippedLayoutFolder() const { return data_ + "Layouts/"; }
    // New and edited layouts are written here.
    QString PlayerLayoutFolder() const { return player_ + "Layouts/"; }

    // Creates the folders the player's files go to; returns the one that could not be made,
    // or an empty string. Nothing to do for a portable game.
    QString MakePlayerFolders() const;

    // The shipped layouts and the player's, in menu order: the .lay layouts sorted by name
    // without regard to case, then the .shp layouts in folder order, at most kMaxLayouts in
    // all. A player's layout of the same file name takes the place of the shipped one.
    // `more` tells how many did not fit.
    std::vector<LayoutFileEntry> ListLayouts(int* more = nullptr) const;

    // Where a layout read from `path` is saved: the same file, unless it is a shipped file
    // of an installed game, which is read only; the player's copy of it then takes its
    // place.
    QString WritableLayoutFile(const QString& path) const;

  private:
    QString data_, config_, player_;
    bool portable_ = true;
};

}  // namespace quorin
