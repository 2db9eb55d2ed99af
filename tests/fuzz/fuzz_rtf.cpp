// Fuzz target for the help documents' RTF reader. Besides not crashing or hanging, the reader
// must give valid UTF-8 in non-empty runs, keep its output in proportion to its input, and say
// why when the input is not a whole RTF document.
//
// Built as fuzz_rtf by a clang build (CXX=clang++ cmake -S . -B build-fuzz -G Ninja), run as
//   build-fuzz/fuzz_rtf -max_total_time=600 -max_len=4096 NEW_FOLDER tests/fuzz/corpus/rtf
// and merge what it found with -merge=1. Every build replays tests/fuzz/corpus/rtf in the test
// fuzz_rtf_replay.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "info/RtfDocument.h"

namespace {

void Check(bool condition) {
    if (!condition)
        std::abort();
}

bool IsUtf8(std::string_view text) {
    size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const size_t length = lead < 0x80       ? 1
                              : lead >> 5 == 6  ? 2
                              : lead >> 4 == 14 ? 3
                              : lead >> 3 == 30 ? 4
                                                : 0;
        if (length == 0 || i + length > text.size())
            return false;
        for (size_t k = 1; k < length; ++k)
            if (static_cast<unsigned char>(text[i + k]) >> 6 != 2)
                return false;
        i += length;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const quorin::rtf::Document doc = quorin::rtf::ParseRtf(text);

    size_t bytes = 0;
    for (const auto& paragraph : doc.paragraphs) {
        for (const auto& run : paragraph.runs) {
            Check(!run.text.empty());
            Check(IsUtf8(run.text));
            bytes += run.text.size();
        }
    }
    // No input byte gives more than three bytes of text, and a paragraph takes at least two.
    Check(bytes <= 3 * size);
    Check(doc.paragraphs.size() <= size / 2 + 1);
    Check(doc.colors.size() <= 1024 && doc.fonts.size() <= 1024);
    if (text.find("{\\rtf") == std::string_view::npos)
        Check(!doc.notice.empty() && doc.paragraphs.empty());
    for (const auto& [number, name] : doc.fonts)
        Check(IsUtf8(name));
    return 0;
}
