// A sheet of every tile of every tileset, composed the way the game composes them, for
// checking the pictures by eye.
#pragma once

#include <QImage>
#include <QString>
#include <vector>

namespace tilesets {

struct NamedTileset {
    QString title;
    QImage picture;  // a tileset picture as read from its file, k times the 1x size
};

// One block per tileset: the plain tiles laid out as on a board, then the same faces
// selected and hinted, on the game's default teal. Pictures k times the 1x size give a
// sheet k times larger; a 1x sheet is enlarged twice.
QImage RenderContactSheet(const std::vector<NamedTileset>& tilesets, int k);

// The tile of face 1..42 as the game composes it: blank tile AND face mask OR face cell.
QImage ComposeSprite(const QImage& picture, int face, int k);

}  // namespace tilesets
