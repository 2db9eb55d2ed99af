// Where the game keeps its files: a portable program folder, or an installed game whose
// shipped data is read only and whose player's files live in the desktop's folders.
#include <unistd.h>

#include <QDirIterator>
#include <QFile>
#include <QTest>

#include "WindowTestSupport.h"
#include "mainwindow/FileLocations.h"

using namespace quorin;
using namespace quorin::test;

namespace {

void Touch(const QString& path, const QByteArray& content = {}) {
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(content);
}

QByteArray Read(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Every file under `folder` with its size and time, to see that nothing was written there.
QStringList Snapshot(const QString& folder) {
    QStringList files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo f(it.next());
        files << f.filePath() + " " + QString::number(f.size()) + " " +
                     QString::number(f.lastModified().toMSecsSinceEpoch());
    }
    files.sort();
    return files;
}

QAction* LayoutEntry(TQuorin& w, const QString& caption) {
    for (QAction* a : w.findChildren<QAction*>())
        if (a->text() == caption && a->data().toInt() == -2 && a->isCheckable())
            return a;
    return nullptr;
}

}  // namespace

class FileLocationsTest : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void PortableOnlyWithAWritableSettingsFile();
    void ShippedAndPlayerLayoutsListedTogether();
    void InstalledGameWritesOnlyThePlayerFolders();

  private:
    QTemporaryDir xdg_;
};

void FileLocationsTest::init() {
    qputenv("XDG_CONFIG_HOME", (xdg_.path() + "/config").toUtf8());
    qputenv("XDG_DATA_HOME", (xdg_.path() + "/data").toUtf8());
}

void FileLocationsTest::PortableOnlyWithAWritableSettingsFile() {
    QTemporaryDir root;
    const QString program = root.filePath("program");
    Touch(program + "/Layouts/Traditional.lay");

    // A folder with its data but no settings file: the data is read there, nothing written.
    FileLocations where = FileLocations::ForProgram(program, "../share/quorin");
    QVERIFY(!where.IsPortable());
    QCOMPARE(where.DataFile("Tilesets/pai.bmp"), program + "/Tilesets/pai.bmp");
    QCOMPARE(where.SettingsFile(), xdg_.path() + "/config/quorin/Quorin.ini");
    QCOMPARE(where.HallFile(), xdg_.path() + "/data/quorin/Hallfame.ini");
    QCOMPARE(where.FavouritesFile(), xdg_.path() + "/data/quorin/Favelay.ini");
    QCOMPARE(where.SavedGameFile(), xdg_.path() + "/data/quorin/Saved.game");
    QCOMPARE(where.PlayerLayoutFolder(), xdg_.path() + "/data/quorin/Layouts/");

    // With its Quorin.ini it is the build folder's case: everything stays beside the program.
    Touch(program + "/Quorin.ini");
    where = FileLocations::ForProgram(program, "../share/quorin");
    QVERIFY(where.IsPortable());
    for (const QString& file : {where.SettingsFile(), where.HallFile(), where.FavouritesFile(),
                                where.SavedGameFile(), where.DataFile("Links.ini")})
        QCOMPARE(QFileInfo(file).path(), program);
    QCOMPARE(where.PlayerLayoutFolder(), where.ShippedLayoutFolder());
    QCOMPARE(where.MakePlayerFolders(), QString());
    QVERIFY(!QFileInfo::exists(xdg_.path() + "/config/quorin"));

    // Installed in bin/: the data is found relative to the program.
    const QString bin = root.filePath("usr/bin");
    QVERIFY(QDir().mkpath(bin));
    where = FileLocations::ForProgram(bin, "../share/quorin");
    QVERIFY(!where.IsPortable());
    QCOMPARE(where.ShippedLayoutFolder(), root.filePath("usr/share/quorin/Layouts/"));
    QCOMPARE(where.MakePlayerFolders(), QString());
    QVERIFY(QFileInfo(xdg_.path() + "/data/quorin/Layouts").isDir());
    QVERIFY(QFileInfo(xdg_.path() + "/config/quorin").isDir());

    // A settings file in a folder the player may not write to is the shipped one.
    if (geteuid() != 0) {  // the superuser may write anywhere
        QVERIFY(QFile::setPermissions(program, QFile::ReadOwner | QFile::ExeOwner));
        QVERIFY(!FileLocations::ForProgram(program, "../share/quorin").IsPortable());
        QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
}

void FileLocationsTest::ShippedAndPlayerLayoutsListedTogether() {
    QTemporaryDir root;
    const FileLocations where = FileLocations::Installed(
        root.filePath("share"), root.filePath("config"), root.filePath("player"));
    const QString shipped = where.ShippedLayoutFolder(), own = where.PlayerLayoutFolder();
    for (const char* name : {"crab.lay", "Alpha.lay", "Zeta.lay", "Pyramid.shp"})
        Touch(shipped + name);
    for (const char* name : {"Beta.lay", "crab.lay", "Own.shp", "Pyramid.shp"})
        Touch(own + name);

    int more = -1;
    const std::vector<LayoutFileEntry> all = where.ListLayouts(&more);
    QStringList captions, files;
    for (const LayoutFileEntry& e : all) {
        captions << e.caption;
        files << QFileInfo(e.path).dir().dirName() + "/" + QFileInfo(e.path).fileName();
        QCOMPARE(e.isShp, e.caption.endsWith(".shp"));
    }
    // One list sorted as one folder is; the player's file of a shipped name replaces it.
    QCOMPARE(captions, (QStringList{"Alpha", "Beta", "crab", "Zeta", "Pyramid.shp", "Own.shp"}));
    QCOMPARE(QFileInfo(all[2].path).path() + "/", own);
    QCOMPARE(QFileInfo(all[4].path).path() + "/", own);
    QCOMPARE(QFileInfo(all[0].path).path() + "/", shipped);
    QCOMPARE(more, 0);

    // A shipped file is saved as the player's copy; the player's own files stay where they are.
    QCOMPARE(where.WritableLayoutFile(shipped + "Zeta.lay"), own + "Zeta.lay");
    QCOMPARE(where.WritableLayoutFile(own + "Beta.lay"), own + "Beta.lay");
    const FileLocations portable = FileLocations::Portable(root.filePath("share"));
    QCOMPARE(portable.WritableLayoutFile(shipped + "Zeta.lay"), shipped + "Zeta.lay");

    // The 99 places count both folders.
    for (int i = 0; i < 60; ++i)
        Touch(shipped + QString("S%1.lay").arg(i, 2, 10, QChar('0')));
    for (int i = 0; i < 45; ++i)
        Touch(own + QString("P%1.lay").arg(i, 2, 10, QChar('0')));
    QCOMPARE(static_cast<int>(where.ListLayouts(&more).size()), FileLocations::kMaxLayouts);
    QCOMPARE(more, 60 + 45 + 6 - FileLocations::kMaxLayouts);
}

void FileLocationsTest::InstalledGameWritesOnlyThePlayerFolders() {
    const ProgramFolder shipped;  // the shipped data, without a settings file
    QTemporaryDir home;
    const FileLocations where = FileLocations::Installed(
        shipped.Path(), home.filePath("config/quorin"), home.filePath("data/quorin"));
    // The player's Bridge is another layout than the shipped one.
    Touch(where.PlayerLayoutFolder() + "Bridge.lay", Read(shipped.File("Layouts/Crab.lay")));
    const QStringList before = Snapshot(shipped.Path());
    {
        Window w(where);
        QVERIFY(!w->StartupFailed());
        QTest::qWait(20);  // start-up reports its problems from the event loop
        QCOMPARE(w.dialogs.errors, QStringList());
        QVERIFY(QFileInfo(where.FavouritesFile()).isFile());

        QAction* bridge = LayoutEntry(*w, "Bridge");
        QVERIFY(bridge);
        bridge->trigger();
        QCOMPARE(w->State().LayoutPath, where.PlayerLayoutFolder().toStdString() + "Bridge.lay");

        // A shipped layout edited and saved becomes the player's copy of it.
        LayoutEntry(*w, "Traditional")->trigger();
        w->Action("Editlayout1")->trigger();
        w->Action("Saveandexit")->trigger();
        QCOMPARE(w.dialogs.errors, QStringList());
        QVERIFY(QFileInfo(where.PlayerLayoutFolder() + "Traditional.lay").isFile());
        QCOMPARE(w->State().LayoutPath,
                 where.PlayerLayoutFolder().toStdString() + "Traditional.lay");

        w->Action("MahJongg1")->trigger();
        w->close();
    }
    QVERIFY(Read(where.SettingsFile()).contains("Tileset=1"));
    QCOMPARE(Snapshot(shipped.Path()), before);

    // The next start reads the player's settings back.
    Window again(where);
    QVERIFY(again->Action("MahJongg1")->isChecked());
    QCOMPARE(again.dialogs.errors, QStringList());
}

QTEST_MAIN(FileLocationsTest)
#include "FileLocationsTest.moc"
