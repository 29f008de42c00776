// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace besedka {

// The characters that mark up a line of the phrase base; a phrase holding one can be neither a
// key nor an answer.
inline constexpr std::string_view kMarkupCharacters = "^;_@";
inline bool holdsMarkup(std::string_view text) {
    return text.find_first_of(kMarkupCharacters) != std::string_view::npos;
}

// One line of the phrase base "Base\Words.Dat", from line 1 on:
//   depth marks '_' * d, the key, '^', answers each closed by ';', an optional final '@'.
struct KnowledgeLine {
    int depth = 0;                    // leading '_' characters; 0 is a main phrase
    std::string key;                  // text after the marks up to the first '^'
    std::vector<std::string> answers; // in order, as shown to the user
    bool farewell = false;            // the line ends in '@'
    bool openKey() const { return answers.empty(); }
};

// Why a line can never be used as it stands; each problem is reported once per line.
enum class LineProblem {
    Empty,
    NoCaret,
    EmptyKey,
    LowerCaseKey,
    UnclosedAnswer,
    EmptyAnswer,
    MisplacedFarewell,
};

// Text of a problem for people editing the base (UTF-8, English: a tool message, not dialogue).
const char* describe(LineProblem problem);

std::vector<LineProblem> problemsOf(std::string_view line);

// Parses a line that breaks no rule of the format; the searches skip every other line.
// Lower-case keys and empty answers are reported by problemsOf but still parse: such a key
// simply never matches, and an empty answer is left out of the choice.
bool parseKnowledgeLine(std::string_view line, KnowledgeLine& out);

} // namespace besedka
