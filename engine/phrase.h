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

// The text without control characters (C0 and DEL); a tab becomes a space. What comes from a
// terminal goes through it before it can be learned, and what goes to one before it is shown:
// an escape sequence learned today would otherwise change the user's terminal whenever it is
// said, and a line break would split a line of the base.
std::string withoutControlCharacters(std::string_view text);

// A line of text as the input line would have taken it: without control characters, cut to
// kInputLineLength characters.
std::string typedPhrase(std::string_view text);

// A phrase is a question when its last character is '?'.
bool isQuestion(const std::string& phrase);

} // namespace besedka
