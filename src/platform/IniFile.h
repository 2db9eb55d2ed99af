// Profile (ini) files, read and written the way the classic profile-string functions do:
// sections and keys without regard to case, values trimmed, numbers in decimal or 0x-hex.
//
// The whole file is held in memory as its lines. Reads look at those lines; writes change
// them, leaving every other line - other sections, comments, blank lines, lines we do not
// understand - exactly as it was. Nothing reaches the disk until Save(), which replaces the
// file through a temporary file so that a crash or a full disk never leaves half a file.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quorin {

class IniFile {
  public:
    // The longest text value a read returns, as with a 1024-byte profile-string buffer.
    static constexpr std::size_t kMaxValueLength = 1023;

    // Reads the file. A missing file is simply empty; a file that cannot be read is empty too,
    // and LoadError() says why.
    explicit IniFile(std::string path);

    const std::string& Path() const { return path_; }
    // Empty, or "Unable to read PATH: reason".
    const std::string& LoadError() const { return loadError_; }

    // The value of the first `key` of the section, trimmed and cut to kMaxValueLength bytes
    // (never inside a UTF-8 character); `fallback` when there is none.
    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view fallback) const;
    // Decimal, or hexadecimal after "0x"/"0X" (32 bits, so 0xFFFFFFFF is -1). Anything else -
    // missing, empty, "12abc", out of range - gives `fallback`.
    int ReadInteger(std::string_view section, std::string_view key, int fallback) const;
    // An integer; anything but 0 is true.
    bool ReadBool(std::string_view section, std::string_view key, bool fallback) const;

    // Replaces the value in place when the key exists, or adds "key=value" after the last key
    // of the section, or adds the section at the end of the file. Line breaks inside the value
    // become spaces, so a value can never break the file apart.
    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    void WriteInteger(std::string_view section, std::string_view key, int value);
    void WriteBool(std::string_view section, std::string_view key, bool value);

    // Removes every section of that name, with all its lines.
    void EraseSection(std::string_view section);
    // True when the section holds at least one key: an empty header is invisible to reads.
    bool SectionExists(std::string_view section) const;

    // Writes the file through a temporary file in the same folder renamed over the old one.
    // Returns an empty string, or "Unable to write to PATH: reason"; the old file is then
    // untouched.
    std::string Save();

    // The text Save() writes.
    std::string Text() const;

  private:
    enum class Kind { Other, Section, Key };
    struct Line {
        std::string text;  // without its line ending
        std::string end;   // "\r\n", "\n" or "" for a last line without one
        Kind kind = Kind::Other;
        std::string name;   // section or key name, trimmed, lower case
        std::string value;  // trimmed value of a key line
    };

    void Parse(std::string_view content);
    void Classify(Line& line, bool inSection) const;
    // Index of the first key line of that section and key, or npos.
    std::size_t FindKey(const std::string& section, const std::string& key) const;
    // Index of the header of the first section of that name, or npos.
    std::size_t FindSection(const std::string& section) const;
    // The line ending for lines this object adds: the file's own, CR LF for a new file.
    const std::string& NewLineEnd() const;
    void InsertLine(std::size_t at, std::string text, Kind kind, std::string name,
                    std::string value);

    std::string path_;
    std::string loadError_;
    bool bom_ = false;
    std::string lineEnd_ = "\r\n";
    std::vector<Line> lines_;
};

}  // namespace quorin
