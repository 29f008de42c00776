// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/cp1251.h"

#include <clocale>
#include <cstring>
#include <cwctype>
#include <gtest/gtest.h>
#include <iconv.h>

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

namespace {

// One character through the C library's converter: the code unit it gives, 0 when it fails or
// when the system has no such converter.
char32_t throughLibrary(const char* to, const char* from, const void* input, std::size_t inSize,
                        std::size_t outSize) {
    const iconv_t converter = iconv_open(to, from);
    if (converter == reinterpret_cast<iconv_t>(-1))
        return 0;
    char in[4];
    std::memcpy(in, input, inSize);
    unsigned char out[4] = {};
    char* inPtr = in;
    char* outPtr = reinterpret_cast<char*>(out);
    const bool converted =
        iconv(converter, &inPtr, &inSize, &outPtr, &outSize) != static_cast<std::size_t>(-1);
    iconv_close(converter);
    return converted ? out[0] | (out[1] << 8) | (out[2] << 16) | (char32_t{out[3]} << 24) : 0;
}

} // namespace

// The built-in table against the C library's converter, where the system has one.
TEST(Cp1251AgainstLibraryConverter, EveryByteBothWaysAndNoOtherCharacter) {
    if (throughLibrary("UTF-32LE", "CP1251", "A", 1, 4) != U'A')
        GTEST_SKIP() << "this system has no Windows-1251 converter";
    for (int b = 1; b < 256; ++b) {
        const auto byte = static_cast<unsigned char>(b);
        const char32_t codePoint = throughLibrary("UTF-32LE", "CP1251", &byte, 1, 4);
        EXPECT_EQ(cp::toUnicode(byte), codePoint) << "byte " << b;
        if (codePoint != 0) {
            EXPECT_EQ(cp::fromUnicode(codePoint), b) << "byte " << b;
        }
    }
    // Every character of the blocks the code page draws on that it lacks, it lacks for both.
    for (char32_t codePoint = 1; codePoint < 0x2200; ++codePoint) {
        const unsigned char utf32[4] = {static_cast<unsigned char>(codePoint),
                                        static_cast<unsigned char>(codePoint >> 8), 0, 0};
        EXPECT_EQ(cp::fromUnicode(codePoint), throughLibrary("CP1251", "UTF-32LE", utf32, 4, 1))
            << "U+" << std::hex << static_cast<unsigned>(codePoint);
    }
}
