#pragma once

#include <string>

namespace besedka {

// The phrase as a turn takes it: a lower-case Cyrillic first letter becomes a capital, and the
// phrase ends in '.', '!' or '?' (a final ',' becomes '.', any other end gets a '.').
// The phrase must not be empty.
std::string normalisePhrase(std::string phrase);

// A phrase is a question when its last character is '?'.
bool isQuestion(const std::string& phrase);

} // namespace besedka
