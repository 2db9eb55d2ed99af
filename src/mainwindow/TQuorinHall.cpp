// The hall of fame window as the main window opens it, the two-player game and its clocks,
// and the menu entries and buttons that lead there.
#include <algorithm>

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPushButton>
#include <QToolButton>

#include "board/FreeRule.h"
#include "board/Tiles.h"
#include "games/TwoPlayerClocks.h"
#include "halloffame/THallWindow.h"
#include "mainwindow/ImageBox.h"
#include "mainwindow/TQuorin.h"
#include "mainwindow/WelcomePanel.h"
#include "render/JpegPicture.h"

namespace quorin {

namespace {

// The players' names in the largest size up to 12 points that leaves the panel's margin on
// both sides: a wide substitute for Arial would run them into the edge.
QFont PlayerNameFont(const QPaintDevice& panel) {
    constexpr int kMargin = 8;
    QFont font("Arial", 12, QFont::Bold);
    auto wider = [&panel](const QFont& f) {
        const QFontMetrics m(f, &panel);
        return std::max(m.horizontalAdvance("PLAYER 1"), m.horizontalAdvance("PLAYER 2"));
    };
    const double width = panel.width() / panel.devicePixelRatioF();  // in logical pixels
    while (font.pointSize() > 6 && wider(font) > width - 2 * kMargin)
        font.setPointSize(font.pointSize() - 1);
    return font;
}

}  // namespace

void TQuorin::WireHallAndTwoPlayers() {
    connect(Action("TwoPlayers1"), &QAction::triggered, this, &TQuorin::TwoPlayers);
    connect(Action("HallOfFame1"), &QAction::triggered, this, &TQuorin::ShowScores);
    connect(Action("PlayerName1"), &QAction::triggered, this, &TQuorin::ShowScores);
    connect(welcome_->TwoPlayers, &QPushButton::clicked, this, &TQuorin::TwoPlayers);
    connect(welcome_->Hall, &QPushButton::clicked, this, &TQuorin::ShowScores);
    for (QToolButton* b : toolButtons_) {
        if (b->objectName() == "HallButton")
            connect(b, &QToolButton::clicked, this, &TQuorin::ShowScores);
    }
}

void TQuorin::ShowScores() {
    CheckPause();
    RunHallWindow(false);
    UnCheckPause();
}

void TQuorin::RunHallWindow(bool justEntered) {
    if (helpPicture_.isNull()) {
        JpegPicture picture;
        if (picture.Load(where_.DataFile("orange.jpg")))
            helpPicture_ = picture.Image();
    }
    justEnteredHall_ = justEntered;
    THallWindow window({.hall = hallOfFame_,
                        .layoutNames = layoutNames_,
                        .currentLayout = State().CurrentLayout,
                        .justEntered = justEntered,
                        .currentPlayer = currentPlayer_,
                        .dialogs = dialogs_,
                        .repaintPanel = [this] { ShowPanelHOF(); },
                        .panelChanged = [this] { State().HallPanelDirty = true; },
                        .backdrop = helpPicture_},
                       this);
    dialogs_.ShowHall(window);
    justEnteredHall_ = false;
}

void TQuorin::TwoPlayers() {
    GameState& s = State();
    ColorHighlight();
    renderer_.ShowFond();
    if (s.CurrentLayout >= 100) {
        // Back from another game: the layout loaded for solitaire is the one played.
        s.CurrentLayout = loadedLayout_;
    }
    game_.Choose(ModeTwoPlayers);
    welcome_->hide();
    dealing_ = true;
    const DealResult dealt = game_.DealLayout();
    if (dealt == DealResult::CannotDeal) {
        ShowStatus("This layout could not be dealt as a winnable game: dealt at random.");
        game_.MakeDealer().PlainDeal();
    }
    dealing_ = false;

    game_.ResetForNewGame();
    StartTwoPlayerClocks(s, ticks_.Now());
    status_.bounce = false;
    if (s.GameMode == ModePaused) {
        SetPauseCaptions(false);
        Action("Pause1")->setEnabled(true);
    }
    const std::string difficulty = DifficultyNote();
    ShowStatus("Two-Player Solitaire started." + difficulty);
    IM(ModeTwoPlayers);
    SetPauseButtons();
    if (s.SeedNumber > 0 && s.options.RandomSeed1)
        ShowStatus("Specific Board started. Random Seed #" + std::to_string(s.SeedNumber) +
                   difficulty);
    if (dealt == DealResult::DealtUnproved)
        ShowStatus(kUnprovedDeal);
    ShowPanelHOF();
    FullRedraw();
    LeaveLastPairForTest();
    StartTwoPlayerClocks(s, ticks_.Now());
}

void TQuorin::DrawPlayerClocks() {
    const GameState& s = State();
    const uint32_t now = ticks_.Now();
    const QRect band(0, 380, 92, 88);
    QPainter p(&saveHof_);
    RestorePanel(p, band);
    p.setFont(PlayerNameFont(saveHof_));
    auto text = [&p](int x, int y, const QString& t) {
        p.drawText(x, y + p.fontMetrics().ascent(), t);
    };
    if (PlayerNameLit(s, 1, now)) {
        p.setPen(QColor(255, 255, 0));
        text(8, 382, "PLAYER 1");
    }
    if (PlayerNameLit(s, 2, now)) {
        p.setPen(QColor(0, 255, 255));
        text(8, 424, "PLAYER 2");
    }
    QFont clock("Arial", 10);
    p.setFont(clock);
    p.setPen(Qt::white);
    text(30, 402, QString::fromStdString(FormatPlayerClock(PlayerClockMillis(s, 1, now))));
    text(30, 444, QString::fromStdString(FormatPlayerClock(PlayerClockMillis(s, 2, now))));
    p.end();
    RedrawHOF();
}

void TQuorin::LeaveLastPairForTest() {
    // End-to-end runs finish a game in two clicks: every tile but one free pair is taken
    // away as if played, so the last removal goes through the ordinary rule.
    if (!qEnvironmentVariableIsSet("QUORIN_TEST_LAST_PAIR"))
        return;
    GameState& s = State();
    game_.CountFree();
    int keepA = 0, keepB = 0;
    for (int k = 1; k < s.FreeCount && !keepA; ++k)
        if (SameGroup(s.board.FreeList[k], s.board.FreeList[k + 1])) {
            keepA = s.board.FreeList[k];
            keepB = s.board.FreeList[k + 1];
        }
    // Some deals have no free pair: two tiles of a group on one layer are free once alone.
    for (int a = 1; a <= kTileCount && !keepA; ++a)
        for (int b = a + 1; b <= kTileCount && SameGroup(a, b) && !keepA; ++b)
            if (s.board.TilePos[a].OnBoard() && s.board.TilePos[b].OnBoard() &&
                s.board.TilePos[a].layer == s.board.TilePos[b].layer) {
                keepA = a;
                keepB = b;
            }
    if (!keepA)
        return;
    std::array<int, kGroupCount + 1> waiting{};  // a tile of the group lifted without its pair
    int removed = 0;
    for (int t = 1; t <= kTileCount; ++t) {
        if (t == keepA || t == keepB || !s.board.TilePos[t].OnBoard())
            continue;
        int& partner = waiting[static_cast<size_t>(TileGroup(t))];
        if (!partner) {
            partner = t;
            continue;
        }
        for (const int tile : {partner, t}) {
            const TilePosition at = s.board.TilePos[tile];
            s.board.MoveHistory[static_cast<size_t>(removed++)] = {static_cast<uint8_t>(tile), at.x,
                                                                   at.y, at.layer};
            s.board.Lift(tile);
        }
        partner = 0;
        s.TilesLeft -= 2;
    }
    FullRedraw();
}

}  // namespace quorin
