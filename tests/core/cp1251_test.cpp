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

// One conversion through the C library's converter: the output's code unit, or 0 when it fails.
char32_t convertWithLibrary(iconv_t converter, const void* input, std::size_t inputSize,
                            std::size_t outputSize) {
    char in[4];
    std::memcpy(in, input, inputSize);
    unsigned char out[4] = {};
    char* inPtr = in;
    char* outPtr = reinterpret_cast<char*>(out);
    std::size_t inLeft = inputSize;
    std::size_t outLeft = outputSize;
    iconv(converter, nullptr, nullptr, nullptr, nullptr);
    if (iconv(converter, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1))
        return 0;
    return out[0] | (out[1] << 8) | (out[2] << 16) | (char32_t{out[3]} << 24);
}

// The built-in table against the C library's converter, where the system has one.
class Cp1251AgainstLibraryConverter : public ::testing::Test {
protected:
    void SetUp() override {
        toUnicode_ = iconv_open("UTF-32LE", "CP1251");
        fromUnicode_ = iconv_open("CP1251", "UTF-32LE");
        if (toUnicode_ == kNone || fromUnicode_ == kNone)
            GTEST_SKIP() << "this system has no Windows-1251 converter";
    }
    void TearDown() override {
        for (iconv_t converter : {toUnicode_, fromUnicode_})
            if (converter != kNone)
                iconv_close(converter);
    }
    char32_t libraryToUnicode(unsigned char byte) const {
        return convertWithLibrary(toUnicode_, &byte, 1, 4);
    }
    unsigned char libraryFromUnicode(char32_t codePoint) const {
        const unsigned char in[4] = {static_cast<unsigned char>(codePoint),
                                     static_cast<unsigned char>(codePoint >> 8),
                                     static_cast<unsigned char>(codePoint >> 16),
                                     static_cast<unsigned char>(codePoint >> 24)};
        return static_cast<unsigned char>(convertWithLibrary(fromUnicode_, in, 4, 1));
    }

    static inline const iconv_t kNone = reinterpret_cast<iconv_t>(-1);
    iconv_t toUnicode_ = kNone;
    iconv_t fromUnicode_ = kNone;
};

} // namespace

TEST_F(Cp1251AgainstLibraryConverter, EveryByteReadsAsTheLibraryReadsIt) {
    for (int b = 0; b < 256; ++b)
        EXPECT_EQ(cp::toUnicode(static_cast<unsigned char>(b)),
                  libraryToUnicode(static_cast<unsigned char>(b)))
            << "byte " << b;
}

TEST_F(Cp1251AgainstLibraryConverter, EveryByteIsWrittenAsTheLibraryWritesIt) {
    for (int b = 1; b < 256; ++b) {
        const char32_t codePoint = libraryToUnicode(static_cast<unsigned char>(b));
        if (codePoint != 0) {
            EXPECT_EQ(cp::fromUnicode(codePoint), b) << "byte " << b;
        }
    }
    // And nothing else has a form: every other character of the planes the table touches.
    for (char32_t codePoint = 1; codePoint < 0x3000; ++codePoint)
        EXPECT_EQ(cp::fromUnicode(codePoint), libraryFromUnicode(codePoint))
            << "U+" << std::hex << static_cast<unsigned>(codePoint);
}
