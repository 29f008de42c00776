// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace besedka {

// What a key of the US layout gives in the Russian one, for text typed in the wrong layout.
// Windows-1251 bytes; a byte the keyboard table does not list comes back unchanged.
char cyrillicLayoutCounterpart(char typed);

// Converts every byte once, in a single pass: a character the conversion produced is never
// converted again ("|" gives "/", not "."). A comma, period or apostrophe with a letter key on
// either side gives the letter of its key (б, ю, э): there it cannot have been punctuation.
std::string toCyrillicLayout(std::string_view typed);

// Words a phrase typed in the wrong layout is recognised by: lower-case Windows-1251.
class RussianWords {
public:
    explicit RussianWords(std::vector<std::string> words);

    // Is the word, in any letter case, one of the words or a form of one (it shares all but its
    // last two letters, at least three, with one)?
    bool knows(std::string_view word) const;
    bool empty() const { return sorted_.empty(); }

private:
    std::vector<std::string> sorted_;
};

// Only letters, digits, spaces and the signs of a keyboard's top rows: no Cyrillic letter, no
// byte of another alphabet, and at least one Latin letter. Only such a phrase may have been
// typed in the wrong layout.
bool typedInLatinLayoutOnly(std::string_view phrase);

// The phrase as the person meant it: a phrase of Latin letters, digits, spaces and punctuation
// alone whose conversion is mostly Russian words comes back converted, any other phrase as it is.
std::string inIntendedLayout(std::string_view phrase, const RussianWords& words);

} // namespace besedka
