// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/phrase_search.h"

#include "engine/farewell.h"
#include "engine/knowledge_line.h"
#include "engine/match_key.h"

namespace besedka {

namespace {

// One of the line's answers, uniformly; empty answers are never chosen.
std::string chooseAnswer(TurnContext& turn, int index) {
    KnowledgeLine line;
    parseKnowledgeLine(turn.words.text(index), line);
    std::vector<const std::string*> answers;
    for (const auto& answer : line.answers) {
        if (!answer.empty())
            answers.push_back(&answer);
    }
    return *answers[static_cast<std::size_t>(turn.random.below(static_cast<int>(answers.size())))];
}

bool answerable(const WordsFile::Line& line) {
    return line.usable && line.answered;
}

bool walkBranches(TurnContext& turn) {
    TurnState& state = turn.state;
    turn.words.load();
    while (++state.branchLine < turn.words.count()) {
        const WordsFile::Line& line = turn.words.line(state.branchLine);
        if (!line.usable)
            continue;
        if (line.depth == 0)
            break;
        // Deeper and shallower lines alike are passed over until the next main phrase.
        if (line.depth != state.branchDepth || !line.answered)
            continue;
        if (keyMatches(state.userPhrase, turn.words.key(state.branchLine))) {
            state.reply = chooseAnswer(turn, state.branchLine);
            ++state.branchDepth;
            state.answeredBy = Stage::BranchWalk;
            state.answerLine = state.branchLine;
            state.answerKey = turn.words.fullKey(state.branchLine);
            return true;
        }
    }
    state.branchDepth = 0;
    return false;
}

bool isFarewell(const WordsFile& words, int index) {
    return words.text(index).back() == '@';
}

void answerFromMainPhrase(TurnContext& turn, int index, Stage stage) {
    turn.state.reply = chooseAnswer(turn, index);
    turn.state.branchDepth = 1;
    turn.state.branchLine = index;
    turn.state.answeredBy = stage;
    turn.state.answerLine = index;
    turn.state.answerKey = turn.words.fullKey(index);
    turn.view.setClosingTimer(isFarewell(turn.words, index));
}

// A farewell line answers only a phrase that takes leave: a sentence that merely holds its words
// ("Я отложу это до завтра.") must not close the program, and the search goes on past it.
template <typename Finds> bool searchMainPhrases(TurnContext& turn, Finds finds, Stage stage) {
    const std::string& phrase = turn.state.userPhrase;
    turn.words.load();
    for (int i = 1; i < turn.words.count(); ++i) {
        if (!answerable(turn.words.line(i)) || !finds(phrase, turn.words.fullKey(i)))
            continue;
        if (isFarewell(turn.words, i) && !takesLeave(phrase, turn.words.fullKey(i)))
            continue;
        answerFromMainPhrase(turn, i, stage);
        return true;
    }
    return false;
}

} // namespace

std::string_view nextKeyWord(std::string_view& rest) {
    const std::size_t space = rest.find(' ', 1);
    const std::string_view word = rest.substr(0, space);
    rest.remove_prefix(space == std::string_view::npos ? rest.size() : space + 1);
    return word;
}

bool keyWordsInOrder(std::string_view phrase, std::string_view key) {
    if (key.empty())
        return false;
    while (!key.empty()) {
        const std::size_t end = keyEnd(phrase, nextKeyWord(key));
        if (end == std::string_view::npos)
            return false;
        phrase.remove_prefix(end);
    }
    return true;
}

bool answerFromPhraseBase(TurnContext& turn) {
    if (turn.state.branchDepth >= 1 && walkBranches(turn))
        return true;
    return searchMainPhrases(turn, keyMatches, Stage::WholeKey) ||
           searchMainPhrases(turn, keyWordsInOrder, Stage::WordByWord);
}

} // namespace besedka
