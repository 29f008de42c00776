// SPDX-License-Identifier: GPL-3.0-or-later
#include "input_aids/speed_word_offer.h"
#include "platform/core/cp1251.h"

#include <gtest/gtest.h>
#include <initializer_list>
#include <string>
#include <vector>

namespace besedka {
namespace {

std::vector<std::string> dictionaryOf(std::initializer_list<const char*> utf8Entries) {
    std::vector<std::string> entries;
    for (const char* entry : utf8Entries)
        entries.push_back(cp1251::fromUtf8(entry));
    return entries;
}

std::string inCp1251(const char* utf8) {
    return cp1251::fromUtf8(utf8);
}

// The entry a check offers, in UTF-8, or "[NONE]".
std::string offered(const std::string* entry) {
    return entry != nullptr ? cp1251::toUtf8(*entry) : "[NONE]";
}

TEST(SpeedWordTest, TheTypedWordFollowsTheLastOfTheFiveDelimiters) {
    EXPECT_EQ(lastWord("abc"), "abc");
    EXPECT_EQ(lastWord("one two,three.four!five?six"), "six");
    EXPECT_EQ(lastWord("a-b;c:d"), "a-b;c:d");
    for (const char* ended : {"", "word ", "word,", "word.", "word!", "word?"})
        EXPECT_EQ(lastWord(ended), "") << '"' << ended << '"';
}

TEST(SpeedWordTest, TheSearchIgnoresCaseByTheCodePageAndStartsAfterTheGivenEntry) {
    const auto dictionary = dictionaryOf({"ёлка", "Ёжик", "ЕЛЬ", "ель", "е"});
    EXPECT_EQ(findEntryStartingWith(dictionary, inCp1251("ЁЖ"), -1), 1);
    EXPECT_EQ(findEntryStartingWith(dictionary, inCp1251("Ёл"), -1), 0);
    EXPECT_EQ(findEntryStartingWith(dictionary, inCp1251("ель"), -1), 2);
    EXPECT_EQ(findEntryStartingWith(dictionary, inCp1251("ель"), 2), 3);
    EXPECT_EQ(findEntryStartingWith(dictionary, inCp1251("ель"), 3), -1);
    // An entry shorter than the word never matches.
    EXPECT_EQ(findEntryStartingWith(dictionary, inCp1251("елька"), -1), -1);
    EXPECT_EQ(findEntryStartingWith({}, inCp1251("е"), -1), -1);
}

class SpeedWordOfferTest : public ::testing::Test {
protected:
    std::string check(const char* line) { return offered(offer.check(dictionary, inCp1251(line))); }

    std::vector<std::string> dictionary = dictionaryOf({"привет", "приветствие", "пример"});
    SpeedWordOffer offer;
};

TEST_F(SpeedWordOfferTest, RepeatedChecksWalkThroughTheMatchesThenOfferNone) {
    EXPECT_EQ(check("при"), "привет");
    EXPECT_EQ(offer.entryIndex, 0);
    EXPECT_EQ(offer.completion, inCp1251("вет"));
    EXPECT_EQ(offer.typedWord, inCp1251("при"));
    EXPECT_EQ(check("при"), "приветствие");
    EXPECT_EQ(check("при"), "пример");
    EXPECT_EQ(check("при"), "[NONE]");
    EXPECT_EQ(offer.entryIndex, -1);
    EXPECT_EQ(offer.completion, "");
    EXPECT_EQ(check("при"), "привет");
}

TEST_F(SpeedWordOfferTest, NothingToOfferKeepsTheWordAndCompletionOfTheLastMatch) {
    check("при");
    for (const char* line : {"", "при ", "при,", "при.", "при!", "при?"}) {
        offer.entryIndex = 0;
        EXPECT_EQ(check(line), "[NONE]") << '"' << line << '"';
        EXPECT_EQ(offer.entryIndex, -1);
        EXPECT_EQ(offer.typedWord, inCp1251("при"));
        EXPECT_EQ(offer.completion, inCp1251("вет"));
    }
    EXPECT_EQ(check("приветствиями"), "[NONE]");
    EXPECT_EQ(offer.completion, "");
}

} // namespace
} // namespace besedka
