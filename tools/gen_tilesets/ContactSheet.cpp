#include "ContactSheet.h"

#include <QPainter>

#include "Ink.h"
#include "TilesetLayout.h"

namespace tilesets {

namespace {

const QColor kBoardTeal(0, 128, 128);  // the game's default plain background
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

// A region of the 1x layout in a picture k times larger.
QRect Scaled(QPoint at, int w, int h, int k) {
    return QRect(at * k, QSize(w, h) * k);
}
QRect FaceRect(QPoint at, int k) {
    return Scaled(at, kFaceWidth, kFaceHeight, k);
}
QRect TileRect(QPoint at, int k) {
    return Scaled(at, kTileWidth, kTileHeight, k);
}

// Draws one tile with its face anchor at `face` the way the board does: the tile mask by
// AND, the composed sprite by OR, then for a selected or hinted tile the tint under the
// face symbols. anchor is in 1x units, picture k times larger than 1x.
void DrawTile(QPainter& p, const QImage& picture, int k, QPoint anchor, int face, Look look) {
    const QPoint spriteAt = (anchor - QPoint(kEdge, 0)) * k;
    Blit(p, spriteAt, picture, TileRect(kTileMaskPos, k), kAnd);
    if (face == 0) {
        Blit(p, spriteAt, picture, TileRect(kBlankTilePos, k), kOr);
        return;
    }
    Blit(p, spriteAt, ComposeSprite(picture, face, k), TileRect(QPoint(0, 0), k), kOr);
    if (look == Look::Plain)
        return;
    const QPoint tint = look == Look::Selected ? kSelectTintPos : kHintTintPos;
    Blit(p, anchor * k, picture, FaceRect(tint, k), kCopy);
    Blit(p, anchor * k, picture, FaceRect(FaceMaskPos(face), k), kAnd);
    Blit(p, anchor * k, picture, FaceRect(FaceCellPos(face), k), kOr);
}

void DrawGrid(QPainter& p, const QImage& picture, int k, QPoint origin, Look look) {
    // Columns right to left and rows top to bottom, as the board is drawn, so each tile
    // covers the edges of its right and upper neighbours.
    for (int col = kColumns - 1; col >= 0; --col) {
        for (int row = 0; row < kRows; ++row) {
            const int face = kSheetOrder[row][col];
            if (face < 0 || (face == 0 && look != Look::Plain))
                continue;
            const QPoint anchor = origin + QPoint(kEdge + col * kFaceWidth, row * kFaceHeight);
            DrawTile(p, picture, k, anchor, face, look);
        }
    }
}

}  // namespace

QImage ComposeSprite(const QImage& picture, int face, int k) {
    QImage sprite(QSize(kTileWidth, kTileHeight) * k, QImage::Format_RGB32);
    QPainter p(&sprite);
    Blit(p, QPoint(0, 0), picture, TileRect(kBlankTilePos, k), kCopy);
    Blit(p, QPoint(kEdge * k, 0), picture, FaceRect(FaceMaskPos(face), k), kAnd);
    Blit(p, QPoint(kEdge * k, 0), picture, FaceRect(FaceCellPos(face), k), kOr);
    return sprite;
}

QImage RenderContactSheet(const std::vector<NamedTileset>& tilesets, int k) {
    const int blockHeight = kTitleBand + kGridHeight + kMargin;
    const int width = 2 * kMargin + 3 * kGridWidth + 2 * kGap;
    const int height = kMargin + static_cast<int>(tilesets.size()) * blockHeight;
    QImage sheet(QSize(width, height) * k, QImage::Format_RGB32);
    sheet.fill(kBoardTeal);
    {
        QPainter p(&sheet);
        for (size_t i = 0; i < tilesets.size(); ++i) {
            const QImage picture = tilesets[i].picture.convertToFormat(QImage::Format_RGB32);
            const int top = kMargin + static_cast<int>(i) * blockHeight + kTitleBand;
            int left = kMargin;
            for (Look look : {Look::Plain, Look::Selected, Look::Hinted}) {
                DrawGrid(p, picture, k, QPoint(left, top), look);
                left += kGridWidth + kGap;
            }
        }
    }
    // A 1x sheet is enlarged twice, so it can be looked at closely; the others are not.
    const int enlarge = k == 1 ? 2 : 1;
    const int scale = k * enlarge;
    QImage big =
        sheet.scaled(sheet.size() * enlarge, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    // Captions go on after the enlargement so they stay sharp.
    QPainter p(&big);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setPen(Qt::white);
    for (size_t i = 0; i < tilesets.size(); ++i) {
        const int top = kMargin + static_cast<int>(i) * blockHeight;
        const QString captions[] = {tilesets[i].title, "selected", "hinted"};
        for (int g = 0; g < 3; ++g) {
            p.setFont(FaceFont((g == 0 ? 13 : 11) * scale, g == 0));
            const int left = kMargin + g * (kGridWidth + kGap);
            p.drawText(QRect(left * scale, top * scale, kGridWidth * scale, kTitleBand * scale),
                       Qt::AlignLeft | Qt::AlignVCenter, captions[g]);
        }
    }
    return big;
}

}  // namespace tilesets
