// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace besedka {

// What a knowledge-base author should look at although the line itself is well formed.
struct AuthoringWarning {
    int line = 0;     // 0-based index in the phrase base
    std::string text; // Windows-1251, a tool message
};

// Keys that never answer: an earlier main line's key occurs inside them, so every phrase that
// holds them holds the earlier key too, and the earlier line is found first. Farewell lines do
// not count as the earlier one: a phrase that does not take leave passes them over. A key said
// twice is left to duplicateKeys.
std::vector<AuthoringWarning> keysNeverReached(const std::vector<std::string>& phraseBase);

// The same key twice where the first always answers before the second: two main lines (unless
// only the first takes leave), or two branches of one line.
std::vector<AuthoringWarning> duplicateKeys(const std::vector<std::string>& phraseBase);

// Branch lines the walk cannot reach as meant: one with no main line above it, and one whose
// depth is more than one below the line above it.
std::vector<AuthoringWarning> brokenBranches(const std::vector<std::string>& phraseBase);

// The warnings above together: the lines whose key never answers as written.
std::vector<AuthoringWarning> linesNeverAnswering(const std::vector<std::string>& phraseBase);

// Line 0 is never read. When it is a knowledge line, the file has lost its first line and the
// key standing there is lost with it.
std::vector<AuthoringWarning> missingFirstLine(const std::vector<std::string>& phraseBase);

// Keys that begin or end with a space, with what they miss: the word at the start of a phrase,
// or the word before punctuation and at the end of a phrase.
std::vector<AuthoringWarning> keysWithOuterSpaces(const std::vector<std::string>& phraseBase);

// Keys with "Ё" and no twin line whose key is spelt with "Е": letters are compared exactly, and
// many people type "е".
std::vector<AuthoringWarning> keysWithoutYoTwin(const std::vector<std::string>& phraseBase);

// Characters of a UTF-8 file that Windows-1251 lacks, by line: the program reads each as '?' and
// the first save of the file writes the '?' for good. In a UTF-8 file with a few bytes that are
// not UTF-8, the lines of those bytes: the whole file is then read as Windows-1251. Nothing for
// RTF or Windows-1251 content.
std::vector<AuthoringWarning> charactersLostOnSave(std::string_view fileBytes);

// A file whose letters are mostly '?' was saved through a wrong encoding: the message says so.
std::optional<std::string> questionMarkDamage(const std::vector<std::string>& lines);

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
