// gen_layouts writes the layouts the game ships with (data/Layouts) from the descriptions in
// Catalogue.cpp, after checking that each one can be played: 144 positions that do not
// overlap, every upper tile resting on the layer below, the whole board on the board picture,
// and enough tiles free at the start that the usual deal nearly always offers a first move.
// Its output is committed, so the game's build does not need it. To run it again:
//
//   cmake -S . -B build -G Ninja -DQUORIN_GENERATORS=ON
//   cmake --build build --target regenerate_layouts
//
// or by hand, from a build folder:
//
//   ./gen_layouts --root <source folder>       rewrites <source folder>/data/Layouts
//   ./gen_layouts --preview [NAME...]          prints every layer of the layouts as text, and
//                                              the tiles free at the start
//   ./gen_layouts --playtest [NAME...]         deals seeds 1..1000 as winnable games and
//                                              1..2000 as usual ones, and reports how they went
//
// NAME is a file name with or without its extension ("Fortress", "Pyramid.shp").
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "Art.h"
#include "Catalogue.h"
#include "Checks.h"
#include "Playtest.h"
#include "ShpFile.h"
#include "layouts/LayoutFile.h"

namespace {

using namespace layouts;

int Usage() {
    std::fprintf(stderr,
                 "usage: gen_layouts --root SOURCE_FOLDER\n"
                 "       gen_layouts --preview [NAME...]\n"
                 "       gen_layouts --playtest [NAME...]\n");
    return 2;
}

bool EndsWithShp(const std::string& file) {
    return file.size() > 4 && file.compare(file.size() - 4, 4, ".shp") == 0;
}

bool Named(const Design& d, const std::vector<std::string>& names) {
    if (names.empty())
        return true;
    const std::string stem = d.file.substr(0, d.file.rfind('.'));
    for (const std::string& n : names)
        if (n == d.file || n == stem)
            return true;
    return false;
}

// Every design is checked before any file is touched, so a mistake leaves the folder as it
// was.
bool CheckAll(const std::vector<Design>& designs) {
    bool ok = true;
    for (size_t i = 0; i < designs.size(); ++i) {
        const Design& d = designs[i];
        for (size_t j = 0; j < i; ++j)
            if (designs[j].file == d.file) {
                std::fprintf(stderr, "gen_layouts: %s is described twice\n", d.file.c_str());
                ok = false;
            }
        const std::string fault = DesignFault(d);
        if (!fault.empty()) {
            std::fprintf(stderr, "gen_layouts: %s: %s\n", d.file.c_str(), fault.c_str());
            ok = false;
        }
    }
    return ok;
}

int Write(const std::string& root, const std::vector<Design>& designs) {
    const std::string folder = root + "/data/Layouts/";
    for (const Design& d : designs) {
        const std::string path = folder + d.file;
        const LayoutGrid grid = ToGrid(d.tiles);
        const std::string error = EndsWithShp(d.file) ? WriteShpFile(path, d.tiles)
                                                      : quorin::WriteLayFile(path, d.title, grid);
        if (!error.empty()) {
            std::fprintf(stderr, "gen_layouts: %s\n", error.c_str());
            return 1;
        }
        // Read back the way the game reads it.
        const quorin::LayoutLoad load = quorin::ReadLayoutFile(path);
        if (!load.ok || !(load.grid == grid)) {
            std::fprintf(stderr, "gen_layouts: %s does not read back: %s\n", path.c_str(),
                         load.ok ? "other cells" : load.reason.c_str());
            return 1;
        }
        std::printf("wrote %s\n", path.c_str());
    }
    return 0;
}

void Preview(const std::vector<Design>& designs) {
    for (const Design& d : designs) {
        const LayoutGrid grid = ToGrid(d.tiles);
        std::printf("== %s \"%s\": %d positions, %d layers\n", d.file.c_str(), d.title.c_str(),
                    grid.PositionCount(), quorin::LayerCount(grid));
        std::printf("%s%s\n", DrawLayers(grid).c_str(), DrawFreeAtStart(grid).c_str());
    }
}

int RunPlaytest(const std::vector<Design>& designs) {
    constexpr int kSeeds = 1000;
    int status = 0;
    std::printf("%-18s %8s %16s %9s %10s %10s\n", "layout", "undealt", "stuck deals", "restarts",
                "median us", "worst us");
    for (const Design& d : designs) {
        const PlayReport r = Playtest(ToGrid(d.tiles), kSeeds);
        std::printf("%-18s %8d %8d (%4.1f%%) %9d %10.1f %10.1f\n", d.file.c_str(), r.undealt,
                    r.stuckDeals, 100.0 * r.stuckDeals / r.seeds, r.restarts, r.medianMicros,
                    r.worstMicros);
        if (r.undealt > 0)
            status = 1;
    }

    // The usual deal is not made winnable, so a layout with few free tiles at the start
    // often leaves the player without a single move.
    constexpr int kOpenings = 2000;
    std::printf("\n%-18s %10s %10s %14s\n", "layout", "free", "moves", "dead at start");
    for (const Design& d : designs) {
        const OpeningReport r = Openings(ToGrid(d.tiles), kOpenings);
        std::printf("%-18s %10.1f %10.2f %6d (%4.2f%%)\n", d.file.c_str(), r.meanFree, r.meanMoves,
                    r.dead, 100.0 * r.dead / r.seeds);
    }
    return status;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2)
        return Usage();
    const std::string command = argv[1];
    std::vector<std::string> names(argv + 2, argv + argc);

    std::vector<Design> designs;
    try {
        designs = Catalogue();
    } catch (const ArtError& e) {
        std::fprintf(stderr, "gen_layouts: %s\n", e.what());
        return 1;
    }
    if (!CheckAll(designs))
        return 1;
    std::vector<Design> chosen;
    for (const Design& d : designs)
        if (command == "--root" || Named(d, names))
            chosen.push_back(d);
    if (chosen.empty()) {
        std::fprintf(stderr, "gen_layouts: no layout of that name\n");
        return 1;
    }

    if (command == "--root")
        return names.size() == 1 ? Write(names[0], chosen) : Usage();
    if (command == "--preview") {
        Preview(chosen);
        return 0;
    }
    if (command == "--playtest")
        return RunPlaytest(chosen);
    return Usage();
}
