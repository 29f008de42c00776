// SPDX-License-Identifier: GPL-3.0-or-later
#include "input_aids/speed_word_offer.h"

#include "platform/core/cp1251.h"

#include <algorithm>

namespace besedka {

namespace {

bool isDelimiter(char c) {
    return c == ' ' || c == ',' || c == '.' || c == '!' || c == '?';
}

bool startsWithUpperCased(std::string_view entry, std::string_view upperWord) {
    if (entry.size() < upperWord.size())
        return false;
    for (std::size_t i = 0; i < upperWord.size(); ++i)
        if (cp1251::upper(entry[i]) != upperWord[i])
            return false;
    return true;
}

int count(const std::vector<std::string>& dictionary) {
    return static_cast<int>(dictionary.size());
}

} // namespace

std::string_view lastWord(std::string_view line) {
    if (line.empty() || isDelimiter(line.back()))
        return {};
    const auto start = std::find_if(line.rbegin(), line.rend(), isDelimiter).base();
    return line.substr(static_cast<std::size_t>(start - line.begin()));
}

int findEntryStartingWith(const std::vector<std::string>& dictionary, std::string_view word,
                          int after) {
    const std::string upperWord = cp1251::upper(word);
    for (int index = std::max(after + 1, 0); index < count(dictionary); ++index)
        if (startsWithUpperCased(dictionary[static_cast<std::size_t>(index)], upperWord))
            return index;
    return -1;
}

const std::string* SpeedWordOffer::check(const std::vector<std::string>& dictionary,
                                         std::string_view line) {
    const std::string_view word = lastWord(line);
    if (word.empty()) {
        // The word and its completion stay; the panel's "[NONE]" keeps F5 away from them.
        entryIndex = -1;
        return nullptr;
    }
    typedWord = word;
    completion.clear();
    entryIndex = findEntryStartingWith(dictionary, typedWord, entryIndex);
    if (entryIndex < 0)
        return nullptr;
    const std::string& entry = dictionary[static_cast<std::size_t>(entryIndex)];
    completion = entry.substr(typedWord.size());
    return &entry;
}

const std::string& SpeedWordOffer::step(const std::vector<std::string>& dictionary,
                                        SuggestionStep step) {
    if (step == SuggestionStep::Up)
        entryIndex -= 2;
    else if (step == SuggestionStep::Down)
        entryIndex += 1;
    entryIndex = std::max(std::min(entryIndex, count(dictionary) - 1), 0);
    return dictionary[static_cast<std::size_t>(entryIndex)];
}

} // namespace besedka
