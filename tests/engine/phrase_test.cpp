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

} // namespace besedka::test
