// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/cp1251.h"

#include <clocale>
#include <cwctype>
#include <gtest/gtest.h>

namespace cp = besedka::cp1251;

namespace {

// What Unicode says the case of a byte is, through the C library, independent of our table.
char referenceCase(unsigned char byte, std::wint_t (*mapping)(std::wint_t)) {
    const char32_t code = cp::toUnicode(byte);
    if (code == 0)
        return static_cast<char>(byte);
    const auto mapped = static_cast<char32_t>(mapping(static_cast<std::wint_t>(code)));
    const unsigned char back = cp::fromUnicode(mapped);
    return back != 0 ? static_cast<char>(back) : static_cast<char>(byte);
}

class Cp1251Case : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_NE(std::setlocale(LC_CTYPE, "C.UTF-8"), nullptr); }
    void TearDown() override { std::setlocale(LC_CTYPE, "C"); }
};

} // namespace

TEST_F(Cp1251Case, EveryByteMatchesUnicodeCaseMapping) {
    for (int b = 0; b < 256; ++b) {
        const auto byte = static_cast<unsigned char>(b);
        const char c = static_cast<char>(byte);
        EXPECT_EQ(cp::upper(c), referenceCase(byte, std::towupper)) << "byte " << b;
        EXPECT_EQ(cp::lower(c), referenceCase(byte, std::towlower)) << "byte " << b;
    }
}

TEST_F(Cp1251Case, RussianAndOtherCyrillicLetters) {
    EXPECT_EQ(cp::toUtf8(cp::upper(cp::fromUtf8("ёжик в тумане"))), "ЁЖИК В ТУМАНЕ");
    EXPECT_EQ(cp::toUtf8(cp::upper(cp::fromUtf8("їжак ґанок ўсё љубав"))), "ЇЖАК ҐАНОК ЎСЁ ЉУБАВ");
    EXPECT_EQ(cp::toUtf8(cp::lower(cp::fromUtf8("ЁЛКА Hello"))), "ёлка hello");
    EXPECT_EQ(cp::toUtf8(cp::upper(cp::fromUtf8("µ 1,2!"))), "µ 1,2!");
}

TEST(Cp1251Conversion, EveryDefinedByteRoundTripsThroughUtf8) {
    for (int b = 1; b < 256; ++b) {
        const std::string byte(1, static_cast<char>(b));
        if (b == 0x98) {
            EXPECT_EQ(cp::toUtf8(byte), "?");
            continue;
        }
        EXPECT_EQ(cp::fromUtf8(cp::toUtf8(byte)), byte) << "byte " << b;
    }
}

TEST(Cp1251Conversion, CharactersWithoutAFormAndBrokenUtf8BecomeQuestionMarks) {
    EXPECT_EQ(cp::fromUtf8("日本 ok"), "?? ok");
    EXPECT_EQ(cp::fromUtf8("😀"), "?");
    EXPECT_EQ(cp::fromUtf8("a\xC3"), "a?");         // truncated sequence
    EXPECT_EQ(cp::fromUtf8("\xC0\xAF"), "??");      // overlong form of '/'
    EXPECT_EQ(cp::fromUtf8("\xED\xA0\x80"), "???"); // a lone surrogate
    EXPECT_EQ(cp::toUtf8(cp::fromUtf8("Привет — «мир» №1")), "Привет — «мир» №1");
}

TEST(Cp1251Conversion, Utf8IsRecognisedOnlyWithMultiByteText) {
    EXPECT_TRUE(cp::looksLikeUtf8("Привет"));
    EXPECT_FALSE(cp::looksLikeUtf8("plain ascii"));
    EXPECT_FALSE(cp::looksLikeUtf8(cp::fromUtf8("Привет, как дела?")));
    EXPECT_FALSE(cp::looksLikeUtf8("abc\xFF"));
}
