#include "platform/IniFile.h"

#include "platform/AtomicFile.h"
#include "platform/SafeFile.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <optional>
#include <system_error>
#include <utility>

namespace quorin {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kBom = "\xEF\xBB\xBF";
constexpr std::size_t npos = std::string::npos;

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

// Names compare without regard to case; only ASCII letters fold, which is all the game's own
// names use, and bytes of UTF-8 names stay as they are.
std::string Folded(std::string_view s) {
    std::string out(Trim(s));
    for (char& c : out)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return out;
}

std::string OneLine(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        if (c == '\r' || c == '\n')
            c = ' ';
    return out;
}

std::string CutToMaxLength(const std::string& value) {
    if (value.size() <= IniFile::kMaxValueLength)
        return value;
    std::size_t cut = IniFile::kMaxValueLength;
    // Back off while the first dropped byte continues a UTF-8 character.
    while (cut > 0 && (static_cast<unsigned char>(value[cut]) & 0xC0) == 0x80)
        --cut;
    return value.substr(0, cut);
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

std::optional<int> ParseInteger(std::string_view s) {
    if (s.size() > 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) {
        uint64_t v = 0;
        for (char c : s.substr(2)) {
            const int d = HexDigit(c);
            if (d < 0)
                return std::nullopt;
            v = v * 16 + static_cast<uint64_t>(d);
            if (v > 0xFFFFFFFFu)
                return std::nullopt;
        }
        // Hexadecimal spells the 32 bits, so 0xFFFFFFFF is -1.
        return static_cast<int>(static_cast<int32_t>(static_cast<uint32_t>(v)));
    }
    bool negative = false;
    if (!s.empty() && (s[0] == '-' || s[0] == '+')) {
        negative = s[0] == '-';
        s.remove_prefix(1);
    }
    if (s.empty())
        return std::nullopt;
    int64_t v = 0;
    for (char c : s) {
        if (c < '0' || c > '9')
            return std::nullopt;
        v = v * 10 + (c - '0');
        if (v > int64_t{INT32_MAX} + 1)
            return std::nullopt;
    }
    if (negative)
        v = -v;
    if (v > INT32_MAX || v < INT32_MIN)
        return std::nullopt;
    return static_cast<int>(v);
}

}  // namespace

IniFile::IniFile(std::string path) : path_(std::move(path)) {
    // A FIFO named like the settings file would block the game, a huge file fill memory.
    const ReadResult read = ReadRegularFile(path_, kMaxIniBytes);
    if (read.missing)
        return;
    if (!read.ok) {
        loadError_ = ReadFailureMessage(path_, read.error);
        return;
    }
    Parse(read.data);
}

void IniFile::Parse(std::string_view content) {
    if (content.starts_with(kBom)) {
        bom_ = true;
        content.remove_prefix(kBom.size());
    }
    bool lineEndSeen = false;
    while (!content.empty()) {
        Line line;
        // CR LF, LF, and CR alone (as old Mac editors save) each end a line.
        const std::size_t end = content.find_first_of("\r\n");
        if (end == npos) {
            line.text = std::string(content);
            content = {};
        } else {
            line.text = std::string(content.substr(0, end));
            const bool crLf =
                content[end] == '\r' && end + 1 < content.size() && content[end + 1] == '\n';
            line.end = crLf ? "\r\n" : std::string(1, content[end]);
            content.remove_prefix(end + line.end.size());
            if (!lineEndSeen) {
                lineEnd_ = line.end;
                lineEndSeen = true;
            }
        }
        lines_.push_back(std::move(line));
    }
    bool inSection = false;
    for (Line& line : lines_) {
        Classify(line, inSection);
        inSection = inSection || line.kind == Kind::Section;
    }
}

void IniFile::Classify(Line& line, bool inSection) const {
    line.kind = Kind::Other;
    line.name.clear();
    line.value.clear();
    const std::string_view t = Trim(line.text);
    if (t.starts_with('[')) {
        const std::size_t close = t.rfind(']');
        if (close != npos) {
            line.kind = Kind::Section;
            line.name = Folded(t.substr(1, close - 1));
        }
        return;
    }
    // Text before the first section and comments are kept but mean nothing.
    if (!inSection || t.starts_with(';'))
        return;
    const std::size_t equals = t.find('=');
    if (equals == npos)
        return;
    const std::string_view key = Trim(t.substr(0, equals));
    if (key.empty())
        return;
    line.kind = Kind::Key;
    line.name = Folded(key);
    line.value = std::string(Trim(t.substr(equals + 1)));
}

std::size_t IniFile::FindSection(const std::string& section) const {
    for (std::size_t i = 0; i < lines_.size(); ++i)
        if (lines_[i].kind == Kind::Section && lines_[i].name == section)
            return i;
    return npos;
}

std::size_t IniFile::FindKey(const std::string& section, const std::string& key) const {
    bool inside = false;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const Line& line = lines_[i];
        if (line.kind == Kind::Section)
            inside = line.name == section;
        else if (inside && line.kind == Kind::Key && line.name == key)
            return i;
    }
    return npos;
}

std::string IniFile::ReadString(std::string_view section, std::string_view key,
                                std::string_view fallback) const {
    const std::size_t i = FindKey(Folded(section), Folded(key));
    if (i == npos)
        return std::string(fallback);
    return CutToMaxLength(lines_[i].value);
}

int IniFile::ReadInteger(std::string_view section, std::string_view key, int fallback) const {
    const std::size_t i = FindKey(Folded(section), Folded(key));
    if (i == npos)
        return fallback;
    return ParseInteger(lines_[i].value).value_or(fallback);
}

bool IniFile::ReadBool(std::string_view section, std::string_view key, bool fallback) const {
    return ReadInteger(section, key, fallback ? 1 : 0) != 0;
}

const std::string& IniFile::NewLineEnd() const {
    return lineEnd_;
}

void IniFile::InsertLine(std::size_t at, std::string text, Kind kind, std::string name,
                         std::string value) {
    if (at > 0 && lines_[at - 1].end.empty())
        lines_[at - 1].end = NewLineEnd();
    Line line{std::move(text), NewLineEnd(), kind, std::move(name), std::move(value)};
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), std::move(line));
}

void IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    const std::string sectionText = OneLine(Trim(section));
    const std::string keyText = OneLine(Trim(key));
    const std::string sectionName = Folded(sectionText);
    const std::string keyName = Folded(keyText);
    if (keyName.empty())
        return;  // "=value" would be a line no read ever finds
    const std::string valueText = OneLine(value);
    const std::string trimmedValue(Trim(valueText));

    const std::size_t existing = FindKey(sectionName, keyName);
    if (existing != npos) {
        // Keep the key as the file spells it; only the value changes.
        Line& line = lines_[existing];
        const std::string_view t = Trim(line.text);
        line.text = std::string(Trim(t.substr(0, t.find('=')))) + "=" + valueText;
        line.value = trimmedValue;
        return;
    }

    const std::size_t header = FindSection(sectionName);
    if (header != npos) {
        std::size_t at = header + 1;
        for (std::size_t i = header + 1; i < lines_.size() && lines_[i].kind != Kind::Section; ++i)
            if (lines_[i].kind == Kind::Key)
                at = i + 1;
        InsertLine(at, keyText + "=" + valueText, Kind::Key, keyName, trimmedValue);
        return;
    }

    // A new section goes at the end, a blank line apart from the one before it.
    if (!lines_.empty() && !Trim(lines_.back().text).empty())
        InsertLine(lines_.size(), "", Kind::Other, "", "");
    InsertLine(lines_.size(), "[" + sectionText + "]", Kind::Section, sectionName, "");
    InsertLine(lines_.size(), keyText + "=" + valueText, Kind::Key, keyName, trimmedValue);
}

void IniFile::WriteInteger(std::string_view section, std::string_view key, int value) {
    WriteString(section, key, std::to_string(value));
}

void IniFile::WriteBool(std::string_view section, std::string_view key, bool value) {
    WriteString(section, key, value ? "1" : "0");
}

void IniFile::EraseSection(std::string_view section) {
    const std::string name = Folded(section);
    std::vector<Line> kept;
    kept.reserve(lines_.size());
    bool erasing = false;
    for (Line& line : lines_) {
        if (line.kind == Kind::Section)
            erasing = line.name == name;
        if (!erasing)
            kept.push_back(std::move(line));
    }
    lines_ = std::move(kept);
}

bool IniFile::SectionExists(std::string_view section) const {
    const std::string name = Folded(section);
    bool inside = false;
    for (const Line& line : lines_) {
        if (line.kind == Kind::Section)
            inside = line.name == name;
        else if (inside && line.kind == Kind::Key)
            return true;
    }
    return false;
}

std::string IniFile::Text() const {
    std::string text;
    if (bom_)
        text.append(kBom);
    for (const Line& line : lines_)
        text.append(line.text).append(line.end);
    return text;
}

std::string IniFile::Save() {
    // Writing the defaults over a file we could not read would throw its contents away.
    if (!loadError_.empty())
        return "Unable to write to " + EscapeForMessage(path_) +
               ": it could not be read, so it is left as it was";
    if (std::string reason = WriteFileAtomically(path_, Text()); !reason.empty())
        return "Unable to write to " + path_ + ": " + reason;
    return {};
}

}  // namespace quorin
