// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/turn.h"

#include "engine/base_files.h"
#include "engine/learning.h"
#include "engine/phrase.h"
#include "engine/phrase_search.h"
#include "engine/turn_context.h"
#include "engine/word_filters.h"
#include "platform/core/file_error.h"
#include "platform/core/folder_lock.h"

namespace besedka {

Engine::Engine(WindowObjects window) : window_(window), words_(window.workingList) {}

bool Engine::runTurn(const std::string& text, const std::string& previousTranscriptLine, Mode mode,
                     const std::string& exchangePath) {
    const std::string phrase = inIntendedLayout(phraseAtEntry(text));
    if (phrase.empty())
        return false;
    startTurn(phrase, mode);
    selectReply(previousTranscriptLine);
    finishTurn(mode, exchangePath);
    return true;
}

bool Engine::greet() {
    if (window_.random.below(3) != 0)
        return false;
    window_.workingList.load(base_files::kGreetings);
    window_.view.setBusyCursor(true);
    state_.reply = window_.workingList.get(window_.random.below(window_.workingList.count()));
    window_.view.setBusyCursor(false);
    saySystemLine(state_.reply);
    return true;
}

void Engine::sayFollowUpRemark() {
    window_.view.setBusyCursor(true);
    // Line 0 is never said.
    const int count = window_.workingList.count();
    const std::string remark =
        count < 2 ? std::string() : window_.workingList.get(1 + window_.random.below(count - 1));
    saySystemLine(remark);
    window_.view.setBusyCursor(false);
}

TurnContext Engine::context() {
    return TurnContext{state_,         window_.workingList, words_,
                       window_.random, window_.view,        learning_};
}

std::string Engine::inIntendedLayout(const std::string& phrase) {
    if (!russianWords_) {
        // Without the dictionary nothing is recognised, and the phrase is taken as typed.
        LineList dictionary;
        try {
            dictionary.load(base_files::kDictionary);
        } catch (const FileError&) {
        }
        russianWords_.emplace(dictionary.lines());
    }
    return besedka::inIntendedLayout(phrase, *russianWords_);
}

void Engine::logRemark(const std::string& remark) {
    state_.reply = remark;
    logLine(Speaker::Besedka, remark);
}

void Engine::startTurn(const std::string& phrase, Mode mode) {
    window_.random.reseed();
    state_.topicMarked = false;
    window_.view.setBusyCursor(true);
    state_.userPhrase = normalisePhrase(phrase);
    window_.view.playPhraseSound();
    window_.view.showUserLine(state_.userPhrase);
    // In the Cpu\Cpu mode the phrase is the other copy's reply.
    logLine(mode == Mode::CpuCpu ? Speaker::OtherCopy : Speaker::Person, state_.userPhrase);
}

void Engine::selectReply(const std::string& previousTranscriptLine) {
    TurnContext turn = context();
    state_.answerLine = 0;
    const auto answeredBy = [this](Stage stage) {
        state_.answeredBy = stage;
        return true;
    };
    if ((answerRepeat(turn, previousTranscriptLine) && answeredBy(Stage::Repeat)) ||
        (answerAbuse(turn) && answeredBy(Stage::Abuse)))
        return;
    markTopic(turn);
    if ((answerLongPhrase(turn) && answeredBy(Stage::LongPhrase)) || answerFromPhraseBase(turn))
        return;
    answerFallbackAndLearn(turn);
    answeredBy(Stage::CatchAll);
}

void Engine::finishTurn(Mode mode, const std::string& exchangePath) {
    saySystemLine(state_.reply);
    window_.view.setBusyCursor(false);
    // One turn in three leaves the follow-up remarks in the working list for the follow-up.
    const bool followUp = window_.random.below(3) == 0;
    window_.view.setFollowUpTimer(followUp);
    if (followUp)
        window_.workingList.load(base_files::kFollowUpRemarks);
    if (mode == Mode::CpuCpu) {
        // Under its folder's lock like every save: the exchange file may stand in Base\ too.
        const FolderLock lock(exchangePath);
        window_.exchangeBuffer.clear();
        window_.exchangeBuffer.add(state_.reply);
        window_.exchangeBuffer.save(exchangePath);
    }
    state_.previousReply = state_.reply;
}

void Engine::saySystemLine(const std::string& line) {
    window_.view.playSystemSound();
    window_.view.showSystemLine(line);
    logLine(Speaker::Besedka, line);
}

void Engine::logLine(Speaker speaker, const std::string& line) {
    window_.sessionLog.add((speaker == Speaker::Besedka ? kCpuPrefix : kUserPrefix) + line);
    if (window_.history != nullptr)
        window_.history->append(speaker, line);
}

} // namespace besedka
