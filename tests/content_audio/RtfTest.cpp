// The help documents are read by the help window's own small RTF reader, which knows only
// a few control words: the documents must keep to them, and be complete.
#include <gtest/gtest.h>

#include <cctype>
#include <set>
#include <string>

#include "ContentFiles.h"

namespace {

std::string ReadText(const std::string& relative) {
    const auto bytes = content_test::ReadBytes(content_test::SourcePath(relative));
    return {bytes.begin(), bytes.end()};
}

struct RtfScan {
    std::set<std::string> words;  // control words outside the tables
    std::set<int> fontsUsed;
    std::set<int> coloursUsed;
    int fontsDefined = 0;
    int coloursDefined = 0;  // entries of the colour table, the automatic one included
    std::string text;        // the visible characters
    std::vector<std::string> errors;
};

RtfScan Scan(const std::string& rtf) {
    RtfScan s;
    static const std::set<std::string> kTableWords{"red", "green", "blue"};
    int depth = 0;
    int tableDepth = 0;  // depth of the font or colour table being read, 0 outside
    std::string table;
    for (size_t i = 0; i < rtf.size(); ++i) {
        const unsigned char c = rtf[i];
        if (c >= 0x80) {
            s.errors.push_back("byte above ASCII at " + std::to_string(i));
        } else if (c == '{') {
            ++depth;
        } else if (c == '}') {
            if (depth == tableDepth) {
                tableDepth = 0;
            }
            if (--depth == 0 && rtf.find_first_not_of("\r\n", i + 1) != std::string::npos) {
                s.errors.push_back("text after the document's closing brace");
            }
            if (depth < 0) {
                s.errors.push_back("closing brace without its opening one at " + std::to_string(i));
                return s;
            }
        } else if (c == '\\') {
            if (i + 1 >= rtf.size()) {
                s.errors.push_back("backslash at the end");
                break;
            }
            const char next = rtf[i + 1];
            if (next == '{' || next == '}' || next == '\\') {
                if (tableDepth == 0) {
                    s.text += next;
                }
                ++i;
                continue;
            }
            if (next == '\'') {
                if (i + 3 >= rtf.size() || !std::isxdigit(static_cast<unsigned char>(rtf[i + 2])) ||
                    !std::isxdigit(static_cast<unsigned char>(rtf[i + 3]))) {
                    s.errors.push_back("\\' without two hexadecimal digits at " +
                                       std::to_string(i));
                }
                i += 3;
                continue;
            }
            size_t end = i + 1;
            while (end < rtf.size() && std::isalpha(static_cast<unsigned char>(rtf[end]))) {
                ++end;
            }
            const std::string word = rtf.substr(i + 1, end - i - 1);
            if (word.empty()) {
                s.errors.push_back(std::string("control symbol \\") + next + " at " +
                                   std::to_string(i));
                ++i;
                continue;
            }
            size_t numberEnd = end;
            if (numberEnd < rtf.size() && rtf[numberEnd] == '-') {
                ++numberEnd;
            }
            while (numberEnd < rtf.size() &&
                   std::isdigit(static_cast<unsigned char>(rtf[numberEnd]))) {
                ++numberEnd;
            }
            const std::string number = rtf.substr(end, numberEnd - end);
            const int value = number.empty() || number == "-" ? 0 : std::stoi(number);
            if (word == "fonttbl" || word == "colortbl") {
                tableDepth = depth;
                table = word;
            } else if (tableDepth != 0 && table == "fonttbl" && word == "f") {
                ++s.fontsDefined;
            } else if (tableDepth != 0 && table == "colortbl" && kTableWords.contains(word)) {
                // counted at the semicolons
            } else {
                s.words.insert(word);
                if (tableDepth != 0) {
                    s.errors.push_back("\\" + word + " inside the " + table);
                } else if (word == "f") {
                    s.fontsUsed.insert(value);
                } else if (word == "cf") {
                    s.coloursUsed.insert(value);
                } else if (word == "tab" || word == "bullet") {
                    s.text += ' ';
                } else if (word == "par" || word == "line") {
                    s.text += '\n';
                }
            }
            // A space ends a control word and belongs to it.
            i = numberEnd < rtf.size() && rtf[numberEnd] == ' ' ? numberEnd : numberEnd - 1;
        } else if (tableDepth != 0) {
            if (c == ';' && table == "colortbl") {
                ++s.coloursDefined;
            }
        } else if (c != '\r' && c != '\n' && depth > 0) {
            s.text += static_cast<char>(c);
        }
    }
    if (depth != 0) {
        s.errors.push_back(std::to_string(depth) + " group(s) left open");
    }
    return s;
}

class HelpDocument : public testing::TestWithParam<const char*> {};

TEST_P(HelpDocument, UsesOnlyWhatTheHelpReaderKnows) {
    const std::string rtf = ReadText(std::string("data/") + GetParam());
    ASSERT_FALSE(rtf.empty()) << GetParam() << " is missing";
    EXPECT_EQ(rtf.rfind("{\\rtf1", 0), 0u) << "must start with {\\rtf1";
    const RtfScan s = Scan(rtf);
    for (const std::string& e : s.errors) {
        ADD_FAILURE() << e;
    }
    static const std::set<std::string> kKnown{
        "rtf", "ansi", "deff", "fonttbl", "colortbl", "pard", "par",   "line",
        "tab", "b",    "i",    "ul",      "ulnone",   "fs",   "cf",    "f",
        "li",  "fi",   "qc",   "ql",      "sb",       "sa",   "bullet"};
    for (const std::string& word : s.words) {
        EXPECT_TRUE(kKnown.contains(word)) << "\\" << word << " is unknown to the help reader";
    }
    for (int f : s.fontsUsed) {
        EXPECT_LT(f, s.fontsDefined) << "\\f" << f << " is not in the font table";
    }
    for (int c : s.coloursUsed) {
        EXPECT_LT(c, s.coloursDefined) << "\\cf" << c << " is not in the colour table";
    }
}

INSTANTIATE_TEST_SUITE_P(Data, HelpDocument, testing::Values("quorin.rtf", "whatsnew.rtf"),
                         [](const testing::TestParamInfo<const char*>& info) {
                             return std::string(info.param).substr(0, 5) == "quori" ? "Help"
                                                                                    : "WhatsNew";
                         });

TEST(HelpText, ListsEveryShortcutAndGame) {
    const RtfScan s = Scan(ReadText("data/quorin.rtf"));
    for (const char* shortcut :
         {"F1",     "F2",       "Shift+F2", "F3",     "Shift+F3", "F4",     "Shift+F4",
          "F5",     "Shift+F5", "F10",      "F11",    "F12",      "Ctrl+Z", "Ctrl+H",
          "Ctrl+S", "Ctrl+X",   "Ctrl+R",   "Ctrl+L", "Ctrl+M",   "Ctrl+F", "Ctrl+B",
          "Ctrl+G", "Ctrl+T",   "Ctrl+C",   "Ctrl+D", "Ctrl+E"}) {
        // A whole entry of the shortcut list: the key, then its command.
        EXPECT_NE(s.text.find(std::string(shortcut) + " \""), std::string::npos) << shortcut;
    }
    for (const char* caption :
         {"\"Winnable Layouts (in at least one way)\"", "\"Vertical Variation\"",
          "\"Enable time tracking for the Hall of fame\"", "\"Move to top /\\\"",
          "\"Move to bottom \\/\"", "Rivers", "Memory", "Clicks", "Hall of Fame"}) {
        EXPECT_NE(s.text.find(caption), std::string::npos) << caption;
    }
}

}  // namespace
