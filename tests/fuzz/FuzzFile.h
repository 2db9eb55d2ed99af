// The readers under fuzzing take a path, as the game gives them: the input is written to a
// file of this process's own first.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

namespace quorin::fuzz {

inline void Check(bool condition) {
    if (!condition)
        std::abort();
}

// A file named `name` in a folder of this process, holding the input.
inline std::string WriteInput(const uint8_t* data, size_t size, const std::string& name) {
    static const std::filesystem::path folder = [] {
        auto path =
            std::filesystem::temp_directory_path() / ("quorin-fuzz-" + std::to_string(::getpid()));
        std::filesystem::create_directories(path);
        return path;
    }();
    const std::filesystem::path file = folder / name;
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    out.close();
    Check(static_cast<bool>(out));
    return file.string();
}

}  // namespace quorin::fuzz
