// The background pieces of the Musics folder, each composed in its own file.
#pragma once

#include <string>
#include <vector>

#include "Score.h"

namespace gen_audio {

Piece ComposeNight();
Piece ComposeBambooGarden();
Piece ComposeDawn();
Piece ComposeRain();
Piece ComposeLanterns();

struct PieceEntry {
    std::string fileName;  // shown in the Music menu without ".mid"
    Piece (*compose)();
};

inline std::vector<PieceEntry> AllPieces() {
    return {{"Night.mid", ComposeNight},
            {"Bamboo Garden.mid", ComposeBambooGarden},
            {"Dawn.mid", ComposeDawn},
            {"Rain.mid", ComposeRain},
            {"Lanterns.mid", ComposeLanterns}};
}

}  // namespace gen_audio
