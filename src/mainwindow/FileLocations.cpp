#include "mainwindow/FileLocations.h"

#include <algorithm>

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace quorin {

namespace {

QString Folder(const QString& path) {
    return QDir(path).absolutePath() + "/";
}

// The files of `folder` matching `pattern` (the case of the extension does not matter), in
// the order of their names without regard to case, or as the folder gives them.
QFileInfoList Listed(const QString& folder, const QString& pattern, bool sort) {
    const QDir::SortFlags order = sort ? (QDir::Name | QDir::IgnoreCase) : QDir::Unsorted;
    QFileInfoList files =
        QDir(folder).entryInfoList({pattern}, QDir::Files | QDir::System | QDir::Hidden, order);
    files.erase(std::remove_if(files.begin(), files.end(),
                               [](const QFileInfo& f) { return !f.fileName().contains('.'); }),
                files.end());
    return files;
}

// Adds the entry, or points the entry of the same caption at the new file.
void Merge(std::vector<LayoutFileEntry>& entries, LayoutFileEntry entry) {
    const auto same = std::find_if(entries.begin(), entries.end(), [&](const LayoutFileEntry& e) {
        return e.caption == entry.caption;
    });
    if (same != entries.end())
        same->path = entry.path;
    else
        entries.push_back(std::move(entry));
}

}  // namespace

FileLocations FileLocations::Portable(const QString& programDir) {
    FileLocations where;
    where.data_ = where.config_ = where.player_ = Folder(programDir);
    where.portable_ = true;
    return where;
}

FileLocations FileLocations::Installed(const QString& dataDir, const QString& configDir,
                                       const QString& playerDir) {
    FileLocations where;
    where.data_ = Folder(dataDir);
    where.config_ = Folder(configDir);
    where.player_ = Folder(playerDir);
    where.portable_ = false;
    return where;
}

FileLocations FileLocations::ForProgram(const QString& programDir, const QString& installedData) {
    const QString program = Folder(programDir);
    if (QFileInfo(program).isWritable() && QFileInfo(program + "Quorin.ini").isFile())
        return Portable(program);
    // A copy of the program folder on a read-only medium still has its data beside it.
    const QString data =
        QFileInfo(program + "Layouts").isDir() ? program : Folder(program + installedData);
    const QString config =
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/quorin";
    const QString player =
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/quorin";
    return Installed(data, config, player);
}

QString FileLocations::MakePlayerFolders() const {
    if (portable_)
        return {};
    for (const QString& folder : {config_, player_, PlayerLayoutFolder()})
        if (!QDir().mkpath(folder))
            return folder;
    return {};
}

std::vector<LayoutFileEntry> FileLocations::ListLayouts(int* more) const {
    std::vector<QString> folders{ShippedLayoutFolder()};
    if (!portable_ && QDir(PlayerLayoutFolder()) != QDir(ShippedLayoutFolder()))
        folders.push_back(PlayerLayoutFolder());

    std::vector<LayoutFileEntry> lay;
    for (const QString& folder : folders)
        for (const QFileInfo& f : Listed(folder, "*.lay", true))
            Merge(lay, {f.completeBaseName(), folder + f.completeBaseName() + ".lay", false});
    if (folders.size() > 1) {
        // The same order as one folder listed alone.
        std::stable_sort(lay.begin(), lay.end(), [](const auto& a, const auto& b) {
            return QString::compare(a.caption + ".lay", b.caption + ".lay", Qt::CaseInsensitive) <
                   0;
        });
    }
    std::vector<LayoutFileEntry> shp;
    for (const QString& folder : folders)
        for (const QFileInfo& f : Listed(folder, "*.shp", false))
            Merge(shp, {f.fileName(), folder + f.fileName(), true});

    std::vector<LayoutFileEntry> all = std::move(lay);
    all.insert(all.end(), shp.begin(), shp.end());
    const int total = static_cast<int>(all.size());
    if (more)
        *more = std::max(0, total - kMaxLayouts);
    if (total > kMaxLayouts)
        all.resize(kMaxLayouts);
    return all;
}

QString FileLocations::WritableLayoutFile(const QString& path) const {
    const QFileInfo file(path);
    if (portable_ || file.absoluteDir() != QDir(ShippedLayoutFolder()))
        return path;
    return PlayerLayoutFolder() + file.fileName();
}

}  // namespace quorin
