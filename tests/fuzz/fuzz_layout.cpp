// Fuzz target for the layout file parsers. An input that begins with "Quorin" is read as a
// .lay file, any other as a .shp file. Besides not crashing, a parser must either reject the
// input with a message naming the file and keep nothing, or accept a playable layout; an
// accepted .lay file written out again must read back the same.
//
// scripts/test.sh builds it as build-fuzz/fuzz_layout; a longer run:
//   build-fuzz/fuzz_layout -max_total_time=300 -max_len=8192 NEW_FOLDER tests/fuzz/corpus/layout
// and merge what it found with -merge=1. The committed corpus holds hand-made valid and
// damaged files of both formats and a few small finds of the fuzzer (found_*); every build
// replays it in the test fuzz_layout_replay.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "layouts/LayoutFile.h"

namespace {

void Check(bool condition) {
    if (!condition)
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace quorin;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const bool lay = text.substr(0, 6) == "Quorin";
    const LayoutLoad load = lay ? ParseLay(text, "fuzz.lay") : ParseShp(text, "fuzz.shp");

    if (!load.ok) {
        Check(!load.reason.empty());
        Check(load.Message().starts_with(lay ? "fuzz.lay: " : "fuzz.shp: "));
        Check(load.grid.PositionCount() == 0);
        return 0;
    }
    Check(load.grid.PositionCount() == 144);
    Check(LayoutFault(load.grid).empty());
    if (lay) {
        std::string again = std::string(kLaySignature) + "\r\n" + load.name + "\r\n";
        for (int i = 0; i < kLayoutCells; ++i)
            again.push_back(load.grid[i] ? '1' : '0');
        again += "\r\n";
        const LayoutLoad back = ParseLay(again, "again.lay");
        Check(back.ok && back.grid == load.grid && back.name == load.name);
    }
    return 0;
}
