// The menu tree, the toolbar and the view switches of the main window.
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QToolButton>

#include "mainwindow/BoardSurface.h"
#include "mainwindow/ImageBox.h"
#include "mainwindow/StatusLine.h"
#include "mainwindow/TQuorin.h"

namespace quorin {

namespace {

const QKeySequence kNone;

}  // namespace

QAction* TQuorin::AddAction(QMenu* menu, const char* name, const QString& caption,
                            const QKeySequence& shortcut, int tag, bool checkable,
                            void (TQuorin::*handler)()) {
    auto* action = new QAction(caption, this);
    action->setObjectName(name);
    actions_[name] = action;
    action->setData(tag);
    action->setCheckable(checkable);
    if (!shortcut.isEmpty()) {
        action->setShortcut(shortcut);
        action->setShortcutContext(Qt::ApplicationShortcut);
    }
    if (handler)
        connect(action, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
    if (checkable)
        connect(action, &QAction::toggled, this, [this] { SyncOptions(); });
    if (menu)
        menu->addAction(action);
    return action;
}

void TQuorin::BuildMenus() {
    QMenuBar* bar = menuBar();
    bar->setObjectName("MainMenu98");
    titleStrip_ = new QLabel("Quorin", bar);
    titleStrip_->setObjectName("TitleStrip");
    titleStrip_->setStyleSheet(
        "QLabel { color: silver; font: bold italic 9pt 'Arial'; padding: 0 8px;"
        " background: qlineargradient(x1:0, y1:0, x2:1, y2:0, stop:0 #1c2340, stop:1 #3b4670); }");
    bar->setCornerWidget(titleStrip_, Qt::TopLeftCorner);
    titleStrip_->hide();

    auto separator = [](QMenu* m) { m->addSeparator()->setData(0); };
    auto topMenu = [&](const QString& caption) {
        QMenu* m = bar->addMenu(caption);
        m->menuAction()->setData(-1);
        return m;
    };

    QMenu* m = topMenu("&New");
    AddAction(m, "RandomSolitaireGame1", "Mah-Jongg Solitaire (&Random Game)", Qt::Key_F2, 1, false,
              &TQuorin::RandomSolitaireGame1Click)
        ->setIcon(QIcon(":/glyphs/new.png"));
    AddAction(m, "NewSpecificGame1", "Mah-Jongg Solitaire (&Specific Game)", kNone, -2, false,
              &TQuorin::NewSpecificGame1Click);
    separator(m);
    QAction* twoPlayers = AddAction(m, "TwoPlayers1", "Mah-Jongg Solitaire (&2-Player Game)",
                                    Qt::SHIFT | Qt::Key_F2, -2, false, nullptr);
    separator(m);
    QAction* riversEasy = AddAction(m, "NewArcadeMahjonggGame1", "Mah-Jongg R&ivers (Easy)",
                                    Qt::Key_F3, 1, false, nullptr);
    QAction* riversHard = AddAction(m, "MahJonggRiversNewGameHard1", "Mah-Jongg Rivers (&Hard)",
                                    Qt::SHIFT | Qt::Key_F3, 0, false, nullptr);
    separator(m);
    QAction* memoryEasy =
        AddAction(m, "Memory1", "Mah-Jongg &Memory (Easy)", Qt::Key_F4, 0, false, nullptr);
    QAction* memoryHard = AddAction(m, "MemoryHard1", "Mah-Jongg Memory (H&ard)",
                                    Qt::SHIFT | Qt::Key_F4, 0, false, nullptr);
    separator(m);
    QAction* clicksEasy =
        AddAction(m, "MahJonggClicks1", "Mah-Jongg &Clicks (Easy)", Qt::Key_F5, 0, false, nullptr);
    QAction* clicksHard = AddAction(m, "MahJonggClicksHard1", "Mah-Jongg Clicks (Har&d)",
                                    Qt::SHIFT | Qt::Key_F5, 0, false, nullptr);
    separator(m);
    AddAction(m, "Exit1", "E&xit", Qt::CTRL | Qt::Key_C, 7, false, &TQuorin::Exit1Click)
        ->setIcon(QIcon(":/glyphs/exit.png"));
    for (QAction* a :
         {twoPlayers, riversEasy, riversHard, memoryEasy, memoryHard, clicksEasy, clicksHard})
        a->setIcon(QIcon(":/glyphs/new.png"));

    m = topMenu("&Play");
    AddAction(m, "Undo1", "&Back", Qt::CTRL | Qt::Key_Z, 12, false, nullptr);
    connect(Action("Undo1"), &QAction::triggered, this, [this] { game_.Back(); });
    AddAction(m, "GiveHint", "&Hint", Qt::CTRL | Qt::Key_H, 5, false, nullptr);
    connect(Action("GiveHint"), &QAction::triggered, this, [this] { HintClick(); });
    separator(m);
    AddAction(m, "Pause1", "&Pause", Qt::Key_F12, 4, false, &TQuorin::PauseClick);
    AddAction(m, "Shuffle1", "Shu&ffle", Qt::CTRL | Qt::Key_S, 10, false, &TQuorin::Shuffle1Click);
    AddAction(m, "Stop1", "&Stop", Qt::CTRL | Qt::Key_X, -2, false, &TQuorin::Stop);
    AddAction(m, "Restart1", "&Restart", Qt::CTRL | Qt::Key_R, -2, false, nullptr);
    connect(Action("Restart1"), &QAction::triggered, this, [this] { game_.Restart(); });
    AddAction(m, "UndoToWinnable", "&Undo to last winnable position",
              Qt::CTRL | Qt::SHIFT | Qt::Key_Z, -2, false, &TQuorin::UndoToWinnableClick);
    separator(m);
    AddAction(m, "PlayerName1", "Player &Name", kNone, 2, false, nullptr);
    QAction* randomSeed = AddAction(m, "RandomSeed1", "Random Seed", kNone, -2, true, nullptr);
    randomSeed->setVisible(false);  // only a flag: a specific game is being played
    AddAction(m, "Vertical", "&Vertical Variation", kNone, -2, true, &TQuorin::VerticalClick);

    m = topMenu("&View");
    AddAction(m, "Invert", "&Invert selection", kNone, -2, true, nullptr);
    separator(m);
    AddAction(m, "CoolMenu1", "Cool M&enu", kNone, -2, true, &TQuorin::CoolMenu1Click);
    AddAction(m, "CoolMouse", "Cool M&ouse", kNone, -2, true, &TQuorin::CoolMouseClick);
    AddAction(m, "CoolToolbar", "Cool Toolb&ar", kNone, -2, true, &TQuorin::CoolToolbarClick);
    AddAction(m, "FlatButtons", "Cool B&uttons", kNone, -2, true, &TQuorin::FlatButtonsClick);
    AddAction(m, "CoolStatus", "&Cool Status", kNone, -2, true, nullptr);
    separator(m);
    AddAction(m, "ShowTime", "&Show Time Left", Qt::CTRL | Qt::Key_L, -2, true,
              &TQuorin::ShowTimeClick);
    AddAction(m, "Moves", "Show &Moves Left", Qt::CTRL | Qt::Key_M, -2, true, &TQuorin::NStatus);
    separator(m);
    AddAction(m, "ShowHallFame", "Show Hall of &Fame", Qt::CTRL | Qt::Key_F, -2, true,
              &TQuorin::ShowHallPanel);
    AddAction(m, "ShowTitle", "Show Status &Bar", Qt::CTRL | Qt::Key_B, -2, true,
              &TQuorin::ShowTitleClick);
    AddAction(m, "ShowGirls", "Show Manga &Girls", Qt::CTRL | Qt::Key_G, 0, true,
              &TQuorin::ShowPanelHOF);
    AddAction(m, "Toolbar1", "Show &Toolbar", Qt::CTRL | Qt::Key_T, -2, true,
              &TQuorin::Toolbar1Click);

    m = topMenu("H&ighlight");
    QAction* none = AddAction(m, "Highlight1", "&None", kNone, -2, true, &TQuorin::Highlight1Click);
    separator(m);
    QAction* red = AddAction(m, "Highlight2", "&Red Rectangle", kNone, -2, true, nullptr);
    QAction* green = AddAction(m, "Highlight4", "&Green Rectangle", kNone, -2, true, nullptr);
    QAction* blue = AddAction(m, "Highlight5", "&Blue Rectangle", kNone, -2, true, nullptr);
    for (QAction* a : {red, green, blue})
        connect(a, &QAction::triggered, this, [this, a] { Highlight2Click(a); });
    separator(m);
    QAction* colored =
        AddAction(m, "Highlight3", "&Colored Tile", kNone, -2, true, &TQuorin::Highlight3Click);
    highlightItems_ = {none, red, colored, green, blue};  // in the order of the setting
    separator(m);
    AddAction(m, "ShowCurrentTile", "&Show Current Tile", kNone, -2, true, &TQuorin::ShowPanelHOF);
    // Greys or ungreys the blocked tiles; a blocked tile under the pointer loses its light.
    AddAction(m, "OnlyPossibleMoves", "&Only Possible Moves", kNone, -2, true,
              &TQuorin::FullRedraw);

    m = topMenu("&Configuration");
    AddAction(m, "Winnable", "Winnable &Layouts (in at least one way)", kNone, -2, true, nullptr);
    AddAction(m, "Shuffable", "Winnable &Shuffles (in at least one way)", kNone, -2, true, nullptr);
    separator(m);
    AddAction(m, "EnableHall", "Enable time tracking for the &Hall of fame", kNone, -2, true,
              nullptr);
    AddAction(m, "Shadows", "Enable &3D shadows on tilesets", kNone, 0, true,
              &TQuorin::ShadowsClick);
    AddAction(m, "GoCheckPause", "&Pause game when losing focus", kNone, 0, true, nullptr);
    AddAction(m, "WarnUnwinnable", "&Warn when the game can no longer be won", kNone, 0, true,
              nullptr);
    AddAction(m, "StartupGame", "&Begin game directly at startup", kNone, 0, true, nullptr);
    AddAction(m, "Res800", "Switch to 800x600 / High-&Color at startup", kNone, 0, true, nullptr);
    separator(m);
    AddAction(m, "Animate", "&Animate Board while building the tiles", kNone, -2, true, nullptr);
    AddAction(m, "AnimateTileRivers", "Animate Tile &Rivers in Mahjongg Rivers", kNone, -2, true,
              nullptr);
    AddAction(m, "AnimateClicks", "Animate &Falling Tiles in Mahjongg Clicks", kNone, 0, true,
              nullptr);
    separator(m);
    AddAction(m, "StartMusic", "Run &music automatically at startup", kNone, -2, true, nullptr);
    AddAction(m, "PlaySounds", "Play sound &effects", kNone, -2, true, nullptr);
    AddAction(m, "PlayMusic", "Play m&usic", kNone, 3, true, nullptr);

    m = topMenu("&Background");
    QAction* loadBackground = AddAction(m, "LoadBackground", "&Load from disk", kNone, -2, true,
                                        &TQuorin::LoadBackgroundClick);
    separator(m);
    QAction* none1 = AddAction(m, "None1", "&None", kNone, -2, true, &TQuorin::None1Click);
    QAction* dragons = AddAction(m, "Dragons1", "&Dragons", kNone, -2, true, nullptr);
    QAction* andromeda = AddAction(m, "Andromeda", "&Andromeda", kNone, -2, true, nullptr);
    QAction* kanji = AddAction(m, "Kanji1", "&Kanji (classic)", kNone, -2, true, nullptr);
    QAction* catpats = AddAction(m, "Catpats", "&Catpats", kNone, 0, true, nullptr);
    backgroundItems_ = {kanji, dragons, none1, loadBackground, andromeda, catpats};
    connect(dragons, &QAction::triggered, this,
            [this, dragons] { SelectBackground(dragons, "Backgrounds/dragons.bmp"); });
    connect(andromeda, &QAction::triggered, this,
            [this, andromeda] { SelectBackground(andromeda, "Backgrounds/andromeda.jpg"); });
    connect(kanji, &QAction::triggered, this,
            [this, kanji] { SelectBackground(kanji, "Backgrounds/kanji.bmp"); });
    connect(catpats, &QAction::triggered, this,
            [this, catpats] { SelectBackground(catpats, "Backgrounds/catpats.jpg"); });
    dragons->setChecked(true);

    m = topMenu("&Tileset");
    QAction* load1 =
        AddAction(m, "Load1", "&Load from disk", kNone, -2, true, &TQuorin::Load1Click);
    separator(m);
    QAction* orange = AddAction(m, "MahJongg1", "&Orange borders", kNone, -2, true, nullptr);
    QAction* dark = AddAction(m, "MahJongg2", "&Dark borders", kNone, -2, true, nullptr);
    QAction* blueBorders = AddAction(m, "MahJongg3", "&Blue borders", kNone, -2, true, nullptr);
    QAction* few = AddAction(m, "Lowcolor1", "&Few Colors", kNone, 0, true, nullptr);
    tilesetItems_ = {load1, orange, dark, blueBorders, few};
    connect(orange, &QAction::triggered, this,
            [this, orange] { SelectTileset(orange, "Tilesets/pai.bmp"); });
    connect(dark, &QAction::triggered, this,
            [this, dark] { SelectTileset(dark, "Tilesets/darkpai.bmp"); });
    connect(blueBorders, &QAction::triggered, this,
            [this, blueBorders] { SelectTileset(blueBorders, "Tilesets/bluepai.bmp"); });
    connect(few, &QAction::triggered, this,
            [this, few] { SelectTileset(few, "Tilesets/pai256.bmp"); });

    layoutMenu_ = topMenu("&Layout");
    QAction* select = AddAction(layoutMenu_, "SelectLayout1", "&Select Layout", kNone, 0, false,
                                &TQuorin::SelectLayout1Click);
    select->setIcon(QIcon(":/glyphs/layout.png"));
    AddAction(layoutMenu_, "CreateLayout1", "&Create Layout", kNone, -2, false,
              &TQuorin::CreateLayout1Click);
    AddAction(layoutMenu_, "Editlayout1", "&Edit Layout", kNone, -2, false,
              &TQuorin::Editlayout1Click);
    separator(layoutMenu_);

    musicMenu_ = topMenu("M&usic");
    AddAction(musicMenu_, "RandomMusic", "&Random Music", kNone, -2, true, nullptr);
    separator(musicMenu_);

    m = topMenu("&Help");
    AddAction(m, "Contents1", "&Contents", Qt::Key_F1, 0, false, nullptr);
    AddAction(m, "WhatsNew1", "&What's New", kNone, 0, false, nullptr);
    AddAction(m, "French1", "&French Help", kNone, 0, false, nullptr);
    AddAction(m, "ViewTiles1", "View &Tiles", kNone, 0, false, nullptr);
    separator(m);
    QAction* hall = AddAction(m, "HallOfFame1", "&Hall of Fame", Qt::Key_F10, 9, false, nullptr);
    hall->setIcon(QIcon(":/glyphs/hall.png"));
    QAction* about = AddAction(m, "About1", "&About...", Qt::Key_F11, 11, false, nullptr);
    about->setIcon(QIcon(":/glyphs/about.png"));

    ConnectHelpCommands();
    SetPauseButtons();
}

QToolButton* TQuorin::AddToolButton(const char* name, const QString& caption, const QString& hint,
                                    const QString& glyph, bool gameCommand,
                                    void (TQuorin::*handler)()) {
    auto* b = new QToolButton(tools_);
    b->setObjectName(name);
    b->setText(caption);
    b->setToolTip(hint);
    b->setIcon(QIcon(":/glyphs/" + glyph + ".png"));
    b->setIconSize(QSize(16, 16));
    b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    b->setFixedHeight(27);
    b->setFocusPolicy(Qt::NoFocus);
    b->setProperty("game", gameCommand);
    if (handler)
        connect(b, &QToolButton::clicked, this, [this, handler] { (this->*handler)(); });
    toolButtons_.push_back(b);
    tools_->layout()->addWidget(b);
    return b;
}

void TQuorin::BuildToolbar() {
    tools_ = new ToolStrip(this);
    tools_->setObjectName("Tools");
    tools_->setFixedHeight(33);
    tools_->setAttribute(Qt::WA_StyledBackground);
    auto* row = new QHBoxLayout(tools_);
    row->setContentsMargins(4, 3, 4, 3);
    row->setSpacing(2);
    auto separator = [this] {
        auto* line = new QWidget(tools_);
        line->setFixedSize(2, 22);
        line->setStyleSheet(
            "background: qlineargradient(x1:0, y1:0, x2:1, y2:0,"
            " stop:0 #8a8270, stop:0.5 #8a8270, stop:0.51 #fffaf0, stop:1 #fffaf0);");
        tools_->layout()->addWidget(line);
    };
    AddToolButton("NewButton", "New", "New game", "new", true, &TQuorin::NewGame);
    separator();
    AddToolButton("ExplorerButton2", "Back", "Undo move", "back", true, nullptr);
    connect(toolButtons_.back(), &QToolButton::clicked, this, [this] { game_.Back(); });
    AddToolButton("ExplorerButton3", "Hint", "Show possible moves", "hint", true, nullptr);
    connect(toolButtons_.back(), &QToolButton::clicked, this, [this] { HintClick(); });
    AddToolButton("ShuffleButton", "Shuffle", "Shuffle tiles", "shuffle", true,
                  &TQuorin::Shuffle1Click);
    pauseButton_ =
        AddToolButton("PauseButton", "Pause", "Pause game", "pause", true, &TQuorin::PauseClick);
    separator();
    AddToolButton("SetMusic", "Music", "Pause music", "music", false, nullptr)
        ->setEnabled(false);  // until music is switched on
    layoutButton_ = AddToolButton("LayoutButton", "Layout", "Choose new layout", "layout", false,
                                  &TQuorin::SelectLayout1Click);
    separator();
    AddToolButton("HelpButton", "?", "Help :)", "help", false, nullptr);
    AddToolButton("AboutButton", "About", "", "about", false, nullptr);
    AddToolButton("HallButton", "Hall", "Best of the best :)", "hall", false, nullptr);
    separator();
    AddToolButton("ExitButton", "Exit", "Don't leave me !! :(", "exit", false,
                  &TQuorin::Exit1Click);
    row->addStretch(1);
}

void TQuorin::SyncOptions() {
    Options& o = State().options;
    o.Vertical = Action("Vertical")->isChecked();
    o.Winnable = Action("Winnable")->isChecked();
    o.Shuffable = Action("Shuffable")->isChecked();
    o.Animate = Action("Animate")->isChecked();
    o.RandomSeed1 = Action("RandomSeed1")->isChecked();
    o.ShowGirls = Action("ShowGirls")->isChecked();
    o.AnimateTileRivers = Action("AnimateTileRivers")->isChecked();
    o.AnimateClicks = Action("AnimateClicks")->isChecked();
}

void TQuorin::SetPauseCaptions(bool paused) {
    Action("Pause1")->setText(paused ? "&Continue" : "&Pause");
    pauseButton_->setText(paused ? "Play" : "Pause");
    pauseButton_->setIcon(QIcon(paused ? ":/glyphs/play.png" : ":/glyphs/pause.png"));
}

void TQuorin::SetPauseButtons() {
    // The menu shows the current glyphs of the toolbar's game buttons.
    static const std::pair<const char*, const char*> pairs[] = {{"Undo1", "ExplorerButton2"},
                                                                {"GiveHint", "ExplorerButton3"},
                                                                {"Shuffle1", "ShuffleButton"},
                                                                {"Pause1", "PauseButton"}};
    for (const auto& [action, button] : pairs)
        if (auto* b = findChild<QToolButton*>(button))
            Action(action)->setIcon(b->icon());
}

void TQuorin::Toolbar1Click() {
    const bool show = Action("Toolbar1")->isChecked();
    if (State().GameMode == ModeEditor)
        editorPanel_->setVisible(show);
    else
        tools_->setVisible(show);
    FitWindow();
    FullRedraw();
}

void TQuorin::ShowTitleClick() {
    statusLine_->setVisible(Action("ShowTitle")->isChecked());
    FitWindow();
}

void TQuorin::FitWindow() {
    // At least as large as what it shows with the board at its own size: the menu bar folds
    // menus that do not fit rather than widen the window.
    const QSize board = surface_->minimumSize();
    const int width = board.width() + (hofBox_->isVisibleTo(this) ? hofBox_->width() : 0);
    const int height =
        menuBar()->sizeHint().height() + (tools_->isVisibleTo(this) ? tools_->height() : 0) +
        (editorPanel_->isVisibleTo(this) ? editorPanel_->height() : 0) + board.height() +
        (statusLine_->isVisibleTo(this) ? statusLine_->height() : 0);
    const QSize least(width, height);
    const bool atLeast = !leastSize_.isValid() || size() == leastSize_;
    leastSize_ = least;
    setMinimumSize(least);
    if (isMaximized() || isFullScreen())
        return;
    resize(atLeast ? least : size().expandedTo(least));
}

void TQuorin::CoolMenu1Click() {
    titleStrip_->setVisible(Action("CoolMenu1")->isChecked());
}

void TQuorin::CoolMouseClick() {
    if (Action("CoolMouse")->isChecked())
        setCursor(technoCursor_);
    else
        unsetCursor();
}

void TQuorin::CoolToolbarClick() {
    const QString base =
        "QToolButton { font: bold 8pt 'Arial'; padding: 1px 4px; }"
        "QToolButton[game=\"true\"] { color: navy; }"
        "QToolButton[game=\"false\"] { color: maroon; }"
        "QToolButton:disabled { color: #8f8a80; }";
    if (Action("CoolToolbar")->isChecked() && !toolBitmap_.isNull()) {
        tools_->setStyleSheet("#Tools { border-bottom: 1px solid #7d7565; }" + base);
        tools_->SetWallpaper(":/bitmaps/toolbitmap.bmp");
    } else {
        tools_->setStyleSheet("#Tools { background: #e4dccb; border-bottom: 1px solid #7d7565; }" +
                              base);
        tools_->SetWallpaper({});
    }
}

void TQuorin::FlatButtonsClick() {
    const bool flat = Action("FlatButtons")->isChecked();
    for (QToolButton* b : toolButtons_)
        b->setAutoRaise(flat || b == layoutButton_);
}

void TQuorin::ShowHallPanel() {
    if (Action("ShowHallFame")->isChecked()) {
        hofBox_->show();
        ShowPanelHOF();
        State().HallPanelDirty = true;
    } else {
        hofBox_->hide();
    }
    FitWindow();
    FullRedraw();
}

void TQuorin::ShadowsClick() {
    FullRedraw();
}

void TQuorin::NStatus() {
    if (!Action("Moves")->isChecked())
        statusLine_->MovesLeftLine->clear();
}

void TQuorin::ShowTimeClick() {
    if (!Action("ShowTime")->isChecked())
        statusLine_->TimeLine->clear();
}

void TQuorin::CheckOnly(const std::vector<QAction*>& group, QAction* checked) {
    for (QAction* a : group)
        a->setChecked(a == checked);
}

void TQuorin::Highlight1Click() {
    GameState& s = State();
    const int h = s.HoverTile;
    s.HoverTile = 0;
    if (h)
        RedrawTile(h);
    highlightMode_ = 0;
    CheckOnly(highlightItems_, Action("Highlight1"));
}

void TQuorin::Highlight2Click(QAction* sender) {
    GameState& s = State();
    const int h = s.HoverTile;
    s.HoverTile = 0;
    if (h)
        RedrawTile(h);
    CheckOnly(highlightItems_, sender);
    ColorHighlight();
}

void TQuorin::Highlight3Click() {
    GameState& s = State();
    const int h = s.HoverTile;
    s.HoverTile = 0;
    if (h)
        RedrawTile(h);
    highlightMode_ = 2;
    CheckOnly(highlightItems_, Action("Highlight3"));
}

void TQuorin::ColorHighlight() {
    if (Action("Highlight2")->isChecked())
        highlightMode_ = 1, pen_ = QColor(255, 0, 0);
    if (Action("Highlight4")->isChecked())
        highlightMode_ = 3, pen_ = QColor(0, 128, 0);
    if (Action("Highlight5")->isChecked())
        highlightMode_ = 4, pen_ = QColor(0, 0, 255);
}

}  // namespace quorin
