// The seed files of the picture fuzz targets, as bytes with the name they are written under.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace gen {

struct Seed {
    std::string name;
    std::vector<uint8_t> bytes;
};

// Bitmaps: every depth, the three compressions, the OS/2 and V4/V5 headers, bottom-up and
// top-down rows, and run-length bitmaps the size of a tileset.
std::vector<Seed> BmpSeeds();
// JPEG: baseline at each subsampling, grey, progressive, restart markers, arithmetic coding,
// RGB and CMYK colour, odd sizes and extra markers.
std::vector<Seed> JpegSeeds();

}  // namespace gen
