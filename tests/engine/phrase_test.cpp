// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/phrase.h"
#include "tests/engine/engine_fixture.h"

#include <gtest/gtest.h>

namespace besedka::test {

namespace {

std::string normalised(std::string_view phrase) {
    return utf(normalisePhrase(cp(phrase)));
}

} // namespace

TEST(NormalisePhrase, CapitalisesALowerCaseRussianFirstLetterOnly) {
    EXPECT_EQ(normalised("привет"), "Привет.");
    EXPECT_EQ(normalised("ёж"), "Ёж.");
    EXPECT_EQ(normalised("я"), "Я.");
    EXPECT_EQ(normalised("а"), "А.");
    EXPECT_EQ(normalised("ok?"), "ok?");
    // Ukrainian letters lie outside the Russian alphabet's codes.
    EXPECT_EQ(normalised("їжак"), "їжак.");
    EXPECT_EQ(normalised("привет Мир"), "Привет Мир.");
}

TEST(NormalisePhrase, CompletesTheEndPunctuationLookingAtTheLastCharacterOnly) {
    EXPECT_EQ(normalised("как дела,"), "Как дела.");
    EXPECT_EQ(normalised("что..."), "Что...");
    EXPECT_EQ(normalised("да,,"), "Да,.");
    EXPECT_EQ(normalised("ура!"), "Ура!");
    EXPECT_EQ(normalised("ну?!"), "Ну?!");
    EXPECT_EQ(normalised("1"), "1.");
    EXPECT_EQ(normalised(" "), " .");
}

TEST(IsQuestion, LooksAtTheLastCharacterOnly) {
    EXPECT_TRUE(isQuestion(cp("Где ты?")));
    EXPECT_FALSE(isQuestion(cp("Где? Тут.")));
    EXPECT_FALSE(isQuestion(""));
}

TEST(TypedPhrase, ARunOfControlCharactersIsOneSpaceInsideAndNothingAtTheEnds) {
    std::string everyControl;
    for (int c = 0; c < 0x20; ++c)
        everyControl += static_cast<char>(c);
    everyControl += '\x7F';
    EXPECT_EQ(utf(typedPhrase(cp("при") + everyControl + cp("вет"))), "при вет");
    EXPECT_EQ(typedPhrase("\x1b[31mred\x1b[0m\r"), "[31mred [0m");
    // Letters of the upper half of the code page are no control characters.
    EXPECT_EQ(utf(typedPhrase(cp("ёЁяЯ№"))), "ёЁяЯ№");
    EXPECT_EQ(withoutControlCharacters("\r\na\tb\r\nc\n"), "a b c");
}

TEST(PhraseAtEntry, AnythingButBlanksIsAPhrase) {
    EXPECT_EQ(phraseAtEntry("  \t \r\n  "), "");
    EXPECT_EQ(phraseAtEntry("\x01\x02"), "");
    EXPECT_EQ(phraseAtEntry(" a\n"), " a");
    EXPECT_EQ(phraseAtEntry("?"), "?");
}

TEST(TypedPhrase, IsCutAfterTheCharactersTheInputLineTakes) {
    EXPECT_EQ(typedPhrase(std::string(20000, 'a')), std::string(255, 'a'));
    EXPECT_EQ(typedPhrase(std::string(255, 'b')), std::string(255, 'b'));
    // Characters dropped do not count.
    EXPECT_EQ(typedPhrase(std::string(300, '\a') + std::string(255, 'c') + "d"),
              std::string(255, 'c'));
}

} // namespace besedka::test
