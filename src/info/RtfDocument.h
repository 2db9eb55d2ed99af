// The help documents are rich text (RTF). This reader turns one into a small document model
// the help window draws: paragraphs of runs of text with their look. It understands what our
// documents use (paragraphs, bold, italic, underline, font sizes, colours, alignment, indents,
// tabs, \uN and \'hh characters) and skips destinations it does not know. Damaged input gives
// whatever could be read plus a notice; the reader is a single pass with bounded state, so no
// input can make it crash, hang or grow without limit.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace quorin::rtf {

enum class Align { kLeft, kCenter, kRight, kJustify };

struct Color {
    uint8_t red = 0, green = 0, blue = 0;
    bool automatic = true;  // the empty first entry of a colour table: "the default colour"
    bool operator==(const Color&) const = default;
};

struct CharFormat {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int halfPoints = 24;  // \fs: the size in half points
    int color = 0;        // \cf: index into Document::colors, 0 is the default colour
    int font = -1;        // \f: key of Document::fonts, -1 for the document's default font
    bool operator==(const CharFormat&) const = default;
};

struct Run {
    CharFormat format;
    std::string text;  // UTF-8; '\t' for a tab, '\n' for a line break inside the paragraph
};

struct Paragraph {
    Align align = Align::kLeft;
    // In twips (1/1440 inch), as in the file.
    int leftIndent = 0;
    int rightIndent = 0;
    int firstIndent = 0;
    int spaceBefore = 0;
    int spaceAfter = 0;
    std::vector<Run> runs;

    std::string Text() const;  // the text of every run, for tests and searches
};

struct Document {
    std::map<int, std::string> fonts;
    int defaultFont = 0;
    std::vector<Color> colors;
    std::vector<Paragraph> paragraphs;
    // Empty when the whole document was read; otherwise one line for the reader of the help
    // saying why the page is short or empty.
    std::string notice;

    // The colour a run's format asks for, or nullptr for the default colour.
    const Color* ColorOf(const CharFormat& format) const;
    // The font name a run's format asks for, or empty.
    std::string FontOf(const CharFormat& format) const;
};

// Reads RTF text. Never fails: the worst input gives an empty document with a notice.
Document ParseRtf(std::string_view text);

// Reads the RTF file at `path` (a missing, unreadable or oversized file gives an empty
// document whose notice names the file).
Document ReadRtfFile(const std::string& path);

}  // namespace quorin::rtf
