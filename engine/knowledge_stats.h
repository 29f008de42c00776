// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/base_files.h"
#include "platform/core/line_list.h"
#include "platform/core/paths.h"

#include <functional>
#include <string>

namespace besedka {

// Lines of the phrase base from line 1 on: a line opening with '_' is a branch, any other
// line a main phrase (open keys and broken lines included).
struct PhraseCounts {
    int mainPhrases = 0;
    int branches = 0;
};
PhraseCounts countPhrases(const LineList& phraseBase);

// Status-bar text of the counts: "Программе известно:   [главные фразы - 80   ветки - 20]".
std::string phraseCountsText(const PhraseCounts& counts);

// Expressions the program recognises (phrase-base lines) and can say (answers in the phrase
// base plus every line of the reply files).
struct ExpressionCounts {
    int incoming = 0;
    int outgoing = 0;
    int total() const { return incoming + outgoing; }
};

// The reply files counted as outgoing expressions, in the order they are loaded.
inline constexpr const char* kCountedReplyFiles[] = {
    base_files::kLongPhraseReplies, base_files::kIdleRemarks,      base_files::kRepeatReplies,
    base_files::kQuestionReplies,   base_files::kStatementReplies, base_files::kAbuseReplies};

int incomingExpressions(const LineList& phraseBase);
int answersIn(const LineList& phraseBase);

// Loads each file into the working list in turn, as the menu's statistics do; throws FileError.
// incomingCounted learns the incoming count as soon as it is known, before a reply file can fail.
ExpressionCounts countExpressions(LineList& workingList, const WorkingFolder& folder,
                                  const std::function<void(int incoming)>& incomingCounted = {});

} // namespace besedka
