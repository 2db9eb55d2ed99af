// quorin-layout: checks layout files and deals them the way the game does, for layout
// authors and for tests.
//
//   quorin-layout check FILE...
//   quorin-layout deal FILE --seed N [--winnable]
//   quorin-layout solve FILE --seed N [--winnable] [--vertical] [--budget-ms M]
//   quorin-layout solve --position POSFILE [--vertical] [--budget-ms M]
//   quorin-layout survey FILE --seeds A-B [--vertical]
//   quorin-layout rate FILE --seed N|--seeds A-B [--winnable] [--vertical]
#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "board/Clock.h"
#include "board/Dealer.h"
#include "games/Game.h"
#include "layouts/LayoutFile.h"
#include "platform/SafeFile.h"
#include "solver/Rating.h"
#include "solver/Solver.h"

namespace {

using namespace quorin;

int Usage() {
    std::fprintf(stderr,
                 "usage: quorin-layout check FILE...\n"
                 "       quorin-layout deal FILE --seed N [--winnable]\n"
                 "       quorin-layout solve FILE --seed N [--winnable] [--vertical] "
                 "[--budget-ms M]\n"
                 "       quorin-layout solve --position POSFILE [--vertical] [--budget-ms M]\n"
                 "       quorin-layout survey FILE --seeds A-B [--vertical]\n"
                 "       quorin-layout rate FILE --seed N|--seeds A-B [--winnable] [--vertical]\n");
    return 2;
}

int Check(int argc, char** argv) {
    if (argc < 1)
        return Usage();
    int status = 0;
    for (int i = 0; i < argc; ++i) {
        const LayoutLoad load = ReadLayoutFile(argv[i]);
        // A file name may hold any byte: none reaches the terminal raw.
        const std::string name = EscapeForMessage(argv[i]);
        if (load.ok) {
            std::printf("%s: ok, %d positions, %d layers\n", name.c_str(),
                        load.grid.PositionCount(), LayerCount(load.grid));
        } else {
            std::printf("%s: error: %s\n", name.c_str(), EscapeForMessage(load.reason).c_str());
            status = 1;
        }
    }
    return status;
}

// Deals a layout file as the game deals a specific game; false after printing why. With
// `order`, the winnable dealer's removal order too. A winnable deal under the vertical rule
// is the one the game deals: proved by the solver (it has no dealer's order).
bool DealBoard(const char* file, long seed, bool winnable, BoardTables& board,
               std::vector<TilePosition>* order = nullptr, bool vertical = false) {
    const LayoutLoad load = ReadLayoutFile(file);
    if (!load.ok) {
        std::fprintf(stderr, "quorin-layout: %s\n", load.Message().c_str());
        return false;
    }
    StillClock clock;
    SilentView view;
    Game game(view, clock, clock);
    GameState& s = game.State();
    s.layout = load.grid;
    s.options.RandomSeed1 = true;
    s.options.Vertical = false;
    s.SeedNumber = static_cast<int32_t>(seed);
    if (winnable && vertical) {
        s.options.Winnable = s.options.Vertical = true;
        s.GameMode = ModeSolitaire;
        game.Choose(ModeSolitaire);
        if (game.DealLayout() == DealResult::CannotDeal) {
            std::fprintf(stderr, "quorin-layout: %s: cannot be dealt as a winnable game\n",
                         EscapeForMessage(file).c_str());
            return false;
        }
    } else if (winnable) {
        if (game.MakeDealer().CreateBoard(order) != DealResult::Dealt) {
            std::fprintf(stderr, "quorin-layout: %s: cannot be dealt as a winnable game\n",
                         EscapeForMessage(file).c_str());
            return false;
        }
    } else {
        game.DealLayout();
    }
    board = s.board;
    return true;
}

// The tiles of that deal, for the solver.
bool DealFile(const char* file, long seed, bool winnable, bool vertical,
              std::vector<SolverTile>& tiles) {
    BoardTables board;
    if (!DealBoard(file, seed, winnable, board, nullptr, vertical))
        return false;
    tiles = TilesOnBoard(board);
    return true;
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

    BoardTables board;
    std::vector<TilePosition> order;
    if (!DealBoard(file, seed, winnable, board, winnable ? &order : nullptr))
        return 1;
    for (int t = 1; t <= kTileCount; ++t) {
        const TilePosition p = board.TilePos[t];
        std::printf("%d %d %d %d\n", t, p.x, p.y, p.layer);
    }
    if (winnable) {
        std::printf("order\n");
        for (size_t k = 0; k + 1 < order.size(); k += 2) {
            const TilePosition a = order[k], b = order[k + 1];
            std::printf("%d %d\n", board.Cell(a.x, a.y, a.layer), board.Cell(b.x, b.y, b.layer));
        }
    }
    return 0;
}

bool ParseNumber(const char* text, long low, long high, long& out) {
    char* end = nullptr;
    out = std::strtol(text, &end, 10);
    return end != text && *end == '\0' && out >= low && out <= high;
}

// The solver's time budget in ms; a refusal says what is wanted.
bool ParseBudget(const char* text, long& out) {
    constexpr long kDay = 86400000L;
    if (ParseNumber(text, 1, kDay, out))
        return true;
    if (ParseNumber(text, LONG_MIN, 0, out))
        std::fprintf(stderr, "quorin-layout: the budget must be at least 1 ms\n");
    else if (ParseNumber(text, kDay + 1, LONG_MAX, out))
        std::fprintf(stderr, "quorin-layout: the budget must be at most %ld ms (a day)\n", kDay);
    else
        std::fprintf(stderr, "quorin-layout: the budget must be a number of ms, at least 1\n");
    return false;
}

// A seed of a specific game; a refusal says what is wanted.
bool ParseSeed(const char* text, long& out) {
    if (ParseNumber(text, 1, 0x7fffffffL, out))
        return true;
    std::fprintf(stderr, "quorin-layout: the seed must be a number from 1 to %ld\n", 0x7fffffffL);
    return false;
}

// A range of seeds "A-B"; a refusal says what is wanted.
bool ParseSeedRange(const std::string& range, long& first, long& last) {
    const size_t dash = range.find('-');
    if (dash != std::string::npos &&
        ParseNumber(range.substr(0, dash).c_str(), 1, 0x7fffffffL, first) &&
        ParseNumber(range.substr(dash + 1).c_str(), first, 0x7fffffffL, last))
        return true;
    std::fprintf(stderr, "quorin-layout: the seeds are a range A-B, 1 <= A <= B\n");
    return false;
}

int Solve(int argc, char** argv) {
    const char* file = nullptr;
    const char* position = nullptr;
    long seed = -1, budget = 0;
    bool winnable = false, vertical = false;
    for (int i = 0; i < argc; ++i) {
        if (std::strcmp(argv[i], "--winnable") == 0) {
            winnable = true;
        } else if (std::strcmp(argv[i], "--vertical") == 0) {
            vertical = true;
        } else if (std::strcmp(argv[i], "--seed") == 0 && i + 1 < argc) {
            if (!ParseSeed(argv[++i], seed))
                return 2;
        } else if (std::strcmp(argv[i], "--budget-ms") == 0 && i + 1 < argc) {
            if (!ParseBudget(argv[++i], budget))
                return 2;
        } else if (std::strcmp(argv[i], "--position") == 0 && i + 1 < argc) {
            position = argv[++i];
        } else if (!file && argv[i][0] != '-') {
            file = argv[i];
        } else {
            return Usage();
        }
    }
    if (position ? (file || seed >= 0 || winnable) : (!file || seed < 0))
        return Usage();

    std::vector<SolverTile> tiles;
    if (position) {
        const ReadResult read = ReadRegularFile(position, 1 << 20);
        if (!read.ok) {
            std::fprintf(stderr, "quorin-layout: %s\n",
                         ReadFailureMessage(position, read.error).c_str());
            return 1;
        }
        const PositionLoad load = ParsePosition(read.data);
        if (!load.ok) {
            std::fprintf(stderr, "quorin-layout: %s: %s\n", EscapeForMessage(position).c_str(),
                         load.reason.c_str());
            return 1;
        }
        tiles = load.tiles;
    } else if (!DealFile(file, seed, winnable, vertical, tiles)) {
        return 1;
    }

    SolveLimits limits;
    limits.budgetMs = budget;
    const SolveResult result = quorin::Solve(tiles, vertical, limits);
    std::printf("%s\n", AnswerName(result.answer));
    for (const auto& [a, b] : result.order)
        std::printf("%d %d\n", a, b);
    switch (result.answer) {
        case SolveAnswer::Winnable:
            return 0;
        case SolveAnswer::Unwinnable:
            return 3;
        case SolveAnswer::Undecided:
            break;
    }
    return 4;
}

int Survey(int argc, char** argv) {
    const char* file = nullptr;
    long first = -1, last = -1, budget = 1000;
    bool vertical = false, winnable = false;
    for (int i = 0; i < argc; ++i) {
        if (std::strcmp(argv[i], "--vertical") == 0) {
            vertical = true;
        } else if (std::strcmp(argv[i], "--winnable") == 0) {
            winnable = true;
        } else if (std::strcmp(argv[i], "--budget-ms") == 0 && i + 1 < argc) {
            if (!ParseBudget(argv[++i], budget))
                return 2;
        } else if (std::strcmp(argv[i], "--seeds") == 0 && i + 1 < argc) {
            if (!ParseSeedRange(argv[++i], first, last))
                return 2;
        } else if (!file && argv[i][0] != '-') {
            file = argv[i];
        } else {
            return Usage();
        }
    }
    if (!file || first < 0)
        return Usage();

    long counts[3] = {0, 0, 0};
    std::vector<double> millis;
    std::vector<long> undecided;
    for (long seed = first; seed <= last; ++seed) {
        std::vector<SolverTile> tiles;
        if (!DealFile(file, seed, winnable, vertical, tiles))
            return 1;
        SolveLimits limits;
        limits.budgetMs = budget;
        const double start = quorin::ProcessorMs();
        const SolveResult result = quorin::Solve(tiles, vertical, limits);
        millis.push_back(quorin::ProcessorMs() - start);
        ++counts[static_cast<int>(result.answer)];
        if (result.answer == SolveAnswer::Undecided)
            undecided.push_back(seed);
    }
    std::sort(millis.begin(), millis.end());
    const size_t n = millis.size();
    std::printf("winnable %ld\nunwinnable %ld\nundecided %ld\n", counts[0], counts[1], counts[2]);
    std::printf("median %.3f ms\np99 %.3f ms\nmax %.3f ms\n", millis[n / 2],
                millis[std::min(n - 1, n * 99 / 100)], millis[n - 1]);
    // The seeds worth a closer look, to feed to `solve` one by one.
    if (!undecided.empty()) {
        std::printf("undecided seeds");
        for (long seed : undecided)
            std::printf(" %ld", seed);
        std::printf("\n");
    }
    return 0;
}

void PrintRating(const DealRating& r) {
    std::printf("difficulty %s\n", DifficultyText(r).c_str());
    std::printf("solver %s, %llu nodes\n", AnswerName(r.answer),
                static_cast<unsigned long long>(r.nodes));
    if (r.level == 0)
        return;
    std::printf("random play-outs cleared %d of %d, %.1f tiles left on average\n", r.cleared,
                r.playouts, r.tilesLeft);
    std::printf("choices on the winning line %d, narrow %d\n", r.decisions, r.narrow);
    std::printf("free pairs offered there %d, keeping it winnable %d\n", r.choices, r.safeChoices);
}

// One seed: the rating with its measures. A range: how many deals got each rating, with the
// median and largest rating time.
int Rate(int argc, char** argv) {
    const char* file = nullptr;
    long seed = -1, first = -1, last = -1;
    bool winnable = false, vertical = false;
    for (int i = 0; i < argc; ++i) {
        if (std::strcmp(argv[i], "--winnable") == 0) {
            winnable = true;
        } else if (std::strcmp(argv[i], "--vertical") == 0) {
            vertical = true;
        } else if (std::strcmp(argv[i], "--seed") == 0 && i + 1 < argc) {
            if (!ParseSeed(argv[++i], seed))
                return 2;
        } else if (std::strcmp(argv[i], "--seeds") == 0 && i + 1 < argc) {
            if (!ParseSeedRange(argv[++i], first, last))
                return 2;
        } else if (!file && argv[i][0] != '-') {
            file = argv[i];
        } else {
            return Usage();
        }
    }
    if (!file || (seed < 0) == (first < 0))
        return Usage();

    if (seed > 0) {
        std::vector<SolverTile> tiles;
        if (!DealFile(file, seed, winnable, vertical, tiles))
            return 1;
        const DealRating rating = RateDeal(tiles, vertical);
        PrintRating(rating);
        return rating.level == 0 ? 3 : 0;
    }
    long counts[6] = {0, 0, 0, 0, 0, 0};
    std::vector<double> millis;
    for (long s = first; s <= last; ++s) {
        std::vector<SolverTile> tiles;
        if (!DealFile(file, s, winnable, vertical, tiles))
            return 1;
        const double start = quorin::ProcessorMs();
        ++counts[RateDeal(tiles, vertical).level];
        millis.push_back(quorin::ProcessorMs() - start);
    }
    std::sort(millis.begin(), millis.end());
    for (int level = 1; level <= 5; ++level)
        std::printf("%d of 5: %ld\n", level, counts[level]);
    std::printf("cannot be won: %ld\n", counts[0]);
    std::printf("median %.3f ms\nmax %.3f ms\n", millis[millis.size() / 2], millis.back());
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
    if (command == "solve")
        return Solve(argc - 2, argv + 2);
    if (command == "survey")
        return Survey(argc - 2, argv + 2);
    if (command == "rate")
        return Rate(argc - 2, argv + 2);
    return Usage();
}
