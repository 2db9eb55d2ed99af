// Drawing the board and the side panel, the pointer, and the tileset and background menus.
#include <QFileInfo>
#include <QFont>
#include <QPainter>
#include <QThread>

#include "board/FreeRule.h"
#include "board/Placement.h"
#include "halloffame/PanelPicture.h"
#include "halloffame/ScorePanels.h"
#include "mainwindow/BoardSurface.h"
#include "mainwindow/FinerResources.h"
#include "mainwindow/ImageBox.h"
#include "mainwindow/TQuorin.h"
#include "render/Pictures.h"

namespace quorin {

namespace {

// Pure key-colour pixels become transparent.
QImage Keyed(const QImage& source, QRgb key) {
    QImage image = source.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if ((line[x] & 0xffffff) == (key & 0xffffff))
                line[x] = 0;
    }
    return image;
}

QImage Resource(const QString& name) {
    QImage image(":/bitmaps/" + name);
    return image.isNull() ? image : image.convertToFormat(QImage::Format_RGB32);
}

QColor FromColorRef(uint32_t c) {
    return QColor(c & 0xff, (c >> 8) & 0xff, (c >> 16) & 0xff);
}
uint32_t ToColorRef(QColor c) {
    return static_cast<uint32_t>(c.red()) | static_cast<uint32_t>(c.green()) << 8 |
           static_cast<uint32_t>(c.blue()) << 16;
}

// Text placed by its top-left corner, as the panel's layout is measured.
void TextOut(QPainter& p, int x, int y, const QString& text) {
    p.drawText(x, y + p.fontMetrics().ascent(), text);
}

}  // namespace

void TQuorin::LoadResourcePictures() {
    std::array<QImage, 5> vertical;  // V1..V5
    for (int i = 0; i < 5; ++i)
        vertical[i] = Resource(QString::number(9 + i) + ".bmp");
    renderer_.SetShadowPieces(Resource("3.bmp"), vertical);
    filled_ = Resource("filled.bmp");
    renderer_.SetFilled(filled_);
    toolBitmap_ = Resource("toolbitmap.bmp");
    PreparePanelPictures(hofBox_->devicePixelRatioF());
}

void TQuorin::PreparePanelPictures(double ratio) {
    auto finest = [ratio](const QString& name) {
        return FinestResource(":/bitmaps/" + name, ratio);
    };
    hofPic_ = AtRatio(finest("1.bmp").convertToFormat(QImage::Format_RGB32), ratio);
    if (hofPic_.isNull()) {
        hofPic_ = QImage(QSize(92, 472) * ratio, QImage::Format_RGB32);
        hofPic_.setDevicePixelRatio(ratio);
        hofPic_.fill(QColor(24, 20, 48));
    }
    saveHof_ = hofPic_.copy();

    // Each girl is keyed and laid together at the size of its files, then brought to the
    // panel's ratio, so that no key green is blended into her outline.
    const QRgb key = qRgb(132, 255, 132);
    for (int c = 0; c < 4; ++c) {
        const int b = 14 + 3 * c;
        const QImage base = Keyed(finest(QString::number(b) + ".bmp"), key);
        for (int k = 0; k < 3; ++k) {
            QImage picture = base.copy();
            if (base.isNull()) {
                picture = QImage(QSize(92, 166) * ratio, QImage::Format_ARGB32);
                picture.setDevicePixelRatio(ratio);
                picture.fill(Qt::transparent);
            }
            if (k > 0) {
                QPainter p(&picture);
                p.drawImage(QPointF(0, 0), Keyed(finest(QString::number(b + k) + ".bmp"), key));
            }
            girls_[3 * c + k] = AtRatio(picture, ratio);
        }
    }
}

void TQuorin::RestorePanel(QPainter& p, const QRect& area) const {
    const double r = hofPic_.devicePixelRatio();
    p.drawImage(QRectF(area), hofPic_,
                QRectF(area.x() * r, area.y() * r, area.width() * r, area.height() * r));
}

DrawOptions TQuorin::CurrentDrawOptions() const {
    DrawOptions o;
    o.Shadows = Action("Shadows")->isChecked();
    o.Invert = Action("Invert")->isChecked();
    o.HighlightMode = highlightMode_;
    o.Pen = pen_;
    o.GhostX = ghostX_;
    o.GhostY = ghostY_;
    o.GhostLayer = ghostLayer_;
    o.RiverFound = State().RiverFound;
    return o;
}

void TQuorin::Redraw() {
    GameState& s = State();
    if (s.HallPanelDirty)
        ShowPanelHOF();
    if (s.TilesLeft == 0 && s.GameMode != ModeEditor && s.ElapsedSeconds > 0)
        s.GameFinished = true;
    if (s.GameFinished) {
        GameOver();
        return;
    }
    if (s.GameMode == ModePaused) {
        // A paused game stays hidden under the background and keeps its tiles and clock:
        // a new tileset, background or window size shows once the game continues.
        ShowFond();
        return;
    }
    if (!dealing_ && (s.GameMode == ModeGameOver || s.GameMode == ModeIdle)) {
        // Between games only the background shows behind the welcome panel.
        ShowFond();
        return;
    }
    DrawOptions options = CurrentDrawOptions();
    options.Dimmed = BlockedTiles();
    // A tile under the pointer that is blocked now, by a move taken back or as the option
    // is switched on, loses its highlight: the pointer would give it none.
    if (s.HoverTile != 0 && options.Dimmed.test(s.HoverTile)) {
        s.HoverTile = 0;
        hoverCandidate_ = prevHoverCandidate_ = 0;
    }
    TileRect dirty = dirtyRect_;
    // A pair taken away or put back frees or blocks its neighbours: their faces are drawn
    // again with it. A deal or a shuffle ends with the whole board.
    if (!dealing_ && !dirty.IsFull()) {
        const std::bitset<kTileCount + 1> changedLook = options.Dimmed ^ drawnDimmed_;
        for (int t = 1; t <= kTileCount; ++t)
            if (changedLook.test(static_cast<size_t>(t)))
                dirty = United(dirty, BoardRenderer::HLRedrawTileRect(s, t));
    }
    const QRect changed = renderer_.Paint(s, options, dirty);
    drawnDimmed_ = options.Dimmed;
    surface_->UpdateImageRect(changed);
}

std::bitset<kTileCount + 1> TQuorin::BlockedTiles() {
    std::bitset<kTileCount + 1> blocked;
    const GameRules* rules = game_.Active();
    if (!rules || !Action("OnlyPossibleMoves")->isChecked())
        return blocked;
    // The game's own rule says what may be taken: in Rivers and Memory every tile, in
    // Clicks every group (its pieces are drawn without tile looks).
    const BoardTables& board = State().board;
    for (int t = 1; t <= kTileCount; ++t) {
        const TilePosition p = board.TilePos[t];
        if (p.OnBoard() && board.Cell(p.x, p.y, p.layer) == t && !rules->IsFree(t))
            blocked.set(static_cast<size_t>(t));
    }
    return blocked;
}

void TQuorin::RedrawRect(TileRect dirty) {
    dirtyRect_ = dirty;
    Redraw();
    dirtyRect_ = FullRect;
}

void TQuorin::FullRedraw() {
    RedrawRect(FullRect);
}

void TQuorin::RedrawTile(int tile) {
    RedrawRect(renderer_.RedrawTileRect(State(), tile, Action("Shadows")->isChecked()));
}

void TQuorin::HLRedrawTile(int tile) {
    RedrawRect(renderer_.HLRedrawTileRect(State(), tile));
}

void TQuorin::ShowFond() {
    renderer_.ShowFond();
    surface_->update();
}

void TQuorin::RepaintNow() {
    surface_->repaint();
    // Frames of a deal or a shuffle follow each other slowly enough to be seen.
    if (dealing_)
        QThread::msleep(4);
}

void TQuorin::PlaySound(Sound sound) {
    switch (sound) {
        case Sound::Select:
            PlayWave("select");
            break;
        case Sound::NoWay:
            PlayWave("noway");
            break;
        case Sound::Done:
            PlayWave("done");
            break;
    }
}

void TQuorin::ShowPanelHOF() {
    if (!Action("ShowHallFame")->isChecked())
        return;
    GameState& s = State();
    const bool girls = Action("ShowGirls")->isChecked();
    const bool preview = Action("ShowCurrentTile")->isChecked();
    int off;
    if (girls && s.GameMode != ModeTwoPlayers &&
        (!preview || s.GameMode == ModeMemory || s.GameMode == ModeClicks))
        off = 90;
    else if (s.GameMode == ModeTwoPlayers)
        off = 20;
    else if (preview)
        off = 10;
    else
        off = -20;

    QPainter p(&saveHof_);
    p.drawImage(QPointF(0, 0), hofPic_);
    if (off == 90) {
        game_.CountFree();
        p.drawImage(QRectF(0, 302, 92, 166), girls_[PanelPicture(s)]);
    } else {
        QFont title("Comic Sans MS", 10, QFont::Bold);
        p.setFont(title);
        p.setPen(QColor(255, 255, 0));
        TextOut(p, 21, 50 - off, "HALL OF");
        TextOut(p, 31, 70 - off, "FAME");
    }
    // A tried layout has no ranks to show: its games enter no column.
    const int ranks = PlayingTriedLayout() ? 0 : HallTable::kRanks;
    for (int i = 1; i <= ranks; ++i) {
        const std::string& entry = hallOfFame_.Table().Entry(i, s.CurrentLayout);
        QFont font("Verdana", 9, QFont::Bold);
        font.setItalic(hallOfFame_.IsNewEntry(i, s.CurrentLayout));
        p.setFont(font);
        p.setPen(Qt::white);
        TextOut(p, 15, 27 * i - off + 81, QString::fromStdString(HallTable::Name(entry)));
        p.setPen(QColor(0, 255, 255));
        const int total = HallTable::Total(entry);
        const QString value = HallTable::IsClicksColumn(s.CurrentLayout)
                                  ? "    " + QString::number(total)
                                  : QString::fromStdString(FormatGameTime(total));
        TextOut(p, 39, 27 * i - off + 94, value);
    }
    p.end();
    RedrawHOF();
}

void TQuorin::RedrawHOF() {
    hofBox_->update();
}

void TQuorin::ShowTilePreview(int tile) {
    const GameState& s = State();
    const TilePosition pos = s.board.TilePos[tile];
    const QRect area(24, 390, 46, 56);
    QPainter p(&saveHof_);
    const bool covered = pos.layer < kLayers && s.board.Cell(pos.x, pos.y, pos.layer + 1) != 0;
    const double ratio = saveHof_.devicePixelRatio();
    if (covered) {
        RestorePanel(p, area);
    } else if (ratio == 1) {
        const QPoint slot = Tileset::SpriteSlot(TileFace(tile));
        p.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
        p.drawImage(area.topLeft(), tileset_.TilesetSource(), QRect(138, 256, 46, 56));
        p.setCompositionMode(QPainter::RasterOp_SourceOrDestination);
        p.drawImage(area.topLeft(), tileset_.TileSprites(), QRect(slot, QSize(46, 56)));
    } else {
        // The tile made from the finest tileset picture for the panel's pixels, its edges
        // blended over the panel.
        previewTiles_.Prepare(tileset_, ratio);
        RestorePanel(p, area);
        p.drawImage(QRectF(area), previewTiles_.Sprite(TileFace(tile)));
    }
    p.end();
    RedrawHOF();
}

void TQuorin::ClearTilePreview() {
    const QRect area(24, 390, 46, 56);
    QPainter p(&saveHof_);
    RestorePanel(p, area);
    p.end();
    RedrawHOF();
}

void TQuorin::FormMouseMove(QPoint at) {
    GameState& s = State();
    const uint8_t mode = s.GameMode;
    if (highlightMode_ == 0 && mode != ModeEditor)
        return;
    if (mode == ModeNone || mode == ModeClicks || mode >= ModeGameOver)
        return;
    const int px = at.x() - s.BoardOriginX;
    const int py = at.y() - s.BoardOriginY;
    const int col = px / 20;
    const int row = py / 25;
    if (mode == ModeEditor) {
        if (static_cast<unsigned>(col) <= 34u && static_cast<unsigned>(row) <= 20u) {
            EditorMouseMove(px, py);
            FollowPointer(px, py);
        }
        return;
    }
    prevHoverCandidate_ = hoverCandidate_;
    if (static_cast<unsigned>(col) > 34u || static_cast<unsigned>(row) > 20u)
        return;

    const int t = WhatTileThere(s.board, px, py);
    const GameRules* rules = game_.Active();
    const bool accepted =
        t > 0 && (!Action("OnlyPossibleMoves")->isChecked() || (rules && rules->IsFree(t)));
    const bool preview = Action("ShowCurrentTile")->isChecked() && mode != ModeTwoPlayers &&
                         mode != ModeMemory && Action("ShowHallFame")->isChecked();
    if (accepted) {
        hoverCandidate_ = t;
        if (preview)
            ShowTilePreview(t);
        if (prevHoverCandidate_ == hoverCandidate_)
            return;
        if (prevHoverCandidate_ != 0) {
            const int h = s.HoverTile;
            s.HoverTile = 0;
            HLRedrawTile(h);
        }
        s.HoverTile = static_cast<uint8_t>(hoverCandidate_);
        HLRedrawTile(s.HoverTile);
    } else {
        if (preview)
            ClearTilePreview();
        if (s.HoverTile != 0) {
            const int h = s.HoverTile;
            s.HoverTile = 0;
            HLRedrawTile(h);
        }
        hoverCandidate_ = prevHoverCandidate_ = 0;
    }
}

// --- Tilesets ---

bool TQuorin::LoadTilesetFile(const QString& path) {
    QString error;
    if (!tileset_.Load(path, &error)) {
        dialogs_.ShowError(this, error);
        return false;
    }
    if (State().GameMode != ModeNone)
        FullRedraw();
    return true;
}

void TQuorin::SelectTileset(QAction* item, const char* file) {
    CheckOnly(tilesetItems_, item);
    if (LoadTileset(where_.DataFile(file))) {
        currentTileset_ = item;
        keptTilesetChoice_ = nullptr;
    }
    CheckOnly(tilesetItems_, currentTileset_);
}

bool TQuorin::LoadTileset(const QString& path) {
    if (QFileInfo(path).isFile())
        return LoadTilesetFile(path);
    // A missing picture: let the player find one.
    lastTilesetFile_.clear();
    Load1Click();
    return false;
}

QString TQuorin::PictureFromDisk(QString& remembered, bool ask, const QString& title,
                                 const QString& filter, const QString& folder) {
    for (;;) {
        QString candidate = remembered;
        if (ask || candidate.isEmpty()) {
            candidate = dialogs_.OpenPicture(this, title, filter, folder);
            if (candidate.isEmpty())
                return {};  // cancelled: the picture in use stays
        }
        if (QFileInfo(candidate).isFile())
            return candidate;
        remembered.clear();
        ask = true;
    }
}

void TQuorin::Load1Click() {
    QAction* item = Action("Load1");
    const QString file = PictureFromDisk(lastTilesetFile_, currentTileset_ == item,
                                         "Please choose a Tileset bitmap file",
                                         "Tileset files (*.bmp)", where_.DataFile("Tilesets/"));
    if (!file.isEmpty() && LoadTilesetFile(file)) {
        lastTilesetFile_ = file;
        currentTileset_ = item;
        keptTilesetChoice_ = nullptr;
    }
    CheckOnly(tilesetItems_, currentTileset_);
}

// --- Backgrounds ---

bool TQuorin::LoadBackgroundFile(const QString& path) {
    QImage picture;
    QString error;
    if (!LoadPicture(path, picture, error)) {
        dialogs_.ShowError(this, error);
        return false;
    }
    renderer_.SetBackgroundPicture(picture);
    if (State().GameMode != ModeNone)
        FullRedraw();
    return true;
}

void TQuorin::SelectBackground(QAction* item, const char* file) {
    CheckOnly(backgroundItems_, item);
    if (NouveauFond(where_.DataFile(file)))
        currentBackground_ = item;
    CheckOnly(backgroundItems_, currentBackground_);
}

bool TQuorin::NouveauFond(const QString& path) {
    if (QFileInfo(path).isFile())
        return LoadBackgroundFile(path);
    lastBackgroundFile_.clear();
    LoadBackgroundClick();
    return false;
}

void TQuorin::LoadBackgroundClick() {
    QAction* item = Action("LoadBackground");
    const QString file = PictureFromDisk(
        lastBackgroundFile_, currentBackground_ == item, "Please choose a Background bitmap file",
        "Background files (*.bmp *.jpg)", where_.DataFile("Backgrounds/"));
    if (!file.isEmpty() && LoadBackgroundFile(file)) {
        lastBackgroundFile_ = file;
        currentBackground_ = item;
    }
    CheckOnly(backgroundItems_, currentBackground_);
}

void TQuorin::None1Click() {
    QAction* item = Action("None1");
    if (State().GameMode != ModeNone) {
        if (const auto chosen = dialogs_.ChooseColor(this, FromColorRef(backgroundColor_)))
            backgroundColor_ = ToColorRef(*chosen);
    }
    renderer_.SetBackgroundColor(FromColorRef(backgroundColor_));
    currentBackground_ = item;
    CheckOnly(backgroundItems_, item);
    if (State().GameMode != ModeNone)
        FullRedraw();
}

void TQuorin::ActiveTilesetBackground() {
    auto checked = [this](const char* name) { return Action(name)->isChecked(); };

    if (checked("LoadBackground") && !lastBackgroundFile_.isEmpty() &&
        LoadBackgroundFile(lastBackgroundFile_)) {
        currentBackground_ = Action("LoadBackground");
    } else {
        // Without a remembered picture no dialog opens at start-up: the plain colour serves.
        static const std::pair<const char*, const char*> builtIn[] = {
            {"Kanji1", "Backgrounds/kanji.bmp"},
            {"Dragons1", "Backgrounds/dragons.bmp"},
            {"Andromeda", "Backgrounds/andromeda.jpg"},
            {"Catpats", "Backgrounds/catpats.jpg"}};
        bool done = false;
        for (const auto& [name, file] : builtIn) {
            if (!checked(name))
                continue;
            SelectBackground(Action(name), file);
            done = true;
            break;
        }
        if (!done)
            None1Click();
    }
    CheckOnly(backgroundItems_, currentBackground_);

    // In the order of the menu: the first of them that loads replaces a damaged one.
    static const std::pair<const char*, const char*> shipped[] = {
        {"MahJongg1", "Tilesets/pai.bmp"},
        {"MahJongg2", "Tilesets/darkpai.bmp"},
        {"MahJongg3", "Tilesets/bluepai.bmp"},
        {"Lowcolor1", "Tilesets/pai256.bmp"}};
    currentTileset_ = nullptr;
    QAction* stored = nullptr;
    if (checked("Load1") && !lastTilesetFile_.isEmpty()) {
        stored = Action("Load1");
        if (LoadTilesetFile(lastTilesetFile_))
            currentTileset_ = stored;
    } else {
        const char* file = "Tilesets/darkpai.bmp";
        stored = Action("MahJongg2");
        for (const auto& [name, shippedFile] : shipped) {
            if (checked(name)) {
                stored = Action(name);
                file = shippedFile;
                break;
            }
        }
        SelectTileset(stored, file);
    }
    if (currentTileset_ == nullptr) {
        // The player has been told what is wrong with the chosen tileset; rather than black
        // tiles, show a shipped one, and keep the choice for the next start in case the
        // file comes back.
        for (const auto& [name, file] : shipped) {
            if (Action(name) != stored && tileset_.Load(where_.DataFile(file), nullptr)) {
                currentTileset_ = Action(name);
                break;
            }
        }
        keptTilesetChoice_ = stored;
    }
    CheckOnly(tilesetItems_, currentTileset_);
}

}  // namespace quorin
