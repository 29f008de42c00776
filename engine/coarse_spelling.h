// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace besedka {

// A word as the coarse-word guard judges it: its readings in upper-case Russian letters
// (Windows-1251), Е for Ё, kHiddenLetter where a star or the like stands for a letter.
struct WordReadings {
    // Read with the letters as they look: digits and Latin look-alikes as Russian letters.
    std::vector<std::string> asSeen;
    // Read as a Latin word transliterated; English words may hold a root's letters here.
    std::vector<std::string> fromLatin;
};

inline constexpr char kHiddenLetter = '*';

// The phrase's words, each with its readings. Letters typed apart ("х у й", "б.л.я") come back
// as one word; a letter typed three times or more as two; each reading also comes with every
// run of a letter single, when that makes another word.
std::vector<WordReadings> coarseReadings(std::string_view phrase);

} // namespace besedka
