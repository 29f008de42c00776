// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/turn_context.h"

namespace besedka {

// The last stage: a stock reply from "Base\W1.Dat" (questions) or "Base\W2.Dat" (other
// phrases), then, unless the topic filter marked the phrase, learning from it.
void answerFallbackAndLearn(TurnContext& turn);

// A line of the phrase base with one more answer. The farewell mark stays the last character,
// so the line keeps it and the mark never becomes part of an answer.
std::string withAnswer(const std::string& line, const std::string& answer);

} // namespace besedka
