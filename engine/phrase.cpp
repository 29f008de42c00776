// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/phrase.h"

namespace besedka {

namespace {

constexpr unsigned char kSmallYo = 0xB8;
constexpr unsigned char kCapitalYo = 0xA8;
constexpr unsigned char kSmallA = 0xE0;
constexpr unsigned char kCaseDistance = 0x20;

// Only the 33 Russian letters: Latin and the other Cyrillic letters keep their case here.
char capitalisedRussian(char c) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= kSmallA)
        return static_cast<char>(byte - kCaseDistance);
    if (byte == kSmallYo)
        return static_cast<char>(kCapitalYo);
    return c;
}

bool isControl(char c) {
    return static_cast<unsigned char>(c) < 0x20 || c == '\x7F';
}

} // namespace

std::string normalisePhrase(std::string phrase) {
    phrase.front() = capitalisedRussian(phrase.front());
    switch (phrase.back()) {
    case ',':
        phrase.back() = '.';
        break;
    case '.':
    case '!':
    case '?':
        break;
    default:
        phrase += '.';
    }
    return phrase;
}

std::string withoutControlCharacters(std::string_view text) {
    std::string printable;
    bool controlsBefore = false;
    for (const char c : text) {
        if (isControl(c)) {
            controlsBefore = !printable.empty();
            continue;
        }
        if (controlsBefore && printable.back() != ' ' && c != ' ')
            printable += ' ';
        controlsBefore = false;
        printable += c;
    }
    return printable;
}

std::string phraseAtEntry(std::string_view text) {
    std::string phrase = withoutControlCharacters(text);
    if (phrase.find_first_not_of(' ') == std::string::npos)
        phrase.clear();
    return phrase;
}

std::string typedPhrase(std::string_view text) {
    std::string phrase = withoutControlCharacters(text);
    if (phrase.size() > kInputLineLength)
        phrase.resize(kInputLineLength);
    return phrase;
}

bool isQuestion(const std::string& phrase) {
    return !phrase.empty() && phrase.back() == '?';
}

} // namespace besedka
