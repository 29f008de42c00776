// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/turn_context.h"

#include <string>
#include <string_view>
#include <vector>

namespace besedka {

// The built-in word lists, upper case. Line 0 is empty and never used; spaces and
// punctuation around an entry are part of it.
const std::vector<std::string>& abuseList(); // abuse
const std::vector<std::string>& topicList(); // topics that are answered but never learned

// Does the phrase hold an entry of abuseList, found by keyMatches, other than inside a word where
// the entry stands by chance ("команда", "процедура", "рубля", "подлинник")?
bool isAbusive(std::string_view phrase);

// Phrases longer than this many characters may get a stock reply; one of exactly this
// length goes through the search like any other.
inline constexpr std::size_t kLongPhraseLength = 110;

// The first stages of the reply selection, in the order the turn runs them.
bool answerRepeat(TurnContext& turn, const std::string& previousTranscriptLine);
bool answerAbuse(TurnContext& turn);
void markTopic(TurnContext& turn);
bool answerLongPhrase(TurnContext& turn);

} // namespace besedka
