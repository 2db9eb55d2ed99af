// The pictures gen_pictures draws, grouped by where they end up in the game.
#pragma once

#include <QImage>
#include <QString>

#include <vector>

namespace pictures {

struct Picture {
    enum class Format { Bmp, Jpeg, Png };
    QString path;  // relative to the repository root
    QImage image;
    Format format;
};

std::vector<Picture> Backgrounds();  // data/Backgrounds/*, data/orange.jpg
std::vector<Picture> Panel();        // side panel, small tile, splash, Filled, toolbar wallpaper
std::vector<Picture> Pieces();       // shadow pieces and Clicks pieces
std::vector<Picture> Girls();        // the four girls and their moods
std::vector<Picture> Glyphs();       // toolbar and menu glyphs, the cursor

// Lays out the committed files under `root`; empty image and `error` set when one is missing.
QImage ContactSheet(const QString& root, QString* error);

}  // namespace pictures
