// Runs the fuzz target once over every file of the folders (or the files) given, so that the
// corpus is tried by every build, whatever the compiler.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace fs = std::filesystem;

static void Replay(const fs::path& file, int& count) {
    std::ifstream in(file, std::ios::binary);
    const std::vector<char> bytes((std::istreambuf_iterator<char>(in)),
                                  std::istreambuf_iterator<char>());
    LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
    ++count;
}

int main(int argc, char** argv) {
    int count = 0;
    for (int i = 1; i < argc; ++i) {
        const fs::path path = argv[i];
        if (fs::is_directory(path)) {
            for (const auto& entry : fs::directory_iterator(path))
                if (entry.is_regular_file())
                    Replay(entry.path(), count);
        } else if (fs::is_regular_file(path)) {
            Replay(path, count);
        } else {
            std::fprintf(stderr, "%s: %s: no such file or folder\n", argv[0], argv[i]);
            return 2;
        }
    }
    std::printf("%s: %d inputs\n", argv[0], count);
    return count > 0 ? 0 : 1;
}
