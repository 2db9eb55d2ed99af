// What a shipped layout must be, beyond what the game itself demands of a layout file.
#pragma once

#include <string>

#include "Catalogue.h"

namespace layouts {

// The first thing wrong with a design, or empty: it needs 144 positions that do not overlap,
// each upper tile resting entirely on tiles of the layer below, every tile, raised by its layer,
// inside the board picture, and enough tiles free at the start that the usual deal,
// which is not made winnable, rarely leaves the player without a first move.
std::string DesignFault(const Design& design);

}  // namespace layouts
