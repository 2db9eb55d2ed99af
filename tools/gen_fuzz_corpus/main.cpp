// gen_fuzz_corpus writes the seed pictures of the bitmap and JPEG fuzz targets
// (tests/fuzz/corpus/bmp and tests/fuzz/corpus/jpeg): one small, valid file of every kind
// the readers take, so the fuzzer starts inside the decoders instead of spending its time
// finding a header they accept. Each file stays under the 8 kB the fuzz runs allow an input.
// Its output is committed, so neither the game nor the tests need it. To run it again:
//
//   cmake -S . -B build -G Ninja -DQUORIN_GENERATORS=ON
//   cmake --build build --target regenerate_fuzz_corpus
//
// or by hand, from a build folder:  ./gen_fuzz_corpus --root <source folder>
//
// The pictures are computed, not drawn, so every run writes the same bytes.
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "Seeds.h"

namespace {

bool WriteFile(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (f == nullptr) {
        std::perror(path.c_str());
        return false;
    }
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3 || std::strcmp(argv[1], "--root") != 0) {
        std::fprintf(stderr, "usage: gen_fuzz_corpus --root SOURCE_FOLDER\n");
        return 2;
    }
    const std::string corpus = std::string(argv[2]) + "/tests/fuzz/corpus/";
    const std::vector<gen::Seed> bmp = gen::BmpSeeds();
    const std::vector<gen::Seed> jpeg = gen::JpegSeeds();
    int status = 0;
    // Each reader also takes the other kind by its content, so each target gets a few of both.
    auto write = [&](const std::string& folder, const std::vector<gen::Seed>& seeds, size_t count) {
        for (size_t i = 0; i < seeds.size() && i < count; ++i) {
            const gen::Seed& seed = seeds[i];
            if (seed.bytes.size() > 8192) {
                std::fprintf(stderr, "gen_fuzz_corpus: %s is %zu bytes, over 8 kB\n",
                             seed.name.c_str(), seed.bytes.size());
                status = 1;
                continue;
            }
            if (!WriteFile(corpus + folder + "/" + seed.name, seed.bytes))
                status = 1;
        }
    };
    write("bmp", bmp, bmp.size());
    write("jpeg", jpeg, jpeg.size());
    write("bmp", jpeg, 3);
    write("jpeg", bmp, 3);
    return status;
}
