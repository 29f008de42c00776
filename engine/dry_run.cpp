// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/dry_run.h"

namespace besedka {

namespace {

bool fromThePhraseBase(Stage stage) {
    return stage == Stage::BranchWalk || stage == Stage::WholeKey || stage == Stage::WordByWord;
}

} // namespace

DryRun::DryRun(RandomSource& random, const WorkingFolder& folder)
    : engine_({workingList_, session_, exchange_, random, view_}, folder) {
    engine_.setLearning(false);
}

std::optional<DryRun::Answer> DryRun::say(const std::string& phrase) {
    if (!engine_.runTurn(phrase, view_.previousTranscriptLine(), Mode::CpuUser))
        return std::nullopt;
    const TurnState& state = engine_.state();
    Answer answer;
    answer.phrase = state.userPhrase;
    answer.reply = state.reply;
    answer.stage = state.answeredBy;
    if (fromThePhraseBase(state.answeredBy)) {
        answer.line = state.answerLine;
        answer.key = state.answerKey;
        answer.closes = view_.closing();
    }
    // The session buffer grows with every turn; nobody reads it here.
    session_.clear();
    if (answer.closes)
        startAfresh();
    return answer;
}

void DryRun::startAfresh() {
    engine_.state() = TurnState{};
    view_ = PlainView{};
}

std::string_view stageName(Stage stage) {
    switch (stage) {
    case Stage::Repeat:
        return "repeat";
    case Stage::Abuse:
        return "abuse";
    case Stage::LongPhrase:
        return "long-phrase";
    case Stage::BranchWalk:
        return "branch-walk";
    case Stage::WholeKey:
        return "whole-key";
    case Stage::WordByWord:
        return "word-by-word";
    case Stage::CatchAll:
        return "catch-all";
    }
    return "?";
}

} // namespace besedka
