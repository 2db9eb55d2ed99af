#include <gtest/gtest.h>

#include <cctype>
#include <string>

#include "info/RtfDocument.h"

namespace quorin::rtf {
namespace {

const std::string kSource = QUORIN_SOURCE_DIR;

TEST(RtfDocument, ShippedDocumentsReadWholeWithTheirLook) {
    for (const char* name : {"quorin.rtf", "whatsnew.rtf"}) {
        SCOPED_TRACE(name);
        const Document doc = ReadRtfFile(kSource + "/data/" + name);
        EXPECT_EQ(doc.notice, "");
        ASSERT_GT(doc.paragraphs.size(), 10U);
        EXPECT_EQ(doc.colors.size(), 4U);
        EXPECT_FALSE(doc.fonts.empty());
        const Paragraph& title = doc.paragraphs.front();
        EXPECT_EQ(title.align, Align::kCenter);
        ASSERT_FALSE(title.runs.empty());
        EXPECT_TRUE(title.runs.front().format.bold);
        EXPECT_NE(doc.ColorOf(title.runs.front().format), nullptr);
        // No markup may leak into the text (the help shows a few literal backslashes).
        for (const Paragraph& paragraph : doc.paragraphs) {
            const std::string text = paragraph.Text();
            EXPECT_EQ(text.find_first_of("{}"), std::string::npos) << text;
            for (size_t at = text.find('\\'); at != std::string::npos; at = text.find('\\', at + 1))
                EXPECT_FALSE(at + 1 < text.size() && std::isalpha(text[at + 1])) << text;
        }
    }
    const Document help = ReadRtfFile(kSource + "/data/quorin.rtf");
    EXPECT_EQ(help.paragraphs.front().Text(), "Quorin Help");
    EXPECT_EQ(help.FontOf(help.paragraphs.front().runs.front().format), "Times New Roman");
}

TEST(RtfDocument, EveryControlWeUse) {
    const Document doc = ParseRtf(
        "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Arial;}{\\f1 Courier New;}}"
        "{\\colortbl;\\red255\\green0\\blue0;\\red0\\green0\\blue200;}"
        "{\\stylesheet{\\s0 Normal;}}{\\info{\\title Hidden}}{\\*\\unknown hidden}"
        "\\pard\\qc\\sb120\\sa60\\li720\\ri360\\fi-360 plain {\\b bold}{\\i italic}"
        "{\\ul under\\ulnone line}{\\fs40 big}{\\cf1 red}{\\f1 mono}\\par"
        "\\pard\\qr a\\tab b\\line c\\par"
        "\\qj caf\\'e9 \\u8364? \\uc2\\u9733xx! \\u-4064?\\bullet\\par"
        "{\\b\\b0 off}\\~x\\par"
        "}");
    EXPECT_EQ(doc.notice, "");
    ASSERT_EQ(doc.paragraphs.size(), 4U);

    const Paragraph& first = doc.paragraphs[0];
    EXPECT_EQ(first.Text(), "plain bolditalicunderlinebigredmono");
    EXPECT_EQ(first.align, Align::kCenter);
    EXPECT_EQ(first.spaceBefore, 120);
    EXPECT_EQ(first.spaceAfter, 60);
    EXPECT_EQ(first.leftIndent, 720);
    EXPECT_EQ(first.rightIndent, 360);
    EXPECT_EQ(first.firstIndent, -360);
    ASSERT_EQ(first.runs.size(), 8U);
    EXPECT_FALSE(first.runs[0].format.bold);
    EXPECT_TRUE(first.runs[1].format.bold);
    EXPECT_TRUE(first.runs[2].format.italic);
    EXPECT_TRUE(first.runs[3].format.underline);
    EXPECT_EQ(first.runs[4].text, "line");
    EXPECT_FALSE(first.runs[4].format.underline);
    EXPECT_EQ(first.runs[5].format.halfPoints, 40);
    ASSERT_NE(doc.ColorOf(first.runs[6].format), nullptr);
    EXPECT_EQ(*doc.ColorOf(first.runs[6].format), (Color{255, 0, 0, false}));
    EXPECT_EQ(doc.ColorOf(first.runs[0].format), nullptr);
    EXPECT_EQ(doc.FontOf(first.runs[7].format), "Courier New");
    EXPECT_EQ(doc.FontOf(first.runs[0].format), "Arial");

    EXPECT_EQ(doc.paragraphs[1].Text(), "a\tb\nc");
    EXPECT_EQ(doc.paragraphs[1].align, Align::kRight);
    // Paragraph properties hold until \pard; fallbacks after \u are skipped by \uc's count.
    EXPECT_EQ(doc.paragraphs[2].align, Align::kJustify);
    EXPECT_EQ(doc.paragraphs[2].Text(), "caf\u00e9 \u20ac \u2605! \uf020\u2022");
    EXPECT_EQ(doc.paragraphs[3].Text(), "off\u00a0x");
    EXPECT_FALSE(doc.paragraphs[3].runs.front().format.bold);
}

TEST(RtfDocument, DamagedInputGivesWhatCouldBeRead) {
    // An unclosed document keeps its text and says it is damaged; a stray close is ignored.
    const Document unclosed = ParseRtf("{\\rtf1 {\\b one\\par two");
    ASSERT_EQ(unclosed.paragraphs.size(), 2U);
    EXPECT_EQ(unclosed.paragraphs[1].Text(), "two");
    EXPECT_NE(unclosed.notice, "");
    const Document stray = ParseRtf("{\\rtf1 a}}} b}");
    EXPECT_EQ(stray.notice, "");
    ASSERT_EQ(stray.paragraphs.size(), 1U);
    EXPECT_EQ(stray.paragraphs[0].Text(), "a");

    // A control word of ten thousand letters is consumed whole and means nothing.
    const Document longWord = ParseRtf("{\\rtf1 x\\" + std::string(10000, 'b') + " y}");
    ASSERT_EQ(longWord.paragraphs.size(), 1U);
    EXPECT_EQ(longWord.paragraphs[0].Text(), "xy");
    EXPECT_FALSE(longWord.paragraphs[0].runs[0].format.bold);

    // Out-of-range and lone surrogate \u give the replacement character; huge parameters
    // are clamped rather than overflowing.
    const Document unicode =
        ParseRtf("{\\rtf1 \\u99999?\\u-40000?\\u55296?x\\u12345678901234567890?\\fs99999999999 z}");
    ASSERT_EQ(unicode.paragraphs.size(), 1U);
    EXPECT_EQ(unicode.paragraphs[0].Text(), "\ufffd\ufffd\ufffdx\ufffdz");
    EXPECT_EQ(unicode.paragraphs[0].runs.back().format.halfPoints, 3276);
    const Document pair = ParseRtf("{\\rtf1 \\u-10179?\\u-8704?}");
    EXPECT_EQ(pair.paragraphs.at(0).Text(), "\U0001F600");

    // A truncated escape ends the text; a bad one is read as plain text.
    for (const char* cut : {"{\\rtf1 ab\\'", "{\\rtf1 ab\\'4"}) {
        const Document truncated = ParseRtf(cut);
        ASSERT_EQ(truncated.paragraphs.size(), 1U) << cut;
        EXPECT_EQ(truncated.paragraphs[0].Text(), "ab");
        EXPECT_NE(truncated.notice, "");
    }
    EXPECT_EQ(ParseRtf("{\\rtf1 \\'zz}").paragraphs.at(0).Text(), "zz");

    // Deep nesting neither overflows the stack nor loses the text inside.
    const size_t depth = 100000;
    const Document deep = ParseRtf("{\\rtf1 " + std::string(depth, '{') + "\\b deep" +
                                   std::string(depth, '}') + " after}");
    EXPECT_EQ(deep.notice, "");
    ASSERT_EQ(deep.paragraphs.size(), 1U);
    EXPECT_EQ(deep.paragraphs[0].Text(), "deep after");

    // \bin skips its bytes, even when they claim more than there is.
    EXPECT_EQ(ParseRtf("{\\rtf1 a{\\bin3 }{}b}").paragraphs.at(0).Text(), "ab");
    EXPECT_TRUE(ParseRtf("{\\rtf1 a\\bin999999 b}").paragraphs.at(0).Text() == "a");
}

TEST(RtfDocument, NotRtfOrMissingGivesANotice) {
    const Document plain = ParseRtf("Just some text");
    EXPECT_TRUE(plain.paragraphs.empty());
    EXPECT_EQ(plain.notice, "This document is not in rich text format.");
    EXPECT_NE(ParseRtf("").notice, "");

    const Document missing = ReadRtfFile(kSource + "/data/no-such-help.rtf");
    EXPECT_TRUE(missing.paragraphs.empty());
    EXPECT_NE(missing.notice.find("no-such-help.rtf"), std::string::npos) << missing.notice;
    const Document folder = ReadRtfFile(kSource + "/data");
    EXPECT_NE(folder.notice, "");
}

}  // namespace
}  // namespace quorin::rtf
