// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace besedka {

// Does the phrase take leave with the farewell key, rather than merely mention its words?
// It does when the key's words stand in it as whole words, the part of the phrase between
// punctuation marks that holds them has no other words than a few that go with a goodbye
// ("ну", "всё", "ладно", "я", "мне", "тебе", "завтра"...), and the phrase neither asks nor quotes.
// "Пока!", "Ну всё, до завтра!" and "Спасибо за беседу, пока." take leave; "Я отложу это до
// завтра.", "Детям пора спать." and "Когда мы увидимся?" do not.
bool takesLeave(std::string_view phrase, std::string_view key);

} // namespace besedka
