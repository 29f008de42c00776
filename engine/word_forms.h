// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/core/cp1251.h"

#include <cstddef>
#include <initializer_list>
#include <string>
#include <vector>

// What the abuse filter and the coarse-word guard share: word lists written in UTF-8 in the
// source, and the innocent words that excuse what stands inside them by chance.
namespace besedka::word_forms {

// The entries in Windows-1251.
template <typename Entries = std::initializer_list<const char*>>
std::vector<std::string> fromUtf8(const Entries& entries) {
    std::vector<std::string> list;
    for (const char* entry : entries)
        list.push_back(cp1251::fromUtf8(entry));
    return list;
}

// True when one of the innocent words stands over index `at` of a text: what was found there
// stands in it by chance. length(word) is how many bytes the word spans, standsAt(word, from)
// whether it stands in the text from index `from` on.
template <typename Word, typename Length, typename StandsAt>
bool standsInInnocentWord(const std::vector<Word>& innocentWords, std::size_t at, Length length,
                          StandsAt standsAt) {
    for (const Word& word : innocentWords) {
        const std::size_t size = length(word);
        for (std::size_t from = at + 1 > size ? at + 1 - size : 0; from <= at; ++from) {
            if (standsAt(word, from))
                return true;
        }
    }
    return false;
}

} // namespace besedka::word_forms
