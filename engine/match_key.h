// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace besedka {

// Where the key is found in the phrase: the index just after the phrase character that
// completed it, or npos. Phrase characters are upper-cased, the key is taken as stored.
// The phrase is scanned once: a partial match that breaks is not re-examined, so "АБ" is not
// found in "ААБ." (the second 'А' breaks the match and is not tried as a new start).
std::size_t keyEnd(std::string_view phrase, std::string_view key);

// Does the phrase contain the key, under the rule above. An empty key is never found.
inline bool keyMatches(std::string_view phrase, std::string_view key) {
    return keyEnd(phrase, key) != std::string_view::npos;
}

} // namespace besedka
