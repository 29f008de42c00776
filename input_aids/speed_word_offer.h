// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace besedka {

// The word the user is typing: what follows the last blank, ',', '.', '!' or '?'. Empty when the
// line is empty or ends in one of them, as there is nothing to complete then.
std::string_view lastWord(std::string_view line);

// Index of the first entry after `after` that begins with the word, ignoring case by the
// Windows-1251 case table; -1 when there is none. A linear scan: the dictionary keeps the
// order of its file.
int findEntryStartingWith(const std::vector<std::string>& dictionary, std::string_view word,
                          int after);

// How a key press moves the Speed Word search: Up goes back, Down skips an entry, any other key
// lets the next search go on after the entry shown.
enum class SuggestionStep { Up, Down, Stay };

// The Speed Word offer, kept between the checks. A check searches after the entry found last,
// so repeated checks of one word walk through the dictionary.
struct SpeedWordOffer {
    // The entry found or shown last; -1 for none, so that the next search starts afresh.
    int entryIndex = -1;
    // The last word of the line the latest check looked at.
    std::string typedWord;
    // The rest of the entry found last after the typed word: what F5 appends.
    std::string completion;

    // The suggestion check: the entry to show, or nullptr when there is nothing to offer.
    const std::string* check(const std::vector<std::string>& dictionary, std::string_view line);
    // A key press moves the search start and names the entry to show until the next check,
    // whether or not it matches the typed word. The dictionary must not be empty.
    const std::string& step(const std::vector<std::string>& dictionary, SuggestionStep step);
};

} // namespace besedka
