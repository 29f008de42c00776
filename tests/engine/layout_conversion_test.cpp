// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/layout_conversion.h"
#include "platform/core/cp1251.h"

#include <gtest/gtest.h>
#include <string>
#include <string_view>

namespace besedka {
namespace {

// The conversion of a UTF-8 text, one lookup per character, back in UTF-8.
std::string converted(std::string_view utf8) {
    std::string text = cp1251::fromUtf8(utf8);
    for (char& c : text)
        c = cyrillicLayoutCounterpart(c);
    return cp1251::toUtf8(text);
}

TEST(LayoutConversionTest, LetterKeysGiveTheRussianKeyboardRows) {
    EXPECT_EQ(converted("`qwertyuiop[]"), "ёйцукенгшщзхъ");
    EXPECT_EQ(converted("asdfghjkl;"), "фывапролдж");
    EXPECT_EQ(converted("zxcvbnm"), "ячсмить");
    EXPECT_EQ(converted("~QWERTYUIOP{}"), "ЁЙЦУКЕНГШЩЗХЪ");
    EXPECT_EQ(converted("ASDFGHJKL:"), "ФЫВАПРОЛДЖ");
    EXPECT_EQ(converted("ZXCVBNM"), "ЯЧСМИТЬ");
}

TEST(LayoutConversionTest, SignKeysAndTheIrregularRows) {
    EXPECT_EQ(converted("@#$^&"), "\"№;:?");
    EXPECT_EQ(converted("\\|/?"), "\\/.?");
    // The shifted comma and period give lower case, the shifted apostrophe upper case.
    EXPECT_EQ(converted("<>\"'"), "бюЭ'");
    EXPECT_EQ(converted("<jkmijq"), "большой");
    EXPECT_EQ(converted("ghbdtn, vbh!"), "привет, мир!");
    EXPECT_EQ(converted("Ghbdtn"), "Привет");
}

TEST(LayoutConversionTest, ExactlyTheTableChangesABytePastTheAsciiLettersNothing) {
    int changed = 0;
    for (int byte = 0; byte < 256; ++byte) {
        const char c = static_cast<char>(byte);
        if (cyrillicLayoutCounterpart(c) != c)
            ++changed;
        if (byte >= 0x80 || (byte >= '0' && byte <= '9')) {
            EXPECT_EQ(cyrillicLayoutCounterpart(c), c) << byte;
        }
    }
    // 71 rows, of which the backslash stays itself.
    EXPECT_EQ(changed, 70);
    EXPECT_EQ(converted(" !%'()*+,-.=?_0123456789"), " !%'()*+,-.=?_0123456789");
    EXPECT_EQ(converted("уже по-русски, Ёж"), "уже по-русски, Ёж");
}

TEST(LayoutConversionTest, ASecondPassConvertsOnlyWhatTheTableListsAgain) {
    const std::string once = converted("a|b/c @$^ privet");
    EXPECT_EQ(once, "ф/и.с \";: зкшмуе");
    EXPECT_EQ(converted(once), "ф.и.с ЭжЖ зкшмуе");
}

TEST(LayoutConversionTest, ACommaPeriodOrApostropheBetweenLettersIsTheLetterOfItsKey) {
    const auto typed = [](std::string_view utf8) {
        return cp1251::toUtf8(toCyrillicLayout(cp1251::fromUtf8(utf8)));
    };
    EXPECT_EQ(typed("ns k.,bim xfq"), "ты любишь чай");
    EXPECT_EQ(typed("g'nf;"), "пэтаж");
    // Where nothing but punctuation can be meant, the table holds.
    EXPECT_EQ(typed("ghbdtn, vbh. lf'"), "привет, мир. да'");
    EXPECT_EQ(typed("... ,.' 'ok'"), "... ,.' 'щл'");
    // Cyrillic letters were not typed in the Latin layout: their commas stay commas.
    EXPECT_EQ(typed("да,нет"), "да,нет");
}

} // namespace
} // namespace besedka
