#include "info/RtfDocument.h"

#include <algorithm>
#include <array>
#include <cstddef>

#include "platform/SafeFile.h"

namespace quorin::rtf {

namespace {

// Bounds that keep damaged input cheap. Real documents stay far below them.
constexpr size_t kMaxDepth = 200;        // deeper groups are read but their state is shared
constexpr size_t kMaxWordLetters = 32;   // longer control words are consumed and ignored
constexpr int kMaxParameterDigits = 10;  // further digits are consumed and ignored
constexpr size_t kMaxFonts = 1024;
constexpr size_t kMaxFontName = 256;
constexpr size_t kMaxColors = 1024;
constexpr int kMaxUnicodeSkip = 16;

// Windows code page 1252, the "ansi" of our documents: bytes 0x80-0x9F differ from Latin-1.
constexpr std::array<char16_t, 32> kCp1252High = {
    0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};

char32_t FromCp1252(unsigned char byte) {
    if (byte >= 0x80 && byte < 0xA0)
        return kCp1252High[byte - 0x80];
    return byte;
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c >= 0xD800 && c < 0xE000)
        c = 0xFFFD;
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x110000) {
        out.push_back(static_cast<char>(0xF0 | (c >> 18)));
        out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        AppendUtf8(out, 0xFFFD);
    }
}

int HexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool IsLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

enum class Destination { kText, kSkip, kFontTable, kColorTable };

struct ParaFormat {
    Align align = Align::kLeft;
    int leftIndent = 0, rightIndent = 0, firstIndent = 0, spaceBefore = 0, spaceAfter = 0;
};

struct State {
    Destination destination = Destination::kText;
    CharFormat chr;
    ParaFormat para;
    int unicodeSkip = 1;  // \uc: how many fallback characters follow each \u
};

// Destinations whose content is not part of the text we show.
bool IsSkippedDestination(std::string_view word) {
    static constexpr std::array<std::string_view, 30> kSkipped = {
        "stylesheet",        "info",         "pict",      "object",     "header",
        "headerl",           "headerr",      "headerf",   "footer",     "footerl",
        "footerr",           "footerf",      "footnote",  "fldinst",    "listtable",
        "listoverridetable", "revtbl",       "generator", "themedata",  "colorschememapping",
        "datastore",         "latentstyles", "xmlnstbl",  "rsidtbl",    "mmathPr",
        "bkmkstart",         "bkmkend",      "filetbl",   "annotation", "atnid"};
    return std::find(kSkipped.begin(), kSkipped.end(), word) != kSkipped.end();
}

class Parser {
  public:
    explicit Parser(std::string_view text) : text_(text) {}

    Document Parse() {
        size_t start = 0;
        while (start < text_.size() && (text_[start] == ' ' || text_[start] == '\r' ||
                                        text_[start] == '\n' || text_[start] == '\t'))
            ++start;
        if (text_.substr(start, 5) != "{\\rtf") {
            doc_.notice = "This document is not in rich text format.";
            return std::move(doc_);
        }
        pos_ = start;
        bool closed = false;
        while (pos_ < text_.size() && !closed) {
            const char c = text_[pos_++];
            switch (c) {
                case '{':
                    OpenGroup();
                    break;
                case '}':
                    closed = CloseGroup();
                    break;
                case '\\':
                    ControlSymbolOrWord();
                    break;
                case '\r':
                case '\n':
                    break;
                default:
                    Character(static_cast<unsigned char>(c));
                    break;
            }
        }
        EndParagraph(/*force=*/false);
        if (!closed && doc_.notice.empty())
            doc_.notice = "This document is damaged; only part of it could be read.";
        return std::move(doc_);
    }

  private:
    State& Top() { return stack_.back(); }

    void OpenGroup() {
        if (stack_.size() >= kMaxDepth) {
            ++overflow_;  // too deep to keep apart: share the deepest state
        } else {
            stack_.push_back(stack_.empty() ? State{} : stack_.back());
        }
        starredGroup_ = false;
        groupStart_ = true;
        FlushFontName();
    }

    // True when the outermost group closed: the document ends there.
    bool CloseGroup() {
        groupStart_ = false;
        starredGroup_ = false;
        FlushFontName();
        if (overflow_ > 0) {
            --overflow_;
            return false;
        }
        if (stack_.empty())
            return true;
        stack_.pop_back();
        return stack_.empty();
    }

    void ControlSymbolOrWord() {
        if (pos_ >= text_.size())
            return;
        const char c = text_[pos_];
        if (!IsLetter(c)) {
            ++pos_;
            ControlSymbol(c);
            groupStart_ = false;
            return;
        }
        const size_t wordStart = pos_;
        while (pos_ < text_.size() && IsLetter(text_[pos_]))
            ++pos_;
        const std::string_view word = text_.substr(wordStart, pos_ - wordStart);
        bool hasParameter = false;
        bool negative = false;
        long long parameter = 0;
        if (pos_ < text_.size() && text_[pos_] == '-' && pos_ + 1 < text_.size() &&
            text_[pos_ + 1] >= '0' && text_[pos_ + 1] <= '9') {
            negative = true;
            ++pos_;
        }
        int digits = 0;
        while (pos_ < text_.size() && text_[pos_] >= '0' && text_[pos_] <= '9') {
            if (digits++ < kMaxParameterDigits)
                parameter = parameter * 10 + (text_[pos_] - '0');
            hasParameter = true;
            ++pos_;
        }
        if (pos_ < text_.size() && text_[pos_] == ' ')
            ++pos_;  // the delimiting space belongs to the control word
        if (word.size() > kMaxWordLetters)
            return;
        const long long clamped =
            std::clamp(negative ? -parameter : parameter, -2147483647LL, 2147483647LL);
        ControlWord(word, hasParameter, static_cast<int>(clamped));
        groupStart_ = false;
    }

    void ControlSymbol(char c) {
        switch (c) {
            case '\\':
            case '{':
            case '}':
                Character(static_cast<unsigned char>(c));
                break;
            case '~':
                Emit(0x00A0);
                break;
            case '_':
                Emit(0x2011);
                break;
            case '*':
                if (groupStart_ && !stack_.empty())
                    starredGroup_ = true;
                break;
            case '\'': {
                if (pos_ + 2 > text_.size()) {
                    pos_ = text_.size();  // a truncated escape ends the document
                    return;
                }
                const int high = HexValue(text_[pos_]);
                const int low = HexValue(text_[pos_ + 1]);
                if (high < 0 || low < 0)
                    return;  // not an escape after all; the characters are read as text
                pos_ += 2;
                Character(static_cast<unsigned char>(high * 16 + low));
                break;
            }
            case '\r':
            case '\n':
                EndParagraph(/*force=*/true);  // "\" before a newline is a \par
                break;
            default:
                break;  // \- optional hyphen, \| and others: nothing to show
        }
    }

    void ControlWord(std::string_view word, bool hasParameter, int parameter) {
        if (stack_.empty())
            return;
        State& state = Top();
        const int value = hasParameter ? parameter : 1;
        if (starredGroup_) {
            // {\*\word ...}: an optional destination we do not know is skipped whole.
            starredGroup_ = false;
            state.destination = Destination::kSkip;
            return;
        }
        if (word == "bin") {
            // Raw binary data: skip it without reading it as text.
            const size_t count = hasParameter && parameter > 0 ? static_cast<size_t>(parameter) : 0;
            pos_ += std::min(count, text_.size() - pos_);
            return;
        }
        if (IsSkippedDestination(word)) {
            state.destination = Destination::kSkip;
            return;
        }
        if (word == "fonttbl") {
            state.destination = Destination::kFontTable;
            return;
        }
        if (word == "colortbl") {
            state.destination = Destination::kColorTable;
            colorPending_ = Color{};
            return;
        }
        if (state.destination == Destination::kFontTable) {
            if (word == "f") {
                FlushFontName();
                fontNumber_ = parameter;
                fontName_.clear();
                inFontName_ = true;
            }
            return;
        }
        if (state.destination == Destination::kColorTable) {
            const uint8_t component = static_cast<uint8_t>(std::clamp(parameter, 0, 255));
            if (word == "red" || word == "green" || word == "blue") {
                colorPending_.automatic = false;
                (word == "red"     ? colorPending_.red
                 : word == "green" ? colorPending_.green
                                   : colorPending_.blue) = component;
            }
            return;
        }

        CharFormat& chr = state.chr;
        ParaFormat& para = state.para;
        if (word == "par") {
            if (state.destination == Destination::kText)
                EndParagraph(/*force=*/true);
        } else if (word == "line") {
            Emit('\n');
        } else if (word == "tab") {
            Emit('\t');
        } else if (word == "pard") {
            para = ParaFormat{};
        } else if (word == "plain") {
            chr = CharFormat{};
        } else if (word == "b") {
            chr.bold = value != 0;
        } else if (word == "i") {
            chr.italic = value != 0;
        } else if (word == "ul") {
            chr.underline = value != 0;
        } else if (word == "ulnone") {
            chr.underline = false;
        } else if (word == "fs") {
            chr.halfPoints = hasParameter ? std::clamp(parameter, 2, 3276) : 24;
        } else if (word == "cf") {
            chr.color = std::max(parameter, 0);
        } else if (word == "f") {
            chr.font = parameter;
        } else if (word == "deff") {
            doc_.defaultFont = parameter;
        } else if (word == "ql") {
            para.align = Align::kLeft;
        } else if (word == "qc") {
            para.align = Align::kCenter;
        } else if (word == "qr") {
            para.align = Align::kRight;
        } else if (word == "qj") {
            para.align = Align::kJustify;
        } else if (word == "li") {
            para.leftIndent = Twips(parameter);
        } else if (word == "ri") {
            para.rightIndent = Twips(parameter);
        } else if (word == "fi") {
            para.firstIndent = Twips(parameter);
        } else if (word == "sb") {
            para.spaceBefore = std::max(Twips(parameter), 0);
        } else if (word == "sa") {
            para.spaceAfter = std::max(Twips(parameter), 0);
        } else if (word == "uc") {
            state.unicodeSkip = std::clamp(parameter, 0, kMaxUnicodeSkip);
        } else if (word == "u") {
            Unicode(hasParameter, parameter);
        } else if (word == "bullet") {
            Emit(0x2022);
        } else if (word == "emdash") {
            Emit(0x2014);
        } else if (word == "endash") {
            Emit(0x2013);
        } else if (word == "lquote") {
            Emit(0x2018);
        } else if (word == "rquote") {
            Emit(0x2019);
        } else if (word == "ldblquote") {
            Emit(0x201C);
        } else if (word == "rdblquote") {
            Emit(0x201D);
        }
    }

    // Indents beyond a few metres are damage, not layout.
    static int Twips(int value) { return std::clamp(value, -31680, 31680); }

    void Unicode(bool hasParameter, int parameter) {
        if (!hasParameter)
            return;
        // \u takes a signed 16-bit number; negative values stand for 32768-65535.
        char32_t c = 0xFFFD;
        if (parameter >= -32768 && parameter <= 65535)
            c = static_cast<char32_t>(parameter < 0 ? parameter + 65536 : parameter);
        if (c >= 0xD800 && c < 0xDC00) {
            pendingHigh_ = c;
        } else if (c >= 0xDC00 && c < 0xE000 && pendingHigh_ != 0) {
            Emit(0x10000 + ((pendingHigh_ - 0xD800) << 10) + (c - 0xDC00));
            pendingHigh_ = 0;
        } else {
            Emit(c);
        }
        SkipFallback(Top().unicodeSkip);
    }

    // Skips the fallback characters after \u: plain bytes and \'hh escapes count one each;
    // a group brace or another control word ends the fallback early.
    void SkipFallback(int count) {
        while (count > 0 && pos_ < text_.size()) {
            const char c = text_[pos_];
            if (c == '{' || c == '}')
                return;
            if (c == '\\') {
                if (pos_ + 1 < text_.size() && text_[pos_ + 1] == '\'') {
                    pos_ = std::min(pos_ + 4, text_.size());
                } else {
                    return;
                }
            } else if (c != '\r' && c != '\n') {
                ++pos_;
            } else {
                ++pos_;
                continue;
            }
            --count;
        }
    }

    void Character(unsigned char byte) {
        starredGroup_ = false;  // "{\*" not followed by a control word marks nothing
        groupStart_ = false;
        if (stack_.empty())
            return;
        switch (Top().destination) {
            case Destination::kText:
                Emit(FromCp1252(byte));
                break;
            case Destination::kFontTable:
                if (byte == ';') {
                    FlushFontName();
                } else if (inFontName_ && fontName_.size() < kMaxFontName) {
                    AppendUtf8(fontName_, FromCp1252(byte));
                }
                break;
            case Destination::kColorTable:
                if (byte == ';') {
                    if (doc_.colors.size() < kMaxColors)
                        doc_.colors.push_back(colorPending_);
                    colorPending_ = Color{};
                }
                break;
            case Destination::kSkip:
                break;
        }
    }

    void FlushFontName() {
        if (!inFontName_)
            return;
        inFontName_ = false;
        while (!fontName_.empty() && fontName_.front() == ' ')
            fontName_.erase(fontName_.begin());
        if (doc_.fonts.size() < kMaxFonts || doc_.fonts.count(fontNumber_) != 0)
            doc_.fonts[fontNumber_] = fontName_;
        fontName_.clear();
    }

    void Emit(char32_t c) {
        if (stack_.empty() || Top().destination != Destination::kText)
            return;
        if (pendingHigh_ != 0 && !(c >= 0x10000)) {
            pendingHigh_ = 0;
            AppendTo(0xFFFD);  // a high surrogate without its low half
        }
        AppendTo(c);
    }

    void AppendTo(char32_t c) {
        const State& state = Top();
        if (current_.runs.empty())
            SetParagraphFormat(state.para);
        if (current_.runs.empty() || !(current_.runs.back().format == state.chr))
            current_.runs.push_back(Run{state.chr, {}});
        AppendUtf8(current_.runs.back().text, c);
    }

    void SetParagraphFormat(const ParaFormat& para) {
        current_.align = para.align;
        current_.leftIndent = para.leftIndent;
        current_.rightIndent = para.rightIndent;
        current_.firstIndent = para.firstIndent;
        current_.spaceBefore = para.spaceBefore;
        current_.spaceAfter = para.spaceAfter;
    }

    // Ends the paragraph being read; `force` keeps an empty one (a blank line of the text).
    void EndParagraph(bool force) {
        if (current_.runs.empty() && !force)
            return;
        // The paragraph takes the properties in force at its \par, as RTF defines.
        if (!stack_.empty())
            SetParagraphFormat(Top().para);
        doc_.paragraphs.push_back(std::move(current_));
        current_ = Paragraph{};
    }

    std::string_view text_;
    size_t pos_ = 0;
    std::vector<State> stack_;
    size_t overflow_ = 0;
    bool groupStart_ = false;
    bool starredGroup_ = false;
    int fontNumber_ = 0;
    std::string fontName_;
    bool inFontName_ = false;
    Color colorPending_;
    char32_t pendingHigh_ = 0;
    Paragraph current_;
    Document doc_;
};

}  // namespace

std::string Paragraph::Text() const {
    std::string text;
    for (const Run& run : runs)
        text += run.text;
    return text;
}

const Color* Document::ColorOf(const CharFormat& format) const {
    if (format.color <= 0 || static_cast<size_t>(format.color) >= colors.size())
        return nullptr;
    const Color& color = colors[static_cast<size_t>(format.color)];
    return color.automatic ? nullptr : &color;
}

std::string Document::FontOf(const CharFormat& format) const {
    const auto found = fonts.find(format.font < 0 ? defaultFont : format.font);
    return found == fonts.end() ? std::string() : found->second;
}

Document ParseRtf(std::string_view text) {
    return Parser(text).Parse();
}

Document ReadRtfFile(const std::string& path) {
    const ReadResult read = ReadRegularFile(path, kMaxDocumentBytes);
    if (!read.ok) {
        Document doc;
        doc.notice = ReadFailureMessage(path, read.error);
        return doc;
    }
    return ParseRtf(read.data);
}

}  // namespace quorin::rtf
