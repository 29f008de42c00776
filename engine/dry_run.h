// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/plain_view.h"
#include "engine/turn.h"
#include "platform/core/line_list.h"
#include "platform/core/random_source.h"

#include <optional>
#include <string>
#include <string_view>

namespace besedka {

// A conversation with the knowledge base of the working folder that changes no file: nothing
// is learned, no abuse collected, no session recorded. For an author trying the base, and for
// whoever measures it.
class DryRun {
public:
    // What one phrase got, and why.
    struct Answer {
        std::string phrase; // as the turn took it, normalised
        std::string reply;
        Stage stage = Stage::CatchAll;
        int line = 0;    // 0-based index of the phrase-base line that answered; 0 for other stages
        std::string key; // that line's key, depth marks included
        bool closes = false; // a farewell: the program would close after the reply
    };

    explicit DryRun(RandomSource& random, const WorkingFolder& folder);

    // One turn, following the turns before it as the dialogue would (a repeat, a branch walk).
    // Nothing when the phrase is blank. Throws FileError when a knowledge file cannot be read.
    std::optional<Answer> say(const std::string& phrase);
    // The next phrase begins a dialogue of its own.
    void startAfresh();

private:
    LineList workingList_, session_, exchange_;
    PlainView view_;
    Engine engine_;
};

// The stage's name as the tools print it: "repeat", "abuse", "long-phrase", "branch-walk",
// "whole-key", "word-by-word", "catch-all".
std::string_view stageName(Stage stage);

} // namespace besedka
