#include "mainwindow/TQuorin.h"

#include <algorithm>

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

#include "audio/SoundDevice.h"
#include "board/FreeRule.h"
#include "layouts/Favourites.h"
#include "layouts/LayoutFile.h"
#include "mainwindow/BoardSurface.h"
#include "mainwindow/ImageBox.h"
#include "mainwindow/Settings.h"
#include "mainwindow/StatusLine.h"
#include "mainwindow/WelcomePanel.h"
#include "platform/DisplayMode.h"
#include "platform/IniFile.h"

namespace quorin {

namespace {

constexpr const char* kTitleLine = "Quorin 6.28 - Mah-Jongg tile-matching solitaire";

// Shape files are listed whatever the case of their extension, so they are told apart the
// same way.
bool IsShpName(std::string_view name) {
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()))
        .endsWith(".shp", Qt::CaseInsensitive);
}

// Music file names sorted without regard to case, with the extension cut off. A FIFO or a
// device under a piece's name is listed too: reading it is refused with a message naming it,
// where leaving it out would shift the numbers the settings keep and put another piece in
// its place without a word.
std::vector<std::string> MusicNames(const QString& folder) {
    QDir dir(folder);
    const QFileInfoList files = dir.entryInfoList(
        {"*.mid"}, QDir::Files | QDir::System | QDir::Hidden, QDir::Name | QDir::IgnoreCase);
    std::vector<std::string> names;
    for (const QFileInfo& f : files)
        if (f.fileName().contains('.'))
            names.push_back(f.completeBaseName().toStdString());
    return names;
}

// Anything but a folder: whether it can be read is for its reader to say.
bool FileExists(const std::string& path) {
    const QFileInfo info(QString::fromStdString(path));
    return info.exists() && !info.isDir();
}

}  // namespace

TQuorin::TQuorin(const QString& programDir, Services services, QWidget* parent)
    : TQuorin(FileLocations::Portable(programDir), services, parent) {}

TQuorin::TQuorin(const FileLocations& where, Services services, QWidget* parent)
    : QMainWindow(parent),
      where_(where),
      ticks_(services.ticks),
      dialogs_(services.dialogs),
      screenWidth_(services.screenWidth),
      game_(*this, services.ticks, services.timeOfDay),
      renderer_(tileset_) {
    Init();
}

TQuorin::~TQuorin() {
    judging_.reset();  // its thread stops before the window it reports to goes
}

QAction* TQuorin::Action(const char* name) const {
    const auto it = actions_.find(name);
    return it == actions_.end() ? nullptr : it->second;
}

void TQuorin::Init() {
    GameState& s = State();
    s.GameMode = ModeNone;
    s.SavedMode = ModeIdle;
    setWindowTitle("Quorin 6.28 ");
    setObjectName("TQuorin");
    StartJudging();
    setStyleSheet("QMainWindow { background: black; }");
    QDir::setCurrent(where_.DataFolder());

    // The components, top to bottom.
    auto* central = new QWidget(this);
    central->setObjectName("client");
    central->setStyleSheet("#client { background: black; }");
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    BuildToolbar();
    column->addWidget(tools_);
    editorPanel_ = new QWidget(central);
    editorPanel_->setObjectName("EditorPanel");
    editorPanel_->setFixedHeight(33);
    editorPanel_->hide();
    column->addWidget(editorPanel_);
    auto* boardRow = new QHBoxLayout;
    boardRow->setSpacing(0);
    surface_ = new BoardSurface(central);
    surface_->setObjectName("Game");
    surface_->SetBuffer(&renderer_.BoardBuffer());
    surface_->onPress = [this](Qt::MouseButton b, QPoint p) { ButtonDown(b, p); };
    surface_->onMove = [this](QPoint p) { FormMouseMove(p); };
    surface_->onKey = [this](int key) { return BoardKey(key); };
    surface_->onScale = [this](double scale) { ScaleBoard(scale); };
    boardRow->addWidget(surface_);
    hofBox_ = new ImageBox(central);
    hofBox_->setObjectName("HofBox");
    hofBox_->setFixedSize(92, 468);
    hofBox_->SetImage(&saveHof_);
    hofBox_->onRatio = [this](double ratio) {
        PreparePanelPictures(ratio);
        ShowPanelHOF();
    };
    boardRow->addWidget(hofBox_, 0, Qt::AlignTop);
    column->addLayout(boardRow);
    statusLine_ = new StatusLine(central);
    statusLine_->onMovesPanelClicked = [this] { Action("Moves")->trigger(); };
    statusLine_->onTimePanelClicked = [this] { Action("ShowTime")->trigger(); };
    column->addWidget(statusLine_);
    setCentralWidget(central);
    welcome_ = new WelcomePanel(surface_);
    welcome_->hide();
    connect(welcome_->Classic, &QPushButton::clicked, this, &TQuorin::RandomSolitaireGame1Click);
    connect(welcome_->Exit, &QPushButton::clicked, this, &TQuorin::Exit1Click);
    BuildMenus();
    BuildEditor();
    WireHallAndTwoPlayers();
    ConnectOtherGames();

    ShowStatus(" ");

    // Settings: into the check marks and a few fields.
    // The first start of an installed game finds none of the player's folders.
    if (const QString folder = where_.MakePlayerFolders(); !folder.isEmpty())
        startupWarnings_ << "Quorin cannot create the folder " + folder +
                                ": settings, scores and layouts will not be saved.";
    settingsFile_ = std::make_unique<IniFile>(where_.SettingsFile().toStdString());
    const Settings settings = Settings::Read(*settingsFile_, screenWidth_);
    ApplySettings(settings);
    if (!settingsFile_->LoadError().empty())
        startupWarnings_ << QString::fromStdString(settingsFile_->LoadError()) +
                                QStringLiteral(". Settings will not be saved.");

    // We never change the screen mode; the stand-in reports that the mode test failed.
    if (settings.Res800)
        displayModeChanged_ = TestDisplayMode800x600();

    LoadResourcePictures();

    // Board origin: a narrow screen shows the board from its very edge.
    if (screenWidth_ > 799) {
        s.BoardOriginX = 36;
        s.BoardOriginY = 25;
    } else {
        s.BoardOriginX = -5;
        s.BoardOriginY = 0;
    }

    PlaceWindow(settings);

    if (!LoadFiles())
        return;
    LoadFavourites();
    ShowLayoutMenuEntries();

    technoCursor_ = QCursor(QPixmap(":/cursors/techno.png"), 1, 1);
    CoolMenu1Click();
    CoolMouseClick();
    CoolToolbarClick();
    FlatButtonsClick();

    s.GameFinished = s.GameOverShown = s.ClickHandled = false;
    s.ElapsedSeconds = 0;
    hallOfFame_.ClearNewHallRank();
    s.TilesLeft = s.TotalTiles = kTileCount;
    s.PausedElapsed = s.PausedTurn1 = s.PausedTurn2 = 0;
    hoverCandidate_ = prevHoverCandidate_ = 0;
    s.LayoutName = "External Layout";

    // The current layout, without starting a game.
    startingUp_ = true;
    if (!RunLayout(s.LayoutPath)) {
        // A damaged current layout: fall back to the first one that loads.
        bool loaded = false;
        for (size_t i = 0; i < layoutEntries_.size() && !loaded; ++i) {
            const std::string& path = layoutFiles_[i + 1];
            if (path == s.LayoutPath || !RunLayout(path))
                continue;
            s.LayoutPath = path;
            s.CurrentLayout = loadedLayout_ = static_cast<int>(i) + 1;
            ShowLayoutMenuEntries();
            loaded = true;
        }
        if (!loaded) {
            startupError_ = "Quorin cannot start: no layout in " + where_.ShippedLayoutFolder() +
                            " could be read.\n\n" + startupWarnings_.join("\n");
            startingUp_ = false;
            return;
        }
    }
    startingUp_ = false;

    ActiveTilesetBackground();
    ColorHighlight();
    if (Action("ShowHallFame")->isChecked()) {
        s.HallPanelDirty = true;
        ShowPanelHOF();
    }

    connect(&timer_, &QTimer::timeout, this, &TQuorin::Temps);
    timer_.start(50);
    StartSoundAfterFirstPaint();
    connect(qApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState state) {
                if (state == Qt::ApplicationActive)
                    FormActivate();
                else if (state == Qt::ApplicationInactive)
                    FormDeactivate();
            });
}

void TQuorin::PlaceWindow(const Settings& settings) {
    // The 640 px screen hides the side panel and the toolbar before the size is fitted.
    if (screenWidth_ != settings.PreviousRes && screenWidth_ == 640) {
        Action("ShowHallFame")->setChecked(false);
        Action("Toolbar1")->setChecked(false);
    }
    tools_->setVisible(Action("Toolbar1")->isChecked());
    statusLine_->setVisible(Action("ShowTitle")->isChecked());
    hofBox_->setVisible(Action("ShowHallFame")->isChecked());
    // The clamp below needs the size the window will really have.
    FitWindow();
    if (settings.WindowWidth > 0 && settings.WindowHeight > 0) {
        QSize kept(settings.WindowWidth, settings.WindowHeight);
        // A size kept on a larger screen shrinks to this one's free area.
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            kept = kept.boundedTo(screen->availableGeometry().size());
        resize(kept.expandedTo(minimumSize()));
    }
    if (settings.WindowMaximized)
        setWindowState(windowState() | Qt::WindowMaximized);
    if (screenWidth_ == settings.PreviousRes) {
        // A stored position off every screen would hide the window for good.
        const QPoint wanted(settings.XPos, settings.YPos);
        const QScreen* screen = QGuiApplication::screenAt(wanted);
        if (!screen)
            screen = QGuiApplication::primaryScreen();
        move(screen ? ClampWindowPosition(wanted, size(), screen->availableGeometry()) : wanted);
    } else if (screenWidth_ == 640) {
        move(0, 0);
    } else {
        moveToCenterLater_ = true;
    }
}

bool TQuorin::LoadFiles() {
    GameState& s = State();
    musicNames_ = MusicNames(where_.MusicFolder());
    if (musicNames_.empty()) {
        startupError_ =
            "Quorin cannot start: there is no music file (*.mid) in " + where_.MusicFolder() + ".";
        return false;
    }
    for (const std::string& name : musicNames_) {
        QAction* entry = musicMenu_->addAction(QString::fromStdString(name));
        entry->setData(-2);
        entry->setCheckable(true);
    }
    if (musicIndex_ == -1) {
        const auto night = std::find(musicNames_.begin(), musicNames_.end(), "Night");
        if (night != musicNames_.end())
            musicIndex_ = static_cast<int>(night - musicNames_.begin()) + 1;
    }
    musicIndex_ = std::clamp(musicIndex_, 1, static_cast<int>(musicNames_.size()));
    SetUpMusic();

    int more = 0;
    const std::vector<LayoutFileEntry> layouts = where_.ListLayouts(&more);
    auto isGameNumber = [](int n) {
        return n == 100 || n == 101 || n == 110 || n == 111 || n == 120 || n == 121;
    };
    const int count = static_cast<int>(layouts.size());
    if (s.CurrentLayout < 1 || (s.CurrentLayout > count && !isGameNumber(s.CurrentLayout))) {
        const auto traditional = std::find_if(
            layouts.begin(), layouts.end(),
            [](const LayoutFileEntry& e) { return !e.isShp && e.caption == "Traditional"; });
        if (traditional != layouts.end())
            s.CurrentLayout = static_cast<int>(traditional - layouts.begin()) + 1;
    }
    s.LayoutCount = 0;
    layoutNames_.assign(1, "");
    layoutFiles_.assign(1, "");
    const std::string storedPath = s.LayoutPath;
    for (const LayoutFileEntry& layout : layouts) {
        AddLayoutEntry(layout.caption.toStdString(), layout.path.toStdString());
        if (layout.isShp && storedPath == layout.path.toStdString())
            s.CurrentLayout = s.LayoutCount;
    }
    if (more > 0)
        startupWarnings_
            << QString("Only the first %1 layouts are listed.").arg(FileLocations::kMaxLayouts);
    // The hall of fame has a column for every listed layout, in list order.
    const std::string hallError =
        hallOfFame_.Load(where_.HallFile().toStdString(),
                         std::vector<std::string>(layoutNames_.begin() + 1, layoutNames_.end()));
    if (!hallError.empty())
        startupWarnings_ << QString::fromStdString(hallError);
    if (s.LayoutCount == 0) {
        startupError_ = "Quorin cannot start: there is no layout file (*.lay, *.shp) in " +
                        where_.ShippedLayoutFolder() + ".";
        return false;
    }

    int position = 1;
    if (s.CurrentLayout >= 1 && s.CurrentLayout <= s.LayoutCount &&
        FileExists(LayoutFileOf(s.CurrentLayout)))
        position = s.CurrentLayout;
    s.LayoutPath = LayoutFileOf(position);
    loadedLayout_ = position;

    if (!lastTilesetFile_.isEmpty() && !QFileInfo(lastTilesetFile_).isFile())
        lastTilesetFile_.clear();
    if (!lastBackgroundFile_.isEmpty() && !QFileInfo(lastBackgroundFile_).isFile())
        lastBackgroundFile_.clear();
    return true;
}

void TQuorin::LoadFavourites() {
    const std::string path = where_.FavouritesFile().toStdString();
    FavouritesLoad load = quorin::LoadFavourites(path);
    favourites_ = std::move(load.names);
    // Like the settings: a file we could not read may still hold the player's list, so it
    // is never written over.
    favouritesUnreadable_ = !load.error.empty();
    if (favouritesUnreadable_)
        startupWarnings_ << QString::fromStdString(load.error) +
                                QStringLiteral(". Favourites will not be saved.");
    if (!load.missing)
        return;
    favourites_ = {"Traditional"};
    if (std::string reason = SaveFavourites(path, favourites_); !reason.empty())
        startupWarnings_ << QString::fromStdString("Unable to write to " + path + ": " + reason);
}

void TQuorin::ShowLayoutMenuEntries() {
    // The menu lists the favourites and the current layout. After another game the layout
    // loaded for solitaire is the current one, so that the next solitaire game, and its hall
    // of fame column, know which layout they play.
    const GameState& s = State();
    const int currentEntry =
        s.CurrentLayout >= 1 && s.CurrentLayout <= s.LayoutCount ? s.CurrentLayout : loadedLayout_;
    for (size_t i = 0; i < layoutEntries_.size(); ++i) {
        QAction* entry = layoutEntries_[i];
        const bool current = static_cast<int>(i) + 1 == currentEntry;
        entry->setChecked(current && !PlayingTriedLayout());
        const std::string caption = entry->text().toStdString();
        const bool favourite =
            std::find(favourites_.begin(), favourites_.end(), caption) != favourites_.end();
        entry->setVisible(current || favourite);
    }
}

void TQuorin::LoadlayoutClick(QAction* entry) {
    const auto it = std::find(layoutEntries_.begin(), layoutEntries_.end(), entry);
    if (it != layoutEntries_.end())
        ChooseLayout(entry, LayoutFileOf(static_cast<int>(it - layoutEntries_.begin()) + 1));
}

void TQuorin::ChooseLayout(QAction* entry, const std::string& path) {
    if (!RunLayout(path)) {
        // The file was refused: the previous layout stays current.
        ShowLayoutMenuEntries();
        return;
    }
    const auto it = std::find(layoutEntries_.begin(), layoutEntries_.end(), entry);
    for (QAction* e : layoutEntries_)
        e->setChecked(e == entry);
    State().LayoutPath = path;
    State().CurrentLayout = loadedLayout_ = static_cast<int>(it - layoutEntries_.begin()) + 1;
    BeginGameAfterLoad();
}

bool TQuorin::RunLayout(const std::string& path) {
    const LayoutLoad load = ReadLayoutFile(path);
    if (!load.ok) {
        const QString message =
            "The layout cannot be used: " + QString::fromStdString(load.Message());
        if (startingUp_)
            startupWarnings_ << message;
        else
            dialogs_.ShowError(this, message);
        return false;
    }
    GameState& s = State();
    s.layout = load.grid;
    triedLayout_ = false;
    // A .shp file carries no name: it goes by its file name.
    s.LayoutName = IsShpName(path)
                       ? QFileInfo(QString::fromStdString(path)).fileName().toStdString()
                       : load.name;
    hallOfFame_.ClearNewHallRank();
    if (startingUp_)
        ShowStatus(kTitleLine);
    return true;
}

void TQuorin::BeginGameAfterLoad() {
    ShowStatus("Layout " + QString::fromStdString(State().LayoutName).toUpper().toStdString() +
               " selected.");
    BeginGame();
}

void TQuorin::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!shown_) {
        shown_ = true;
        FormShow();
    }
}

void TQuorin::FormShow() {
    emit firstShown();
    if (moveToCenterLater_) {
        moveToCenterLater_ = false;
        if (const QScreen* screen = this->screen()) {
            const QRect a = screen->availableGeometry();
            move(a.x() + (a.width() - frameGeometry().width()) / 2,
                 a.y() + (a.height() - frameGeometry().height()) / 2);
        }
    }
    if (State().GameMode != ModeNone)
        return;
    CenterWelcome();
    if (!ResumeSavedGame()) {
        IM(ModeIdle);
        if (Action("StartupGame")->isChecked())
            NewGame();
    }
    if (!startupWarnings_.isEmpty()) {
        const QString text = startupWarnings_.join("\n");
        startupWarnings_.clear();
        QTimer::singleShot(0, this, [this, text] { dialogs_.ShowError(this, text); });
    }
}

void TQuorin::CenterWelcome() {
    welcome_->move((surface_->width() - welcome_->width()) / 2,
                   (surface_->height() - welcome_->height()) / 2);
}

void TQuorin::ScaleBoard(double deviceScale) {
    CenterWelcome();
    if (deviceScale == renderer_.Scale())
        return;
    renderer_.SetScale(deviceScale);
    FullRedraw();
    surface_->update();
}

bool TQuorin::SaveSettings() {
    // An unreadable settings file is left alone; the player was told so at start-up.
    if (!settingsFile_->LoadError().empty())
        return true;
    CollectSettings().Write(*settingsFile_);
    const std::string error = settingsFile_->Save();
    if (error.empty())
        return true;
    dialogs_.ShowError(this, QString::fromStdString(error));
    return false;
}

void TQuorin::closeEvent(QCloseEvent* event) {
    if (closing_ || StartupFailed()) {
        event->accept();
        return;
    }
    closing_ = true;
    KeepGame(true);
    // A settings file that cannot be written is reported; the program closes all the same.
    SaveSettings();
    timer_.stop();
    if (displayModeChanged_)
        RestoreDisplayMode();
    disconnect(qApp, &QGuiApplication::applicationStateChanged, this, nullptr);
    event->accept();
}

void TQuorin::Exit1Click() {
    close();
}

}  // namespace quorin
