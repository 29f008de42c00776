// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/layout_conversion.h"

#include "platform/core/cp1251.h"

#include <algorithm>
#include <array>
#include <utility>

namespace besedka {

namespace {

// Key by key of the US keyboard, unshifted and shifted. The shifted comma and period give the
// lower-case letters, the shifted apostrophe the upper-case one: that is the Russian layout.
constexpr std::pair<unsigned char, unsigned char> kLayoutPairs[] = {
    {'`', 0xB8}, {'~', 0xA8}, {'@', '"'},  {'#', 0xB9},  {'$', ';'},  {'^', ':'},  {'&', '?'},
    {'q', 0xE9}, {'Q', 0xC9}, {'w', 0xF6}, {'W', 0xD6},  {'e', 0xF3}, {'E', 0xD3}, {'r', 0xEA},
    {'R', 0xCA}, {'t', 0xE5}, {'T', 0xC5}, {'y', 0xED},  {'Y', 0xCD}, {'u', 0xE3}, {'U', 0xC3},
    {'i', 0xF8}, {'I', 0xD8}, {'o', 0xF9}, {'O', 0xD9},  {'p', 0xE7}, {'P', 0xC7}, {'[', 0xF5},
    {'{', 0xD5}, {']', 0xFA}, {'}', 0xDA}, {'\\', '\\'}, {'|', '/'},  {'a', 0xF4}, {'A', 0xD4},
    {'s', 0xFB}, {'S', 0xDB}, {'d', 0xE2}, {'D', 0xC2},  {'f', 0xE0}, {'F', 0xC0}, {'g', 0xEF},
    {'G', 0xCF}, {'h', 0xF0}, {'H', 0xD0}, {'j', 0xEE},  {'J', 0xCE}, {'k', 0xEB}, {'K', 0xCB},
    {'l', 0xE4}, {'L', 0xC4}, {';', 0xE6}, {':', 0xC6},  {'"', 0xDD}, {'z', 0xFF}, {'Z', 0xDF},
    {'x', 0xF7}, {'X', 0xD7}, {'c', 0xF1}, {'C', 0xD1},  {'v', 0xEC}, {'V', 0xCC}, {'b', 0xE8},
    {'B', 0xC8}, {'n', 0xF2}, {'N', 0xD2}, {'m', 0xFC},  {'M', 0xDC}, {'<', 0xE1}, {'>', 0xFE},
    {'/', '.'}};
static_assert(std::size(kLayoutPairs) == 71);

constexpr std::array<char, 256> buildLayoutTable() {
    std::array<char, 256> table{};
    for (int byte = 0; byte < 256; ++byte)
        table[byte] = static_cast<char>(byte);
    for (const auto& [typed, russian] : kLayoutPairs)
        table[typed] = static_cast<char>(russian);
    return table;
}

constexpr std::array<char, 256> kLayoutTable = buildLayoutTable();

// The keys that give a letter in the Russian layout whatever stands around them.
bool isLetterKey(char c) {
    const auto counterpart = static_cast<unsigned char>(cyrillicLayoutCounterpart(c));
    const bool typedInLatinLayout = static_cast<unsigned char>(c) < 0x80;
    return typedInLatinLayout &&
           (counterpart >= 0xC0 || counterpart == 0xA8 || counterpart == 0xB8);
}

bool isPunctuationKeyOfALetter(char c) {
    return c == ',' || c == '.' || c == '\'';
}

// Between two letters a comma, period or apostrophe cannot be punctuation: it is the letter the
// same key gives in the Russian layout ("k.,k." is "люблю" but for its last key, which may end
// the sentence).
char letterOfPunctuationKey(char c) {
    switch (c) {
    case ',':
        return '\xE1'; // б
    case '.':
        return '\xFE'; // ю
    case '\'':
        return '\xFD'; // э
    default:
        return c;
    }
}

} // namespace

char cyrillicLayoutCounterpart(char typed) {
    return kLayoutTable[static_cast<unsigned char>(typed)];
}

std::string toCyrillicLayout(std::string_view typed) {
    std::string converted(typed);
    std::size_t lastLetter = std::string_view::npos;
    for (std::size_t i = 0; i < typed.size(); ++i) {
        if (isLetterKey(typed[i])) {
            if (lastLetter != std::string_view::npos) {
                for (std::size_t between = lastLetter + 1; between < i; ++between)
                    converted[between] = letterOfPunctuationKey(typed[between]);
            }
            lastLetter = i;
        } else if (!isPunctuationKeyOfALetter(typed[i])) {
            lastLetter = std::string_view::npos;
        }
    }
    for (char& c : converted)
        c = cyrillicLayoutCounterpart(c);
    return converted;
}

} // namespace besedka

namespace besedka {

namespace {

bool isLatinLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

} // namespace

bool typedInLatinLayoutOnly(std::string_view phrase) {
    bool letter = false;
    for (char c : phrase) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
        letter = letter || isLatinLetter(c);
    }
    return letter;
}

RussianWords::RussianWords(std::vector<std::string> words) : sorted_(std::move(words)) {
    for (auto& word : sorted_)
        word = cp1251::lower(word);
    std::sort(sorted_.begin(), sorted_.end());
}

bool RussianWords::knows(std::string_view word) const {
    const std::string lower = cp1251::lower(std::string(word));
    const auto at = std::lower_bound(sorted_.begin(), sorted_.end(), lower);
    if (at != sorted_.end() && *at == lower)
        return true;
    constexpr std::size_t kShortestStem = 3;
    if (lower.size() < kShortestStem + 1)
        return false;
    const std::string stem = lower.substr(0, std::max(kShortestStem, lower.size() - 2));
    const auto form = std::lower_bound(sorted_.begin(), sorted_.end(), stem);
    return form != sorted_.end() && form->starts_with(stem);
}

std::string inIntendedLayout(std::string_view phrase, const RussianWords& words) {
    if (!typedInLatinLayoutOnly(phrase))
        return std::string(phrase);
    std::string converted = toCyrillicLayout(phrase);
    // A one-letter word is no evidence: ":-D" gives "Ж-В", and "в" is a word.
    std::vector<std::string> convertedWords = cp1251::letterWords(converted);
    std::erase_if(convertedWords, [](const std::string& word) { return word.size() < 2; });
    const auto known = std::count_if(convertedWords.begin(), convertedWords.end(),
                                     [&words](const std::string& w) { return words.knows(w); });
    // "Mostly": more than half of the words, so that one lucky word among English ones ("lf"
    // gives "да") converts nothing.
    const bool mostlyRussian = known * 2 > static_cast<long>(convertedWords.size());
    return mostlyRussian ? converted : std::string(phrase);
}

} // namespace besedka
