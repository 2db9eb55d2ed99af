// quorin-layout: checks layout files and deals them the way the game does, for layout
// authors and for tests.
//
//   quorin-layout check FILE...
//   quorin-layout deal FILE --seed N [--winnable]
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "board/Clock.h"
#include "board/Dealer.h"
#include "board/Game.h"
#include "layouts/LayoutFile.h"

namespace {

using namespace quorin;

class NoClock : public TickSource, public TimeOfDaySource {
  public:
    uint32_t Now() override { return 0; }
    uint32_t MillisecondsOfDayUtc() override { return 0; }
};

int Usage() {
    std::fprintf(stderr,
                 "usage: quorin-layout check FILE...\n"
                 "       quorin-layout deal FILE --seed N [--winnable]\n");
    return 2;
}

int Check(int argc, char** argv) {
    if (argc < 1)
        return Usage();
    int status = 0;
    for (int i = 0; i < argc; ++i) {
        const LayoutLoad load = ReadLayoutFile(argv[i]);
        if (load.ok) {
            std::printf("%s: ok, %d positions, %d layers\n", argv[i], load.grid.PositionCount(),
                        LayerCount(load.grid));
        } else {
            std::printf("%s: error: %s\n", argv[i], load.reason.c_str());
            status = 1;
        }
    }
    return status;
}

int Deal(int argc, char** argv) {
    const char* file = nullptr;
    long seed = -1;
    bool winnable = false;
    for (int i = 0; i < argc; ++i) {
        if (std::strcmp(argv[i], "--winnable") == 0) {
            winnable = true;
        } else if (std::strcmp(argv[i], "--seed") == 0 && i + 1 < argc) {
            char* end = nullptr;
            seed = std::strtol(argv[++i], &end, 10);
            if (*end != '\0' || seed < 1 || seed > 0x7fffffffL) {
                std::fprintf(stderr, "quorin-layout: the seed must be a number from 1 to %ld\n",
                             0x7fffffffL);
                return 2;
            }
        } else if (!file && argv[i][0] != '-') {
            file = argv[i];
        } else {
            return Usage();
        }
    }
    if (!file || seed < 0)
        return Usage();

    const LayoutLoad load = ReadLayoutFile(file);
    if (!load.ok) {
        std::fprintf(stderr, "quorin-layout: %s\n", load.Message().c_str());
        return 1;
    }

    NoClock clock;
    SilentView view;
    Game game(view, clock, clock);
    GameState& s = game.State();
    s.layout = load.grid;
    s.options.RandomSeed1 = true;
    s.options.Vertical = false;
    s.SeedNumber = static_cast<int32_t>(seed);

    std::vector<TilePosition> order;
    if (winnable) {
        if (game.MakeDealer().CreateBoard(&order) != DealResult::Dealt) {
            std::fprintf(stderr, "quorin-layout: %s: cannot be dealt as a winnable game\n", file);
            return 1;
        }
    } else {
        game.DealLayout();
    }
    for (int t = 1; t <= kTileCount; ++t) {
        const TilePosition p = s.board.TilePos[t];
        std::printf("%d %d %d %d\n", t, p.x, p.y, p.layer);
    }
    if (winnable) {
        std::printf("order\n");
        for (size_t k = 0; k + 1 < order.size(); k += 2) {
            const TilePosition a = order[k], b = order[k + 1];
            std::printf("%d %d\n", s.board.Cell(a.x, a.y, a.layer),
                        s.board.Cell(b.x, b.y, b.layer));
        }
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2)
        return Usage();
    const std::string command = argv[1];
    if (command == "check")
        return Check(argc - 2, argv + 2);
    if (command == "deal")
        return Deal(argc - 2, argv + 2);
    return Usage();
}
