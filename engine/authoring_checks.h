// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace besedka {

// What a knowledge-base author should look at although the line itself is well formed.
struct AuthoringWarning {
    int line = 0;     // 0-based index in the phrase base
    std::string text; // Windows-1251, a tool message
};

// Keys that never answer: an earlier main line's key occurs inside them, so every phrase that
// holds them holds the earlier key too, and the earlier line is found first. Farewell lines do
// not count as the earlier one: a phrase that does not take leave passes them over.
std::vector<AuthoringWarning> keysNeverReached(const std::vector<std::string>& phraseBase);

// Key words found inside other words of the dictionary, not at their start: "СОЛЬ" answers
// "фасоль", "ЗОНТ" "горизонт". One warning per key word, at its first line, with the count and
// the first examples in the dictionary's order.
std::vector<AuthoringWarning> keyWordsInsideOtherWords(const std::vector<std::string>& phraseBase,
                                                       const std::vector<std::string>& dictionary);

// Farewell keys found in ordinary sentences (one a line), with the count and examples, and how
// many of them would still close the program.
std::vector<AuthoringWarning> farewellsInSentences(const std::vector<std::string>& phraseBase,
                                                   const std::vector<std::string>& sentences);

} // namespace besedka
