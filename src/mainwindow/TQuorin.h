// The main window: it owns the game, the pictures and every component of the window, and
// turns menu commands, mouse events and clock ticks into calls of the rules.
#pragma once

#include <bitset>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include <QAction>
#include <QImage>
#include <QMainWindow>
#include <QTimer>

class QPainter;

#include "board/BoardView.h"
#include "board/Clock.h"
#include "games/Game.h"
#include "games/Judging.h"
#include "halloffame/HallOfFame.h"
#include "layouts/LayoutEditor.h"
#include "mainwindow/Dialogs.h"
#include "mainwindow/FileLocations.h"
#include "mainwindow/StatusTicker.h"
#include "mainwindow/ToolStrip.h"
#include "render/BoardRenderer.h"
#include "render/Tileset.h"

class QLabel;
class QLineEdit;
class QMenu;
class QToolButton;
class QVBoxLayout;

namespace quorin {

class BoardSurface;
class ImageBox;
class IniFile;
class StatusLine;
class SoundDevice;
class THelpForm;
class WelcomePanel;
struct Settings;

class TQuorin : public QMainWindow, public BoardView {
    Q_OBJECT
  public:
    struct Services {
        TickSource& ticks;
        TimeOfDaySource& timeOfDay;
        Dialogs& dialogs;
        int screenWidth = 1280;  // the width start-up places the window for
    };

    // A portable game: `programDir` holds Quorin.ini, Layouts/, Tilesets/, Backgrounds/ and
    // Musics/.
    TQuorin(const QString& programDir, Services services, QWidget* parent = nullptr);
    TQuorin(const FileLocations& where, Services services, QWidget* parent = nullptr);
    ~TQuorin() override;

    // Start-up stops when there is no layout or no music: the window must not be shown.
    bool StartupFailed() const { return !startupError_.isEmpty(); }
    const QString& StartupError() const { return startupError_; }

    // --- Game modes and game start ---
    void IM(uint8_t mode);
    void NewGame();
    void RandomSolitaireGame1Click();
    void NewSpecificGame1Click();
    void BeginGame();
    void Stop();
    void VerticalClick();
    void Shuffle1Click();
    void GameOver();

    // --- Clock, pause and status line ---
    void Temps();
    void ShowStatus(std::string_view message) override;
    void PauseClick();
    void FormActivate();
    void FormDeactivate();
    void CheckPause();
    void UnCheckPause();
    void WriteScore();

    // --- Drawing ---
    void FullRedraw() override;
    void RedrawTile(int tile) override;
    void HLRedrawTile(int tile);
    void Redraw();
    void ShowFond();
    void ShowPanelHOF();
    void RedrawHOF();

    // --- Tilesets and backgrounds ---
    bool LoadTileset(const QString& path);
    bool NouveauFond(const QString& path);
    void Load1Click();
    void LoadBackgroundClick();
    void None1Click();
    void ActiveTilesetBackground();

    // --- Pointer ---
    void ButtonDown(Qt::MouseButton button, QPoint at);
    void FormMouseMove(QPoint at);
    void ColorHighlight();

    // --- Access for tests ---
    Game& Rules() { return game_; }
    GameState& State() { return game_.State(); }
    const GameState& State() const { return game_.State(); }
    BoardSurface* GameImage() const { return surface_; }
    const BoardRenderer& Renderer() const { return renderer_; }
    const QImage& SidePanelImage() const { return saveHof_; }
    WelcomePanel* Welcome() const { return welcome_; }
    StatusLine* LigneStatus() const { return statusLine_; }
    QAction* Action(const char* name) const;
    const std::vector<std::string>& LayoutNames() const { return layoutNames_; }
    const FileLocations& Locations() const { return where_; }
    HallOfFame& Hall() { return hallOfFame_; }

  signals:
    // The window was shown for the first time (the splash goes away).
    void firstShown();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    // BoardView
    void RepaintSidePanel() override { ShowPanelHOF(); }
    void RestoreSidePanel() override { RedrawHOF(); }
    void PlaySound(Sound sound) override;
    void RepaintNow() override;

    // Start-up and close.
    void Init();
    bool LoadFiles();
    void LoadFavourites();
    void ShowLayoutMenuEntries();
    void ApplySettings(const Settings& settings);
    Settings CollectSettings() const;
    bool SaveSettings();
    void LoadResourcePictures();
    // The side panel's pictures for a screen of `ratio` device pixels per pixel; the panel
    // starts again from its background.
    void PreparePanelPictures(double ratio);
    void PlaceWindow(const Settings& settings);
    void FormShow();

    // Layouts.
    // Both .lay and .shp entries: the entry knows its file.
    void LoadlayoutClick(QAction* entry);
    void ChooseLayout(QAction* entry, const std::string& path);
    bool RunLayout(const std::string& path);
    void BeginGameAfterLoad();
    // The grid in play is a tried layout: no layout of the menu, nor its hall column, is current.
    bool PlayingTriedLayout() const;

    // Menus, toolbar, view switches.
    void BuildMenus();
    void BuildToolbar();
    QAction* AddAction(QMenu* menu, const char* name, const QString& caption,
                       const QKeySequence& shortcut, int tag, bool checkable,
                       void (TQuorin::*handler)());
    QToolButton* AddToolButton(const char* name, const QString& caption, const QString& hint,
                               const QString& glyph, bool gameCommand, void (TQuorin::*handler)());
    void SyncOptions();
    void SetPauseButtons();
    void SetPauseCaptions(bool paused);
    // The least size of the window for what it shows; a window the player left at its least
    // size follows it, a larger one keeps its size.
    void FitWindow();
    // The switches: each runs after its check mark was inverted and applies it.
    void Toolbar1Click();
    void ShowTitleClick();
    void CoolMenu1Click();
    void CoolMouseClick();
    void CoolToolbarClick();
    void FlatButtonsClick();
    void ShowHallPanel();
    void ShadowsClick();
    void NStatus();
    void ShowTimeClick();
    void Exit1Click();
    void Highlight1Click();
    void Highlight2Click(QAction* sender);
    void Highlight3Click();
    void CheckOnly(const std::vector<QAction*>& group, QAction* checked);
    void SelectTileset(QAction* item, const char* file);
    void SelectBackground(QAction* item, const char* file);
    bool LoadTilesetFile(const QString& path);
    QString PictureFromDisk(QString& remembered, bool ask, const QString& title,
                            const QString& filter, const QString& folder);
    bool LoadBackgroundFile(const QString& path);

    // Drawing helpers.
    DrawOptions CurrentDrawOptions() const;
    // With "Only Possible Moves", the tiles on the board the game's rule keeps from being
    // taken now; otherwise none.
    std::bitset<kTileCount + 1> BlockedTiles();
    void RedrawRect(TileRect dirty);
    void ShowTilePreview(int tile);
    void ClearTilePreview();
    // The panel's background over `area` (logical pixels) of the panel being composed.
    void RestorePanel(QPainter& p, const QRect& area) const;
    void CenterWelcome();
    // The board is drawn again at `deviceScale` device pixels per board pixel.
    void ScaleBoard(double deviceScale);

    // Services.
    FileLocations where_;
    TickSource& ticks_;
    Dialogs& dialogs_;
    int screenWidth_;

    Game game_;
    Tileset tileset_;
    BoardRenderer renderer_;
    HallOfFame hallOfFame_;
    StatusTicker status_;
    QTimer timer_;
    std::unique_ptr<IniFile> settingsFile_;

    // Components.
    ToolStrip* tools_ = nullptr;
    QWidget* editorPanel_ = nullptr;
    BoardSurface* surface_ = nullptr;
    ImageBox* hofBox_ = nullptr;
    StatusLine* statusLine_ = nullptr;
    WelcomePanel* welcome_ = nullptr;
    QLabel* titleStrip_ = nullptr;
    std::vector<QToolButton*> toolButtons_;
    QToolButton* pauseButton_ = nullptr;
    QToolButton* layoutButton_ = nullptr;
    QMenu* layoutMenu_ = nullptr;
    QMenu* musicMenu_ = nullptr;
    std::map<std::string, QAction*, std::less<>> actions_;  // by object name
    std::vector<QAction*> layoutEntries_;                   // [0] is the first layout
    std::vector<QAction*> tilesetItems_;
    std::vector<QAction*> backgroundItems_;
    std::vector<QAction*> highlightItems_;
    QAction* currentTileset_ = nullptr;  // the item whose picture is in use
    QAction* currentBackground_ = nullptr;
    TileRect dirtyRect_ = FullRect;
    std::bitset<kTileCount + 1> drawnDimmed_;  // the blocked tiles as the board image shows them

    // Pictures.
    // The side panel is 92 x 472 logical pixels, composed at the device pixels of its screen.
    QImage hofPic_;   // side panel background, at the panel's ratio
    QImage saveHof_;  // side panel being composed
    QImage girls_[12];
    ScaledTiles previewTiles_;  // the tile under the pointer, at the panel's ratio
    QImage filled_;
    QImage toolBitmap_;
    QCursor technoCursor_;

    // Window state that is not the game's.
    std::vector<std::string> layoutNames_{""};  // 1-based
    std::vector<std::string> layoutFiles_{""};  // the file of each, 1-based
    std::vector<std::string> favourites_;
    bool favouritesUnreadable_ = false;  // Favelay.ini exists but could not be read
    std::vector<std::string> musicNames_;
    int musicIndex_ = -1;
    int loadedLayout_ = 1;                 // Layout menu position of the layout in LayoutGrid
    uint32_t backgroundColor_ = 0x808000;  // red in the low byte
    QString lastTilesetFile_;
    QString lastBackgroundFile_;
    // A stored tileset that did not load at start-up: saved again until the player chooses.
    QAction* keptTilesetChoice_ = nullptr;
    std::string currentPlayer_ = "Player1";
    int highlightMode_ = 3;
    QColor pen_ = QColor(0, 128, 0);
    int hoverCandidate_ = 0;
    int prevHoverCandidate_ = 0;
    bool startingUp_ = false;
    bool dealing_ = false;  // a deal or a shuffle is drawing its animation frames
    bool displayModeChanged_ = false;
    bool shown_ = false;
    bool moveToCenterLater_ = false;
    QSize leastSize_;  // as FitWindow last made it
    bool closing_ = false;
    QString startupError_;
    QStringList startupWarnings_;

    // --- Music and sound effects ---
  public:
    void LoadMidiClick(QAction* item);
    void SelectedMusic(const std::string& path);
    void CallMusic();
    void MediaNotify();
    void PlayMusicClick();
    void RandomMusicClick();
    void SetMusicClick();
    void PlayWave(const char* name);
    void SonOK(int tile);
    SoundDevice& Media() { return *media_; }
    int MusicIndex() const { return musicIndex_; }
    // True from start-up until the sound output is opened, after the first paint.
    bool SoundPending() const { return soundPending_; }

  private:
    void SetUpMusic();
    void ChooseRandomPiece();
    void ReportMusicProblem(const std::string& text);
    void StartSoundAfterFirstPaint();
    void StartSound();
    std::unique_ptr<SoundDevice> media_;
    bool mediaOpen_ = false;
    bool deviceErrorShown_ = false;
    bool soundPending_ = true;
    std::string lastMusicProblem_;

    // --- Layout editor, layout chooser and seed window ---
  public:
    enum class SaveKind { Save, SaveAs, TryIt };
    void CreateLayout1Click();
    void Editlayout1Click();
    void SaveandexitClick(SaveKind kind);
    void Cancel2Click();
    void Movetoleft1Click();
    void Movetoright1Click();
    void Movetotop1Click();
    void Movetobottom1Click();
    void SelectLayout1Click();
    QLineEdit* EditorName() const { return edit1_; }
    QLabel* EditorTilesLabel() const { return label40_; }
    const std::vector<std::string>& Favourites() const { return favourites_; }
    int GhostLayer() const { return ghostLayer_; }

  private:
    void BuildEditor();
    void EnterEditor(bool keepLayout);
    void LeaveEditor();
    void SwapMenus(bool editor);
    void EditorButtonDown(Qt::MouseButton button, QPoint at);
    void EditorMouseMove(int px, int py);
    // The editor's keys: the arrows aim, Enter or Space adds, Delete or Backspace removes.
    bool EditorKey(int key);
    // The keys take the aim there: the ghost and the outline go with it.
    void AimEditor(EditorAim aim);
    // The pointer takes the aim along; the outline waits for the next key.
    void FollowPointer(int px, int py);
    // Puts the outline and the screen reader's description in step with the aim.
    void ShowAim();
    void EditorMove(int dx, int dy);
    void ShowEditorTilesLeft();
    bool SaveLayout();
    void AddLayoutEntry(const std::string& caption, const std::string& path);
    std::string LayoutFileOf(int index) const;
    QLineEdit* edit1_ = nullptr;
    QLabel* label40_ = nullptr;
    std::vector<QAction*> mainMenus_;    // the top menus of the game, hidden while editing
    std::vector<QAction*> editorMenus_;  // "Exit" and "Move Board"
    std::vector<std::pair<QAction*, QKeySequence>> parkedShortcuts_;
    int ghostX_ = -1, ghostY_ = -1, ghostLayer_ = -1;
    TileRect ghostRect_ = FullRect;
    EditorAim aim_ = kStartAim;
    bool aimShown_ = false;   // the keys drive the editor: its outline shows
    bool newLayout_ = false;  // made by "Create Layout" and not saved yet: it has no file
    // --- Layouts tried from the editor ---
    // The grid in play came from "Try it" and was not saved: its games belong to no column
    // of the hall of fame, not even to the layout that was current before.
    bool triedLayout_ = false;
    // --- Game over, hall of fame and two players ---
  public:
    void TwoPlayers();
    void ShowScores();
    bool JustEnteredHall() const { return justEnteredHall_; }

  private:
    void WireHallAndTwoPlayers();
    void RunHallWindow(bool justEntered);
    void DrawPlayerClocks();
    void LeaveLastPairForTest();
    bool justEnteredHall_ = false;
    QImage helpPicture_;
    // --- Rivers, Memory and Clicks ---
  public:
    // Which level a command starts: the one of the menu entry or button, or, for "New", the
    // one last played.
    enum class Level { Last, Easy, Hard };
    void FourRivers(Level level);
    void Memory(Level level);
    void MahJonggClicks(Level level);

  private:
    void ConnectOtherGames();
    void StartOtherGame(uint8_t mode, Level level, int32_t hardCode, const char* started);
    // Clicks at a dead end: give up, or take the last move back.
    void AskClicksGiveUp();
    bool giveUpOpen_ = false;  // the question is on screen
                               // --- Help window and about box ---
  public:
    void HelpClick();
    void WhatsNew1Click();
    void French1Click();
    void ViewTiles1Click();
    void CallHelp(int page);
    void About1Click();
    // The help window, built on first use.
    THelpForm& HelpWindow();
    const Tileset& Tiles() const { return tileset_; }

  private:
    void ConnectHelpCommands();

    // --- The game kept across closes ---
  public:
    QString SavedGamePath() const;
    // True while a game put back at start-up waits for the player to go on.
    bool WaitingToGoOn() const { return waitingToGoOn_; }

  private:
    // The kind of the game to keep now (paused ones included); none between games.
    uint8_t GameToKeep() const;
    // Writes the game down when it moved since the last time (or at once with `now`), and
    // removes the file once there is no game left to come back to.
    void KeepGame(bool now = false);
    // At the first showing: puts the saved game back, paused. False when there is none, or
    // when it cannot be used (the player is told why, and the file is set aside).
    bool ResumeSavedGame();
    void SetSavedGameAside(const QString& reason);
    bool keepReady_ = false;  // the saved game was looked at: writing it may start
    bool keptGame_ = false;   // the file holds the game in progress
    bool keepErrorShown_ = false;
    bool waitingToGoOn_ = false;
    uint32_t keptChanges_ = 0;
    uint32_t keptTick_ = 0;

    // How the deal of `seed` on the current layout rates, with the options as they are.
    QString DifficultyOfSeed(int32_t seed);
    // " Difficulty N of 5." for the deal on the board, to follow a start message.
    std::string DifficultyNote() const;

    // --- Playing from the keyboard ---
  public:
    // A key pressed on the board surface; true when it was used.
    bool BoardKey(int key);
    // The tile (or Clicks group) the keyboard acts on; 0 until an arrow key is pressed.
    int FocusTile() const { return focusTile_; }

  private:
    void MoveFocus(FocusStep step);
    void PressFocus();
    // Puts the outline and the screen reader's description in step with the focus.
    void ShowFocus();
    // What a screen reader says of the board, told to it when it changes.
    void DescribeBoard(const QString& what);
    int focusTile_ = 0;
    bool keyboardPress_ = false;
    uint32_t focusChanges_ = 0;  // the game's changes when the focus was last shown

    // --- The solver in play ---
  public:
    // Said when a winnable deal under the vertical rule could not be proved so in time.
    static constexpr const char* kUnprovedDeal =
        "No deal proved winnable under the vertical rule was found in time; this one may not "
        "clear.";
    // The hint, with a pair that keeps the game winnable when one is known.
    void HintClick();
    // "Undo to last winnable position".
    void UndoToWinnableClick();
    // Looks at the position after a change: the verdict shows in the status line, and a
    // fatal move is told when the player asked for it.
    void JudgePosition();
    Judging& Judge() { return *judging_; }

  private:
    void StartJudging();
    bool JudgedGame() const;
    void JudgeAnswered();
    void ShowWinnability();
    void WarnOfFatalMove();
    std::unique_ptr<Judging> judging_;
    uint32_t judgedGame_ = 0;
    bool warningOpen_ = false;

  private:
    bool PauseForWindow();
    void ResumeAfterWindow(bool paused);
    THelpForm* help_ = nullptr;  // a child of the window
};

// Window placement: where a window of `frame` size at `wanted` goes so that it lies inside
// `area` (its top-left corner when it is larger). Stored positions may be anything.
QPoint ClampWindowPosition(QPoint wanted, QSize frame, const QRect& area);

}  // namespace quorin
