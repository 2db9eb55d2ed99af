// The .shp layout format, which the game reads but never writes: one tile a line, its
// position in characters 4 to 9 as three two-digit upper-case hexadecimal numbers.
#pragma once

#include <string>
#include <vector>

#include "board/BoardTables.h"

namespace layouts {

// Writes one line "T  " + hx hy hl (x - 2, y - 2, layer - 1) per tile, ended by CR LF,
// through a temporary file renamed over the old one. Returns an empty string, or the
// reason it failed.
std::string WriteShpFile(const std::string& path, const std::vector<quorin::TilePosition>& tiles);

}  // namespace layouts
