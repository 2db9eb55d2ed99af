// The layout editor as a mode of the main window: its panel and menu, the mouse and the keys,
// the ghost tile, and saving the layout it built.
#include <algorithm>

#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>

#include "board/Placement.h"
#include "layouts/LayoutEditor.h"
#include "layouts/LayoutFile.h"
#include "mainwindow/BoardSurface.h"
#include "mainwindow/TQuorin.h"
#include "render/Geometry.h"

namespace quorin {

namespace {

QString FromStd(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

void TQuorin::BuildEditor() {
    editorPanel_->setAttribute(Qt::WA_StyledBackground);
    editorPanel_->setStyleSheet(
        "#EditorPanel { background: #e4dccb; border-bottom: 1px solid #7d7565; }"
        "QLabel { font: bold 8pt 'Arial'; color: maroon; }");
    auto* row = new QHBoxLayout(editorPanel_);
    row->setContentsMargins(6, 3, 6, 3);
    row->setSpacing(6);
    auto* frame = new QFrame(editorPanel_);
    frame->setFrameShape(QFrame::StyledPanel);
    auto* inFrame = new QHBoxLayout(frame);
    inFrame->setContentsMargins(6, 0, 6, 0);
    inFrame->addWidget(new QLabel("Tiles left", frame));
    label40_ = new QLabel("144", frame);
    label40_->setObjectName("Label40");
    label40_->setMinimumWidth(28);
    label40_->setStyleSheet("color: navy;");
    inFrame->addWidget(label40_);
    row->addWidget(frame);
    row->addSpacing(12);
    auto* nameLabel = new QLabel("Layout &Name", editorPanel_);
    row->addWidget(nameLabel);
    edit1_ = new QLineEdit(editorPanel_);
    edit1_->setObjectName("Edit1");
    nameLabel->setBuddy(edit1_);
    edit1_->setFixedWidth(220);
    row->addWidget(edit1_);
    row->addStretch(1);

    // The editor's menus share the menu bar; only one set is visible at a time.
    QMenuBar* bar = menuBar();
    for (QAction* a : bar->actions())
        mainMenus_.push_back(a);
    QMenu* exitMenu = bar->addMenu("&Exit");
    exitMenu->setObjectName("Editor1");
    AddAction(exitMenu, "Saveandexit", "&Save", {}, -2, false, nullptr);
    AddAction(exitMenu, "Saveasandexit", "Save &as...", {}, -2, false, nullptr);
    AddAction(exitMenu, "Cancel1", "&Try it", {}, -2, false, nullptr);
    exitMenu->addSeparator();
    AddAction(exitMenu, "Cancel2", "E&xit", {}, -2, false, &TQuorin::Cancel2Click);
    connect(Action("Saveandexit"), &QAction::triggered, this,
            [this] { SaveandexitClick(SaveKind::Save); });
    connect(Action("Saveasandexit"), &QAction::triggered, this,
            [this] { SaveandexitClick(SaveKind::SaveAs); });
    connect(Action("Cancel1"), &QAction::triggered, this,
            [this] { SaveandexitClick(SaveKind::TryIt); });
    QMenu* moveMenu = bar->addMenu("Move &Board");
    moveMenu->setObjectName("MoveBoard1");
    AddAction(moveMenu, "Movetoleft1", "Move to &left <", Qt::CTRL | Qt::Key_S, -2, false,
              &TQuorin::Movetoleft1Click);
    AddAction(moveMenu, "Movetoright1", "Move to &right >", Qt::CTRL | Qt::Key_D, -2, false,
              &TQuorin::Movetoright1Click);
    AddAction(moveMenu, "Movetotop1", "Move to &top /\\", Qt::CTRL | Qt::Key_E, -2, false,
              &TQuorin::Movetotop1Click);
    AddAction(moveMenu, "Movetobottom1", "Move to &bottom \\/", Qt::CTRL | Qt::Key_X, -2, false,
              &TQuorin::Movetobottom1Click);
    editorMenus_ = {exitMenu->menuAction(), moveMenu->menuAction()};
    for (QAction* a : editorMenus_)
        a->setVisible(false);
    for (QAction* a : moveMenu->actions())
        a->setEnabled(false);
}

void TQuorin::SwapMenus(bool editor) {
    for (QAction* a : mainMenus_)
        a->setVisible(!editor);
    for (QAction* a : editorMenus_)
        a->setVisible(editor);
    for (QAction* a : editorMenus_[1]->menu()->actions())
        a->setEnabled(editor);
    // Ctrl+S, Ctrl+X and the others mean moves while editing: the game's shortcuts rest.
    const QList<QAction*> moves = editorMenus_[1]->menu()->actions();
    if (editor && parkedShortcuts_.empty()) {
        for (auto& [name, action] : actions_)
            if (!action->shortcut().isEmpty() && !moves.contains(action)) {
                parkedShortcuts_.emplace_back(action, action->shortcut());
                action->setShortcut({});
            }
    } else if (!editor) {
        for (auto& [action, shortcut] : parkedShortcuts_)
            action->setShortcut(shortcut);
        parkedShortcuts_.clear();
    }
}

void TQuorin::CreateLayout1Click() {
    EnterEditor(false);
}

void TQuorin::Editlayout1Click() {
    EnterEditor(true);
}

void TQuorin::EnterEditor(bool keepLayout) {
    GameState& s = State();
    if (s.GameMode == ModeEditor)
        return;
    if (s.GameMode == ModePaused)
        PauseClick();
    IM(ModeEditor);
    ghostX_ = ghostY_ = ghostLayer_ = -1;
    ghostRect_ = FullRect;
    StartEditor(s, keepLayout);
    Action("RandomSeed1")->setChecked(false);
    game_.ResetForNewGame();
    newLayout_ = !keepLayout;
    if (!keepLayout)
        s.LayoutName = "New Layout";

    SwapMenus(true);
    tools_->hide();
    edit1_->setText(FromStd(s.LayoutName));
    ShowEditorTilesLeft();
    editorPanel_->setVisible(Action("Toolbar1")->isChecked());
    FitWindow();
    ShowStatus("      ");
    renderer_.ShowFond();
    FullRedraw();
    ShowPanelHOF();
    // The keys work at once, from the middle of the board.
    surface_->setFocus();
    AimEditor(kStartAim);
}

void TQuorin::LeaveEditor() {
    ghostX_ = ghostY_ = ghostLayer_ = -1;
    ghostRect_ = FullRect;
    aimShown_ = false;
    surface_->SetFocusOutline({});
    DescribeBoard({});
    editorPanel_->hide();
    tools_->setVisible(Action("Toolbar1")->isChecked());
    SwapMenus(false);
    FitWindow();
}

void TQuorin::ShowEditorTilesLeft() {
    label40_->setText(QString::number(State().EditorTilesLeft));
}

void TQuorin::EditorButtonDown(Qt::MouseButton button, QPoint at) {
    GameState& s = State();
    const int px = at.x() - s.BoardOriginX;
    const int py = at.y() - s.BoardOriginY;
    if (static_cast<unsigned>(px / 20) > 34u || static_cast<unsigned>(py / 25) > 20u)
        return;
    if (!keyboardPress_)
        FollowPointer(px, py);
    bool changed = false;
    if (button == Qt::LeftButton)
        changed = EditorAdd(s, px, py);
    else if (button == Qt::RightButton)
        changed = EditorRemove(s, px, py);
    if (!changed)
        return;
    // The ghost moves on to the next cell the pointer offers once it moves again.
    FullRedraw();
    ShowEditorTilesLeft();
    EditorMouseMove(px, py);
    ShowAim();
}

void TQuorin::EditorMouseMove(int px, int py) {
    const GameState& s = State();
    // A full layout takes no more presses: no ghost promises one.
    const TilePosition cell =
        s.EditorTilesLeft > 0 ? EditorTarget(s.board, px, py) : TilePosition{};
    auto repaintGhost = [this] {
        if (!ghostRect_.IsFull())
            RedrawRect(ghostRect_);
    };
    if (cell.layer <= 0) {
        if (ghostLayer_ >= 0) {
            ghostX_ = ghostY_ = ghostLayer_ = -1;
            repaintGhost();
            ghostRect_ = FullRect;
        }
        return;
    }
    const int gx = CoordX(cell.x, cell.layer, s.BoardOriginX);
    const int gy = CoordY(cell.y, cell.layer, s.BoardOriginY);
    if (ghostLayer_ >= 0 && gx == ghostRect_.Left + 6 && gy == ghostRect_.Top)
        return;  // still on the same cell
    ghostX_ = ghostY_ = ghostLayer_ = -1;
    repaintGhost();
    ghostX_ = cell.x - 1;
    ghostY_ = cell.y - 1;
    ghostLayer_ = cell.layer - 1;
    ghostRect_ = {gx - 6, gy, gx + 40, gy + 56};
    repaintGhost();
}

bool TQuorin::EditorKey(int key) {
    switch (key) {
        case Qt::Key_Left:
            AimEditor(StepAim(aim_, -1, 0));
            return true;
        case Qt::Key_Right:
            AimEditor(StepAim(aim_, 1, 0));
            return true;
        case Qt::Key_Up:
            AimEditor(StepAim(aim_, 0, -1));
            return true;
        case Qt::Key_Down:
            AimEditor(StepAim(aim_, 0, 1));
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
        case Qt::Key_Delete:
        case Qt::Key_Backspace:
            break;
        default:
            return false;
    }
    if (!aimShown_) {
        // The ghost went with the pointer: the first key only brings it back to the aim.
        AimEditor(aim_);
        return true;
    }
    // As the left and the right button do at the aim.
    const bool add = key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
    const GameState& s = State();
    const BoardPoint at = AimPoint(aim_);
    keyboardPress_ = true;
    EditorButtonDown(add ? Qt::LeftButton : Qt::RightButton,
                     QPoint(at.x + s.BoardOriginX, at.y + s.BoardOriginY));
    keyboardPress_ = false;
    return true;
}

void TQuorin::AimEditor(EditorAim aim) {
    aim_ = aim;
    aimShown_ = true;
    const BoardPoint at = AimPoint(aim_);
    EditorMouseMove(at.x, at.y);
    ShowAim();
}

void TQuorin::FollowPointer(int px, int py) {
    const EditorAim aim = AimAt(px, py);
    if (aim == aim_ && !aimShown_)
        return;
    aim_ = aim;
    aimShown_ = false;
    ShowAim();
}

void TQuorin::ShowAim() {
    const GameState& s = State();
    const BoardPoint corner = AimCorner(aim_);
    surface_->SetFocusOutline(
        aimShown_ ? QRect(corner.x + s.BoardOriginX, corner.y + s.BoardOriginY, 20, 25) : QRect());
    DescribeBoard(FromStd(DescribeAim(s, aim_)));
}

void TQuorin::EditorMove(int dx, int dy) {
    if (State().GameMode != ModeEditor || !MoveLayout(State(), dx, dy))
        return;
    ghostX_ = ghostY_ = ghostLayer_ = -1;
    ghostRect_ = FullRect;
    FullRedraw();
    // The keys keep their ghost; the pointer's comes back once it moves.
    if (aimShown_)
        AimEditor(aim_);
    else
        ShowAim();
}

void TQuorin::Movetoleft1Click() {
    EditorMove(-1, 0);
}
void TQuorin::Movetoright1Click() {
    EditorMove(1, 0);
}
void TQuorin::Movetotop1Click() {
    EditorMove(0, -1);
}
void TQuorin::Movetobottom1Click() {
    EditorMove(0, 1);
}

void TQuorin::SaveandexitClick(SaveKind kind) {
    GameState& s = State();
    if (s.GameMode != ModeEditor)
        return;
    RecountTilesLeft(s);
    ShowEditorTilesLeft();
    if (s.EditorTilesLeft != 0) {
        dialogs_.ShowMessage(this, FromStd(std::string(kUnfinishedLayoutMessage)));
        edit1_->setEnabled(false);
        edit1_->setEnabled(true);
        return;
    }
    s.LayoutName = edit1_->text().toStdString();
    // A new layout has no file of its own yet: "Save" must not write over the file of the
    // layout that was current before, so it asks for a name as "Save as..." does.
    const std::string previousPath = s.LayoutPath;
    if (kind == SaveKind::SaveAs || (kind == SaveKind::Save && newLayout_))
        s.LayoutPath.clear();
    if (kind != SaveKind::TryIt && !SaveLayout()) {
        // Nothing was written: the player keeps the layout on the board to try again.
        s.LayoutPath = previousPath;
        IM(ModeEditor);
        return;
    }
    triedLayout_ = kind == SaveKind::TryIt;
    s.HallPanelDirty = true;
    ShowLayoutMenuEntries();
    LeaveEditor();
    IM(ModeNone);
    BeginGame();
}

bool TQuorin::SaveLayout() {
    GameState& s = State();
    const QString folder = where_.PlayerLayoutFolder();
    std::string path = s.LayoutPath;
    if (path.empty()) {
        const QString chosen = dialogs_.SaveLayoutFile(
            this, "Please choose a name for your layout file", "LAY Layout files (*.lay)", folder);
        if (chosen.isEmpty())
            return false;
        std::string error;
        path = LayoutFileFor(chosen.toStdString(), &error);
        if (path.empty()) {
            dialogs_.ShowError(this, FromStd(error));
            return false;
        }
        // The Layout menu and the chooser list the Layouts folder only.
        const QFileInfo info(FromStd(path));
        if (info.absoluteDir() != QDir(folder)) {
            dialogs_.ShowError(this,
                               where_.IsPortable()
                                   ? "Please save the layout in the Layouts folder beside the "
                                     "program: Quorin lists the layouts it finds there."
                                   : "Please save the layout in your layouts folder, " + folder +
                                         ": Quorin lists the layouts it finds there.");
            return false;
        }
        if (info.exists() && !dialogs_.AskReplace(this, info.fileName()))
            return false;
    } else {
        // A shipped layout of an installed game is read only: the player's copy replaces it.
        path = where_.WritableLayoutFile(FromStd(path)).toStdString();
        if (!path.ends_with(".lay")) {
            // The file of a .shp layout is read only: its edited copy becomes a .lay beside it.
            path = LayoutFileFor(path.ends_with(".shp") ? path.substr(0, path.size() - 4) : path,
                                 nullptr);
        }
    }
    const std::string name = LayoutNameOfFile(path);
    std::vector<std::string> names(layoutNames_.begin() + 1, layoutNames_.end());
    const bool known = std::find(names.begin(), names.end(), name) != names.end();
    if (!known && s.LayoutCount >= FileLocations::kMaxLayouts) {
        dialogs_.ShowError(this, QString("Quorin lists at most %1 layouts: remove one from the "
                                         "Layouts folder before saving another.")
                                     .arg(FileLocations::kMaxLayouts));
        return false;
    }
    if (const std::string reason = WriteLayFile(path, s.LayoutName, s.layout); !reason.empty()) {
        dialogs_.ShowError(this, FromStd("Unable to write to " + path + ": " + reason));
        return false;
    }
    s.LayoutPath = path;
    newLayout_ = false;
    IM(ModeNone);
    const Registration r = RegisterLayout(names, name);
    if (r.added) {
        AddLayoutEntry(name, path);
        hallOfFame_.LoadColumn(r.index, name);
    } else {
        layoutFiles_[static_cast<size_t>(r.index)] = path;
    }
    s.CurrentLayout = loadedLayout_ = r.index;
    ShowLayoutMenuEntries();
    return true;
}

void TQuorin::AddLayoutEntry(const std::string& caption, const std::string& path) {
    GameState& s = State();
    QAction* entry = layoutMenu_->addAction(FromStd(caption));
    entry->setData(-2);
    entry->setCheckable(true);
    connect(entry, &QAction::triggered, this, [this, entry] { LoadlayoutClick(entry); });
    layoutEntries_.push_back(entry);
    layoutNames_.push_back(caption);
    layoutFiles_.push_back(path);
    ++s.LayoutCount;
}

std::string TQuorin::LayoutFileOf(int index) const {
    return layoutFiles_[static_cast<size_t>(index)];
}

void TQuorin::Cancel2Click() {
    GameState& s = State();
    if (s.GameMode != ModeEditor)
        return;
    LeaveEditor();
    if (s.CurrentLayout > s.LayoutCount && s.CurrentLayout < 100)
        s.CurrentLayout = s.LayoutCount;
    if (s.CurrentLayout < 1 || s.CurrentLayout > s.LayoutCount)
        s.CurrentLayout = loadedLayout_;
    std::string path = LayoutFileOf(s.CurrentLayout);
    if (!QFileInfo(FromStd(path)).isFile()) {
        s.CurrentLayout = 1;
        path = LayoutFileOf(1);
    }
    game_.Choose(ModeSolitaire);
    IM(ModeSolitaire);
    if (!RunLayout(path)) {
        ShowLayoutMenuEntries();
        IM(ModeIdle);
        return;
    }
    s.LayoutPath = path;
    loadedLayout_ = s.CurrentLayout;
    ShowLayoutMenuEntries();
    BeginGameAfterLoad();
}

}  // namespace quorin
