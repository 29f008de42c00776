// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/learning.h"

#include "engine/base_files.h"
#include "engine/coarse_words.h"
#include "engine/knowledge_line.h"
#include "engine/phrase.h"
#include "platform/core/cp1251.h"
#include "platform/core/folder_lock.h"

#include <algorithm>

namespace besedka {

namespace {

const char* collectionFor(bool question) {
    return question ? base_files::kQuestionReplies : base_files::kStatementReplies;
}

// Is the phrase one of lines 1 .. count-1 of the collection just loaded, letter case included?
bool collectionHolds(const LineList& collection, const std::string& phrase) {
    for (int i = 1; i < collection.count(); ++i) {
        if (collection.get(i) == phrase)
            return true;
    }
    return false;
}

// Index of the first line whose key (depth marks included) is `key`; 0 when there is none.
int lineWithKey(const WordsFile& words, const std::string& key) {
    for (int i = 1; i < words.count(); ++i) {
        if (words.line(i).usable && words.fullKey(i) == key)
            return i;
    }
    return 0;
}

// The system's previous reply becomes a key whose answer is what the user said to it. A phrase
// that only says the reply again (one copy reading back its own line) is no answer to it.
void attachToPreviousReply(TurnContext& turn, const std::string& phraseKey) {
    const std::string& previousReply = turn.state.previousReply;
    if (previousReply.empty())
        return;
    const std::string replyKey = cp1251::upper(previousReply);
    if (replyKey == phraseKey)
        return;
    const int index = lineWithKey(turn.words, replyKey);
    if (index == 0)
        return;
    std::string answered = withAnswer(turn.words.wholeText(index), turn.state.userPhrase);
    // Cut when read, the line would lose its last answers and never match again.
    if (answered.size() > LineList::kMaxLineRead)
        return;
    turn.words.moveToEnd(index, std::move(answered));
}

// One step under the lock, from the latest file: another copy's change is never saved over.
// The new key and the answer are saved together, so a crash keeps both or neither.
void learnInPhraseBase(TurnContext& turn) {
    // Only the exchange file can bring such a phrase (the input line's guard empties it); saved,
    // it would split into a broken key and answers.
    if (holdsMarkup(turn.state.userPhrase))
        return;
    const std::string key = cp1251::upper(turn.state.userPhrase);
    const FolderLock lock(base_files::kWords, turn.folder);
    turn.words.loadLatest();
    if (lineWithKey(turn.words, key) != 0)
        return;
    turn.words.append(key + '^');
    attachToPreviousReply(turn, key);
    turn.words.save();
}

bool holdsLetterOrDigit(std::string_view phrase) {
    return std::any_of(phrase.begin(), phrase.end(),
                       [](char c) { return cp1251::isLetter(c) || (c >= '0' && c <= '9'); });
}

// A phrase worth keeping says something, says it decently, and fits a line of the base as a key.
// Characters with no Windows-1251 form arrive as '?': a row of them is no phrase to say back.
bool worthLearning(const std::string& phrase) {
    return holdsLetterOrDigit(phrase) && !isCoarse(phrase) &&
           phrase.size() < LineList::kMaxLineRead;
}

} // namespace

std::string withAnswer(const std::string& line, const std::string& answer) {
    if (!line.empty() && line.back() == '@')
        return line.substr(0, line.size() - 1) + answer + ";@";
    return line + answer + ';';
}

void answerFallbackAndLearn(TurnContext& turn) {
    TurnState& state = turn.state;
    // Chosen before the collection grows, so the phrase is never its own reply.
    state.reply = turn.randomLineOf(collectionFor(isQuestion(state.userPhrase)));
    if (!turn.learning || state.topicMarked || !worthLearning(state.userPhrase))
        return;
    if (!collectionHolds(turn.workingList, state.userPhrase)) {
        if (state.previousReply.empty())
            return;
        const bool answeredQuestion = state.previousReply.find('?') != std::string::npos;
        turn.appendTo(collectionFor(answeredQuestion), state.userPhrase);
    }
    learnInPhraseBase(turn);
}

} // namespace besedka
