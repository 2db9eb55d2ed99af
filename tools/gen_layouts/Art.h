// Layouts described as pictures. Each layer is drawn as text in which every tile shows as
// "[]" on two consecutive lines, one character per half-tile cell, so a picture looks like
// the board seen from above; "." and spaces are empty cells. The layers of one layout share
// one frame: the first line of every layer is the same row of the board.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "board/BoardTables.h"
#include "board/LayoutGrid.h"

namespace layouts {

using quorin::LayoutGrid;
using quorin::TilePosition;

// A picture that cannot be read; the message names the layer, line and column.
class ArtError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Tile positions of the pictures, layer 1 first, in frame cells counted from 1. A leading
// empty line (the one after the opening of a raw string) is not part of the frame.
std::vector<TilePosition> ReadArt(const std::vector<std::string_view>& layers);

// Moves the positions so that what they cover sits in the middle of the board, where the
// board picture shows it whole. An odd leftover cell goes to the right or to the bottom.
std::vector<TilePosition> Centred(std::vector<TilePosition> tiles);

LayoutGrid ToGrid(const std::vector<TilePosition>& tiles);

// The layers of a grid drawn in the notation ReadArt reads, cropped to what the layout
// covers, followed by a height map giving for every cell the highest layer over it.
std::string DrawLayers(const LayoutGrid& grid);

// The tiles free before the first move, drawn "[]" over the height map of the other cells,
// in the frame of DrawLayers.
std::string DrawFreeAtStart(const LayoutGrid& grid);

// How many tiles are free before the first move; all positions are then filled, so this
// depends on the layout alone.
int FreeAtStart(const LayoutGrid& grid);

}  // namespace layouts
