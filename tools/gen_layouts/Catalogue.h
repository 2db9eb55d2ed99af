// The layouts the game ships with, each described where a reader can see its shape.
#pragma once

#include <string>
#include <vector>

#include "board/BoardTables.h"

namespace layouts {

struct Design {
    std::string file;   // file name in the Layouts folder: ".lay", or ".shp" (which has no title)
    std::string title;  // the name players see, line 2 of a .lay file
    std::vector<quorin::TilePosition> tiles;  // board cells, counted from 1
};

std::vector<Design> Catalogue();

}  // namespace layouts
