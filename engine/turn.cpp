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

Engine::Engine(DialogueObjects objects, WorkingFolder folder)
    : objects_(objects), folder_(std::move(folder)), words_(objects.workingList, folder_) {}

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
    if (objects_.random.below(3) != 0)
        return false;
    objects_.workingList.load(base_files::kGreetings, folder_);
    objects_.view.setBusyCursor(true);
    state_.reply = objects_.workingList.get(objects_.random.below(objects_.workingList.count()));
    objects_.view.setBusyCursor(false);
    saySystemLine(state_.reply);
    return true;
}

void Engine::sayFollowUpRemark() {
    objects_.view.setBusyCursor(true);
    // Line 0 is never said.
    const int count = objects_.workingList.count();
    const std::string remark =
        count < 2 ? std::string() : objects_.workingList.get(1 + objects_.random.below(count - 1));
    saySystemLine(remark);
    objects_.view.setBusyCursor(false);
}

TurnContext Engine::context() {
    return TurnContext{
        state_, objects_.workingList, words_, objects_.random, objects_.view, folder_, learning_};
}

std::string Engine::inIntendedLayout(const std::string& phrase) {
    // Most phrases are typed in Cyrillic: the dictionary is read for the first one that may not be.
    if (!typedInLatinLayoutOnly(phrase))
        return phrase;
    if (!russianWords_) {
        // Without the dictionary nothing is recognised, and the phrase is taken as typed.
        LineList dictionary;
        try {
            dictionary.load(base_files::kDictionary, folder_);
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
    objects_.random.reseed();
    state_.topicMarked = false;
    objects_.view.setBusyCursor(true);
    state_.userPhrase = normalisePhrase(phrase);
    objects_.view.playPhraseSound();
    objects_.view.showUserLine(state_.userPhrase);
    // In the Cpu\Cpu mode the phrase is the other copy's reply.
    logLine(mode == Mode::CpuCpu ? Speaker::OtherCopy : Speaker::Person, state_.userPhrase);
}

void Engine::selectReply(const std::string& previousTranscriptLine) {
    TurnContext turn = context();
    state_.answerLine = 0;
    state_.answerKey.clear();
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
    objects_.view.setBusyCursor(false);
    // One turn in three leaves the follow-up remarks in the working list for the follow-up.
    const bool followUp = objects_.random.below(3) == 0;
    objects_.view.setFollowUpTimer(followUp);
    if (followUp)
        objects_.workingList.load(base_files::kFollowUpRemarks, folder_);
    if (mode == Mode::CpuCpu) {
        // Under its folder's lock like every save: the exchange file may stand in Base\ too.
        const FolderLock lock(exchangePath, folder_);
        objects_.exchangeBuffer.clear();
        objects_.exchangeBuffer.add(state_.reply);
        objects_.exchangeBuffer.save(exchangePath, folder_);
    }
    state_.previousReply = state_.reply;
}

void Engine::saySystemLine(const std::string& line) {
    objects_.view.playSystemSound();
    objects_.view.showSystemLine(line);
    logLine(Speaker::Besedka, line);
}

void Engine::logLine(Speaker speaker, const std::string& line) {
    objects_.sessionLog.add((speaker == Speaker::Besedka ? kCpuPrefix : kUserPrefix) + line);
    if (objects_.history != nullptr)
        objects_.history->append(speaker, line);
}

} // namespace besedka
