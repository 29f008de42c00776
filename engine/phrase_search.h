// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/turn_context.h"

#include <string_view>

namespace besedka {

// The phrase-base search: the branch walk under the line answered last, then the whole-key
// search, then the word-by-word search. On an answer it sets reply, branchDepth and
// branchLine (and the closing timer for a main-phrase search) and returns true; otherwise
// branchDepth is 0.
bool answerFromPhraseBase(TurnContext& turn);

// Takes the first word off a key. A word runs up to the next space; the one space after it
// separates it from the next word, so of two spaces in a row the second begins the next word.
std::string_view nextKeyWord(std::string_view& rest);

// Are all the words found, each in the rest of the phrase after the previous one?
bool keyWordsInOrder(std::string_view phrase, std::string_view key);

} // namespace besedka
