// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace besedka {

// The phrase as a turn takes it: a lower-case Cyrillic first letter becomes a capital, and the
// phrase ends in '.', '!' or '?' (a final ',' becomes '.', any other end gets a '.').
// The phrase must not be empty.
std::string normalisePhrase(std::string phrase);

// The input line of the window takes this many characters; nothing longer can be typed there.
inline constexpr std::size_t kInputLineLength = 255;

// The text without control characters (C0 and DEL): each run of them between other characters
// becomes one space, and at the ends they go. A turn takes every phrase through it, whatever
// brought it (a paste, the exchange file, a terminal): a line break learned would split a line of
// the base, and an escape sequence said back would change the user's terminal.
std::string withoutControlCharacters(std::string_view text);

// The phrase a turn works on: without control characters, and empty when only blanks are left.
std::string phraseAtEntry(std::string_view text);

// A line of text as the input line would have taken it: without control characters, cut to
// kInputLineLength characters.
std::string typedPhrase(std::string_view text);

// A phrase is a question when its last character is '?'.
bool isQuestion(const std::string& phrase);

} // namespace besedka
