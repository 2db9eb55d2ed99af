// The index in the top-left corner of every face: 1..9 on the suits, 1..4 on flowers and
// seasons, the letter of a wind or a dragon, so a player who reads no Chinese can name
// every tile.
#include <QPainter>
#include <cstring>

#include "Faces.h"
#include "Ink.h"
#include "TilesetLayout.h"

namespace tilesets {

namespace {

// A hand-made pixel font for 1x, where the faces are 40 x 50 and no outline font stays
// crisp at six pixels: '#' is ink, one pixel per character.
struct PixelGlyph {
    char c;
    const char* rows[kIndexHeight];
};

const PixelGlyph kGlyphs[] = {
    {'1', {".#..", "##..", ".#..", ".#..", ".#..", "###."}},
    {'2', {".##.", "#..#", "...#", "..#.", ".#..", "####"}},
    {'3', {"###.", "...#", ".##.", "...#", "...#", "###."}},
    {'4', {"..#.", ".##.", "#.#.", "####", "..#.", "..#."}},
    {'5', {"####", "#...", "###.", "...#", "...#", "###."}},
    {'6', {".##.", "#...", "###.", "#..#", "#..#", ".##."}},
    {'7', {"####", "...#", "..#.", "..#.", ".#..", ".#.."}},
    {'8', {".##.", "#..#", ".##.", "#..#", "#..#", ".##."}},
    {'9', {".##.", "#..#", "#..#", ".###", "...#", ".##."}},
    {'E', {"####", "#...", "###.", "#...", "#...", "####"}},
    {'S', {".###", "#...", ".##.", "...#", "...#", "###."}},
    {'W', {"#...#", "#...#", "#.#.#", "#.#.#", "#.#.#", ".#.#."}},
    {'N', {"#...#", "##..#", "#.#.#", "#..##", "#...#", "#...#"}},
    {'R', {"###.", "#..#", "#..#", "###.", "#.#.", "#..#"}},
    {'G', {".##.", "#..#", "#...", "#.##", "#..#", ".###"}},
};

const PixelGlyph& GlyphOf(char c) {
    for (const PixelGlyph& g : kGlyphs) {
        if (g.c == c)
            return g;
    }
    return kGlyphs[0];  // every index character is in the table
}

}  // namespace

FaceIndex IndexOf(int face) {
    static const char kWinds[] = "ESWN";
    static const char kDragons[] = "RGW";
    const QColor dragonInks[] = {ink::kRed, ink::kGreen, ink::kBlue};
    if (face < kFirstBamboo)
        return {char('1' + face - kFirstCrak), ink::kDarkRed};
    if (face < kFirstDot)
        return {char('1' + face - kFirstBamboo), ink::kDarkGreen};
    if (face < kFirstFlower)
        return {char('1' + face - kFirstDot), ink::kDarkBlue};
    if (face < kFirstSeason)
        return {char('1' + face - kFirstFlower), ink::kRed};
    if (face < kFirstDragon)
        return {char('1' + face - kFirstSeason), ink::kBlue};
    if (face < kFirstWind)
        return {kDragons[face - kFirstDragon], dragonInks[face - kFirstDragon]};
    return {kWinds[face - kFirstWind], ink::kRed};
}

int IndexWidth(char c) {
    return static_cast<int>(std::strlen(GlyphOf(c).rows[0]));
}

QRect IndexCorner(char c) {
    // The glyph and one pixel of ivory to its right and below it; the rim lies above and left.
    return QRect(0, 0, kIndexPos.x() + IndexWidth(c) + 1, kIndexPos.y() + kIndexHeight + 1);
}

void DrawIndex(QPainter& p, const FaceIndex& index) {
    const PixelGlyph& glyph = GlyphOf(index.c);
    const int width = IndexWidth(index.c);
    if (DeviceScale(p) < 1.5) {
        p.save();
        p.setPen(Qt::NoPen);
        for (int row = 0; row < kIndexHeight; ++row) {
            for (int col = 0; col < width; ++col) {
                if (glyph.rows[row][col] == '#')
                    p.fillRect(QRect(kIndexPos + QPoint(col, row), QSize(1, 1)), index.colour);
            }
        }
        p.restore();
        return;
    }
    // Larger, the face font's own glyph takes the place of the pixel one, as tall and centred
    // on it, a little emboldened to match the weight of the 1x strokes.
    const QRectF box(kIndexPos.x() - 1, kIndexPos.y(), width + 2, kIndexHeight);
    DrawOutlineFitted(p, QString(QChar(index.c)), box, 0.35, index.colour);
}

}  // namespace tilesets
