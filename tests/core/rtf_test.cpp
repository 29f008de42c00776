// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/cp1251.h"
#include "platform/core/file_error.h"
#include "platform/core/line_list.h"
#include "platform/core/rtf.h"

#include <fstream>
#include <gtest/gtest.h>
#include <random>
#include <sstream>

using besedka::parseLines;
namespace cp = besedka::cp1251;

namespace {

std::vector<std::string> utf8Lines(const std::string& rtf) {
    std::vector<std::string> lines;
    for (const auto& line : parseLines(rtf))
        lines.push_back(cp::toUtf8(line));
    return lines;
}

using Lines = std::vector<std::string>;

// The line a damaged document ends after, -1 when it is read whole.
int endsInsideGroupAfter(const std::string& rtf) {
    try {
        parseLines(rtf);
    } catch (const besedka::UnreadableContent& e) {
        EXPECT_EQ(e.problem().kind(), besedka::FileProblem::Kind::EndsInsideGroup);
        return e.problem().detail();
    }
    return -1;
}

std::string sample(const std::string& name) {
    std::ifstream in(std::string(BESEDKA_TEST_DATA) + "/rtf/" + name, std::ios::binary);
    std::stringstream content;
    content << in.rdbuf();
    return content.str();
}

} // namespace

TEST(RtfWriter, WritesTheControlsFileForm) {
    const std::string rtf = besedka::rtf::write({cp::fromUtf8("Привет {мир}\\"), "a\tb"});
    EXPECT_TRUE(rtf.starts_with("{\\rtf1\\ansi\\ansicpg1251"));
    EXPECT_NE(rtf.find("\\fcharset204"), std::string::npos);
    EXPECT_NE(rtf.find("\\'cf\\'f0\\'e8\\'e2\\'e5\\'f2 \\{\\'ec\\'e8\\'f0\\}\\\\\\par"),
              std::string::npos);
    EXPECT_NE(rtf.find("a\\tab b\\par"), std::string::npos);
    EXPECT_EQ(rtf.find_first_of(std::string("\x80\xFF", 2)), std::string::npos);
}

TEST(RtfWriter, EveryByteStringWithoutLineBreaksReadsBackTheSame) {
    std::mt19937 random(20261207);
    std::uniform_int_distribution<int> byte(1, 255);
    std::uniform_int_distribution<int> length(0, 40);
    std::uniform_int_distribution<int> lineCount(0, 8);
    for (int round = 0; round < 2000; ++round) {
        std::vector<std::string> lines(static_cast<std::size_t>(lineCount(random)));
        for (auto& line : lines) {
            const int n = length(random);
            for (int i = 0; i < n; ++i) {
                int b = byte(random);
                while (b == '\r' || b == '\n')
                    b = byte(random);
                line += static_cast<char>(b);
            }
        }
        ASSERT_EQ(parseLines(besedka::rtf::write(lines)), lines) << "round " << round;
    }
}

TEST(RtfWriter, EmptyLinesAndLeadingBlanksSurvive) {
    const std::vector<std::string> lines = {"", " lead", "", "9 digits", "\\par", ""};
    EXPECT_EQ(parseLines(besedka::rtf::write(lines)), lines);
    EXPECT_TRUE(parseLines(besedka::rtf::write({})).empty());
}

TEST(RtfReader, RichEditOutputWithTrailingNul) {
    const std::string rtf =
        "{\\rtf1\\ansi\\ansicpg1251\\deff0\\deflang1049{\\fonttbl{\\f0\\fnil\\fcharset204{\\*"
        "\\fname "
        "MS Sans Serif;}MS Sans Serif;}}\r\n{\\*\\generator Sample 1.0;}"
        "\\viewkind4\\uc1\\pard\\lang1049\\f0\\fs16\\'cf\\'d0\\'c8\\'c2\\'c5\\'d2.^\\'cf\\'f0\\'e8"
        "\\'e2\\'e5\\'f2!;\\par\r\n_\\'ca\\'c0\\'ca \\'c4\\'c5\\'cb\\'c0?^\\'d5\\'ee\\'f0\\'ee\\'f8"
        "\\'ee.;\\par\r\n}\r\n";
    EXPECT_EQ(utf8Lines(rtf + std::string(1, '\0')),
              (Lines{"ПРИВЕТ.^Привет!;", "_КАК ДЕЛА?^Хорошо.;"}));
}

TEST(RtfReader, WordStyleUnicodeWithFallbacks) {
    const std::string rtf =
        "{\\rtf1\\ansi\\ansicpg1252\\uc1\\deff0{\\fonttbl{\\f0\\froman\\fcharset0 Times New "
        "Roman;}}{\\info{\\title Doc}{\\author Somebody}}{\\colortbl;\\red0\\green0\\blue0;}"
        "{\\stylesheet{\\s0 Normal;}}\\pard\\plain\\f0 \\u1055\\'3f\\u1088\\'3f\\u1080\\'3f "
        "\\uc2\\u1084\\'3f\\'3f\\u1080\\'3f\\'3f\\u1088\\'3f\\'3f\\par "
        "{\\uc0\\u8212}\\uc1\\u-10179\\'3f\\u-8704\\'3f caf\\'e9\\par}";
    EXPECT_EQ(utf8Lines(rtf), (Lines{"При мир", "—? caf?"}));
}

TEST(RtfReader, SymbolWordsEscapesAndSpecialCharacters) {
    const std::string rtf =
        "{\\rtf1\\ansi\\ansicpg1251{\\fonttbl{\\f0\\fcharset204 Arial;}}\\f0 "
        "a\\emdash b\\endash c\\lquote d\\rquote\\ldblquote e\\rdblquote\\bullet "
        "\\\\\\{\\}x\\~y\\-z\\_w\\tab t\\line second\r\n\\par}";
    EXPECT_EQ(utf8Lines(rtf), (Lines{"a—b–c‘d’“e”•\\{}x\u00A0yz-w\tt", "second"}));
}

TEST(RtfReader, SkipsDestinationsAndBinaryData) {
    std::string rtf = "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}{\\*\\unknownthing hidden}"
                      "{\\pict\\wmetafile8 0a0b0c{\\*\\blipuid 1234}}"
                      "{\\header header text}before\\bin5 ";
    rtf += std::string("a}{\\\x01", 5);
    rtf += "after{\\field{\\*\\fldinst HYPERLINK x}{\\fldrslt link}}\\par}";
    EXPECT_EQ(utf8Lines(rtf), (Lines{"beforeafterlink"}));
}

TEST(RtfReader, OtherCodePagesAreConverted) {
    // 0xE0 is 'à' in Windows-1252 (no Cyrillic form: '?'), 'р' in KOI8-R's cousin CP866.
    EXPECT_EQ(utf8Lines("{\\rtf1\\ansi\\ansicpg1252 \\'e0\\'a9\\par}"), (Lines{"?©"}));
    EXPECT_EQ(utf8Lines("{\\rtf1\\ansi\\ansicpg866 \\'e0\\'a0\\par}"), (Lines{"ра"}));
    EXPECT_EQ(
        utf8Lines("{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0\\fcharset0 A;}{\\f1\\fcharset204 "
                  "B;}}\\f0 \\'e9 {\\f1 \\'e9}\\par}"),
        (Lines{"? й"}));
    EXPECT_EQ(utf8Lines("{\\rtf1\\ansi\\ansicpg1250 \\'9a\\'e8\\par}"), (Lines{"??"}));
}

TEST(RtfReader, FilesOfOtherWriters) {
    EXPECT_EQ(utf8Lines(sample("wordpad.rtf")),
              (Lines{"КАК ДЕЛА?^Отлично!;Неплохо.;", "Вторая строка"}));
    EXPECT_EQ(utf8Lines(sample("writer.rtf")), (Lines{"Первая строка", "Вторая — «строка»"}));
    EXPECT_EQ(utf8Lines(sample("pandoc.rtf")), (Lines{"Привет, мир.", "Ещё строка"}));
}

// Read in part, a cut document would lose its end at the next save.
TEST(RtfReader, BrokenInputNeverCrashesAndACutDocumentIsRefused) {
    EXPECT_EQ(endsInsideGroupAfter("{\\rtf1\\ansi\\ansicpg1251 \\'cf\\'f0\\'e8\\par \\'e2"), 2);
    EXPECT_EQ(utf8Lines("{\\rtf1 a}}}}\\par b"), (Lines{"a"}));
    EXPECT_EQ(endsInsideGroupAfter("{\\rtf1 \\'"), 0);
    EXPECT_EQ(endsInsideGroupAfter("{\\rtf1 \\u"), 0);
    EXPECT_EQ(endsInsideGroupAfter("{\\rtf1 \\bin999999999 x}"), 0);
    EXPECT_EQ(
        utf8Lines("{\\rtf1 \\u99999999999999999 \\verylongcontrolwordthatgoesonandonandon1 x}"),
        (Lines{"?x"}));

    std::string deep = "{\\rtf1 ";
    deep += std::string(100000, '{') + "deep" + std::string(100000, '}') + "\\par tail}";
    EXPECT_EQ(utf8Lines(deep), (Lines{"deep", "tail"}));
    EXPECT_EQ(endsInsideGroupAfter(deep.substr(0, deep.size() - 100010)), 1);

    std::mt19937 random(7);
    std::string binary = "{\\rtf1 ";
    for (int i = 0; i < 200000; ++i)
        binary += static_cast<char>(random());
    try {
        parseLines(binary);
    } catch (const besedka::UnreadableContent& e) {
        EXPECT_EQ(e.problem().kind(), besedka::FileProblem::Kind::EndsInsideGroup);
    }
}

TEST(PlainText, NonRtfIsReadAsPlainText) {
    EXPECT_EQ(parseLines("{\\rt not rtf\r\nline"), (Lines{"{\\rt not rtf", "line"}));
    EXPECT_EQ(parseLines(" {\\rtf1 leading blank}"), (Lines{" {\\rtf1 leading blank}"}));
}
