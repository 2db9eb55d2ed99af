// Reading the committed content files of the repository in tests.
#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace content_test {

inline std::filesystem::path SourcePath(const std::string& relative) {
    return std::filesystem::path(QUORIN_SOURCE_DIR) / relative;
}

// Empty when the file is missing; the callers check the size first.
inline std::vector<uint8_t> ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline uint32_t LittleEndian(const std::vector<uint8_t>& b, size_t at, int bytes) {
    uint32_t value = 0;
    for (int i = bytes - 1; i >= 0; --i) {
        value = (value << 8) | b.at(at + i);
    }
    return value;
}

inline uint32_t BigEndian(const std::vector<uint8_t>& b, size_t at, int bytes) {
    uint32_t value = 0;
    for (int i = 0; i < bytes; ++i) {
        value = (value << 8) | b.at(at + i);
    }
    return value;
}

}  // namespace content_test
