// Fuzz target for the ini reader. Whatever the file holds, reading it must not crash, the text
// written back must be the file exactly as it was, and a value written must read back
// (trimmed, with its line breaks turned into spaces, as the writer promises).
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "FuzzFile.h"
#include "platform/IniFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace quorin;
    using fuzz::Check;
    const std::string path = fuzz::WriteInput(data, size, "Quorin.ini");
    IniFile ini(path);
    Check(ini.LoadError().empty());
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    Check(ini.Text() == text);

    // Section and key names taken from the input itself, so the reads hit what it holds.
    const std::string_view section = text.substr(0, std::min<size_t>(size, 8));
    const std::string_view key = text.substr(std::min<size_t>(size, 8), 6);
    (void)ini.ReadString(section, key, "");
    (void)ini.ReadInteger(section, key, 7);
    (void)ini.SectionExists(section);

    ini.WriteString("Quorin", "Fuzz", "value 1");
    Check(ini.ReadString("Quorin", "Fuzz", "") == "value 1");
    ini.WriteInteger("Quorin", "Number", -42);
    Check(ini.ReadInteger("Quorin", "Number", 0) == -42);
    ini.EraseSection("Quorin");
    Check(!ini.SectionExists("Quorin"));
    return 0;
}
