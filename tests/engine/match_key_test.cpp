// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/match_key.h"
#include "engine/phrase_search.h"
#include "tests/engine/engine_fixture.h"

#include <gtest/gtest.h>

namespace besedka::test {

namespace {

bool found(std::string_view phrase, std::string_view key) {
    return keyMatches(cp(phrase), cp(key));
}

std::vector<std::string_view> keyWords(std::string_view key) {
    std::vector<std::string_view> words;
    while (!key.empty())
        words.push_back(nextKeyWord(key));
    return words;
}

bool wordsFound(std::string_view phrase, std::string_view key) {
    return keyWordsInOrder(cp(phrase), cp(key));
}

} // namespace

TEST(keyMatches, FindsTheKeyAnywhereWhateverTheLetterCaseOfThePhrase) {
    EXPECT_TRUE(found("Привет.", "ПРИВЕТ."));
    EXPECT_TRUE(found("ну привет.", "ПРИВЕТ"));
    EXPECT_TRUE(found("ёлка", "ЁЛ"));
    EXPECT_TRUE(found("Ok?", "OK?"));
    EXPECT_FALSE(found("Привет", "ПРИВЕТ."));
    EXPECT_FALSE(found("", "А"));
}

TEST(keyMatches, ComparesWithTheKeyAsStoredSoALowerCaseKeyNeverMatches) {
    EXPECT_FALSE(found("привет.", "привет."));
    EXPECT_FALSE(found("ПРИВЕТ.", "Привет."));
}

TEST(keyMatches, FindsAKeyInsideOtherWords) {
    EXPECT_TRUE(found("Я варю фасоль.", "СОЛЬ"));
    EXPECT_TRUE(found("Красивый горизонт!", "ЗОНТ"));
    EXPECT_TRUE(found("Какой прогноз погоды?", "ПОГОД"));
}

// What a space at either end of a key asks for, since every phrase ends in '.', '!' or '?'.
TEST(keyMatches, TakesASpaceAtEitherEndOfAKeyLiterally) {
    EXPECT_TRUE(found("Люблю чай.", " ЧАЙ"));
    EXPECT_FALSE(found("Чай остыл.", " ЧАЙ"));
    EXPECT_FALSE(found("Люблю \"чай\".", " ЧАЙ"));
    EXPECT_FALSE(found("Отчаяние.", " ЧАЙ"));

    EXPECT_TRUE(found("Чай остыл.", "ЧАЙ "));
    EXPECT_FALSE(found("Люблю чай.", "ЧАЙ "));
    EXPECT_FALSE(found("Чай, кофе.", "ЧАЙ "));
}

TEST(keyMatches, TellsYoFromYe) {
    EXPECT_TRUE(found("Гололёд.", "ГОЛОЛЁД"));
    EXPECT_FALSE(found("Гололед.", "ГОЛОЛЁД"));
    EXPECT_FALSE(found("Гололёд.", "ГОЛОЛЕД"));
}

TEST(keyMatches, DoesNotReexamineABrokenPartialMatch) {
    EXPECT_FALSE(found("ААБ.", "АБ"));
    EXPECT_FALSE(found("ГГАД, ТЫ.", "ГАД,"));
    EXPECT_TRUE(found("ГАД, ТЫ.", "ГАД,"));
    // The character that breaks a match is not tried again, but the next one starts afresh.
    EXPECT_TRUE(found("АXАБ.", "АБ"));
}

TEST(keyMatches, TellsWhereTheKeyEnds) {
    EXPECT_EQ(keyEnd(cp("как твои дела?"), cp("КАК")), 3u);
    EXPECT_EQ(keyEnd(cp("как"), cp("КАК")), 3u);
    EXPECT_EQ(keyEnd(cp("как"), cp("ТАК")), std::string_view::npos);
    EXPECT_EQ(keyEnd(cp("как"), ""), std::string_view::npos);
}

TEST(KeyWords, SplitAtSingleSpacesWithASecondSpaceStartingTheNextWord) {
    using Words = std::vector<std::string_view>;
    EXPECT_EQ(keyWords("KAK DELA?"), (Words{"KAK", "DELA?"}));
    EXPECT_EQ(keyWords("A  B"), (Words{"A", " B"}));
    EXPECT_EQ(keyWords(" LOH"), (Words{" LOH"}));
    EXPECT_EQ(keyWords("A "), (Words{"A"}));
    EXPECT_EQ(keyWords(""), Words{});
}

TEST(KeyWords, AreFoundInOrderEachAfterThePrevious) {
    EXPECT_TRUE(wordsFound("Как твои дела?", "КАК ДЕЛА?"));
    EXPECT_FALSE(wordsFound("Дела как?", "КАК ДЕЛА?"));
    EXPECT_FALSE(wordsFound("Как дела.", "КАК ДЕЛА?"));
    // A later word is searched after the character that completed the previous one.
    EXPECT_FALSE(wordsFound("Аб.", "АБ Б."));
    EXPECT_TRUE(wordsFound("Аб б.", "АБ Б."));
    EXPECT_FALSE(wordsFound("Как дела?", ""));
}

} // namespace besedka::test
