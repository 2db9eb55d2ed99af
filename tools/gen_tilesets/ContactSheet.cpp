#include "ContactSheet.h"

#include <QPainter>

#include "Ink.h"
#include "TilesetLayout.h"

namespace tilesets {

namespace {

const QColor kBoardTeal(0, 128, 128);  // the game's default plain background
const int kScale = 2;
const int kMargin = 12;
const int kGap = 18;
const int kTitleBand = 22;
const int kColumns = 9;
const int kRows = 5;
const int kGridWidth = kEdge + kColumns * kFaceWidth;
const int kGridHeight = kRows * kFaceHeight + kEdge;

enum class Look { Plain, Selected, Hinted };

// Faces in the order a player reads a set: the three suits, then winds and dragons, then
// flowers and seasons. 0 is the face-down tile.
const int kSheetOrder[kRows][kColumns] = {
    {1, 2, 3, 4, 5, 6, 7, 8, 9},          {10, 11, 12, 13, 14, 15, 16, 17, 18},
    {19, 20, 21, 22, 23, 24, 25, 26, 27}, {39, 40, 41, 42, 36, 37, 38, 0, -1},
    {28, 29, 30, 31, 32, 33, 34, 35, -1},
};

void Blit(QPainter& p, QPoint at, const QImage& src, const QRect& from,
          QPainter::CompositionMode mode) {
    p.setCompositionMode(mode);
    p.drawImage(at, src, from);
}

const auto kCopy = QPainter::CompositionMode_Source;
const auto kAnd = QPainter::RasterOp_SourceAndDestination;
const auto kOr = QPainter::RasterOp_SourceOrDestination;

QRect FaceRect(QPoint at) {
    return QRect(at, QSize(kFaceWidth, kFaceHeight));
}

// Draws one tile with its face anchor at `face` the way the board does: the tile mask by
// AND, the composed sprite by OR, then for a selected or hinted tile the tint under the
// face symbols.
void DrawTile(QPainter& p, const QImage& picture, QPoint anchor, int face, Look look) {
    const QPoint spriteAt = anchor - QPoint(kEdge, 0);
    Blit(p, spriteAt, picture, QRect(kTileMaskPos, QSize(kTileWidth, kTileHeight)), kAnd);
    if (face == 0) {
        Blit(p, spriteAt, picture, QRect(kBlankTilePos, QSize(kTileWidth, kTileHeight)), kOr);
        return;
    }
    Blit(p, spriteAt, ComposeSprite(picture, face), QRect(0, 0, kTileWidth, kTileHeight), kOr);
    if (look == Look::Plain)
        return;
    const QPoint tint = look == Look::Selected ? kSelectTintPos : kHintTintPos;
    Blit(p, anchor, picture, FaceRect(tint), kCopy);
    Blit(p, anchor, picture, FaceRect(FaceMaskPos(face)), kAnd);
    Blit(p, anchor, picture, FaceRect(FaceCellPos(face)), kOr);
}

void DrawGrid(QPainter& p, const QImage& picture, QPoint origin, Look look) {
    // Columns right to left and rows top to bottom, as the board is drawn, so each tile
    // covers the edges of its right and upper neighbours.
    for (int col = kColumns - 1; col >= 0; --col) {
        for (int row = 0; row < kRows; ++row) {
            const int face = kSheetOrder[row][col];
            if (face < 0 || (face == 0 && look != Look::Plain))
                continue;
            const QPoint anchor = origin + QPoint(kEdge + col * kFaceWidth, row * kFaceHeight);
            DrawTile(p, picture, anchor, face, look);
        }
    }
}

}  // namespace

QImage ComposeSprite(const QImage& picture, int face) {
    QImage sprite(kTileWidth, kTileHeight, QImage::Format_RGB32);
    QPainter p(&sprite);
    Blit(p, QPoint(0, 0), picture, QRect(kBlankTilePos, QSize(kTileWidth, kTileHeight)), kCopy);
    Blit(p, QPoint(kEdge, 0), picture, FaceRect(FaceMaskPos(face)), kAnd);
    Blit(p, QPoint(kEdge, 0), picture, FaceRect(FaceCellPos(face)), kOr);
    return sprite;
}

QImage RenderContactSheet(const std::vector<NamedTileset>& tilesets) {
    const int blockHeight = kTitleBand + kGridHeight + kMargin;
    const int width = 2 * kMargin + 3 * kGridWidth + 2 * kGap;
    const int height = kMargin + static_cast<int>(tilesets.size()) * blockHeight;
    QImage sheet(width, height, QImage::Format_RGB32);
    sheet.fill(kBoardTeal);
    {
        QPainter p(&sheet);
        for (size_t i = 0; i < tilesets.size(); ++i) {
            const QImage picture = tilesets[i].picture.convertToFormat(QImage::Format_RGB32);
            const int top = kMargin + static_cast<int>(i) * blockHeight + kTitleBand;
            int left = kMargin;
            for (Look look : {Look::Plain, Look::Selected, Look::Hinted}) {
                DrawGrid(p, picture, QPoint(left, top), look);
                left += kGridWidth + kGap;
            }
        }
    }
    QImage big = sheet.scaled(sheet.size() * kScale, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    // Captions go on after the enlargement so they stay sharp.
    QPainter p(&big);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setPen(Qt::white);
    for (size_t i = 0; i < tilesets.size(); ++i) {
        const int top = kMargin + static_cast<int>(i) * blockHeight;
        const QString captions[] = {tilesets[i].title, "selected", "hinted"};
        for (int g = 0; g < 3; ++g) {
            p.setFont(FaceFont(g == 0 ? 26 : 22, g == 0));
            const int left = kMargin + g * (kGridWidth + kGap);
            p.drawText(QRect(left * kScale, top * kScale, kGridWidth * kScale, kTitleBand * kScale),
                       Qt::AlignLeft | Qt::AlignVCenter, captions[g]);
        }
    }
    return big;
}

}  // namespace tilesets
