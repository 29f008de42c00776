// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/turn.h"

#include <string>
#include <utility>
#include <vector>

namespace besedka {

// The window's side of a turn where there is no screen (the terminal chat, a long scripted
// conversation): the transcript as lines, and the two timers that matter once a turn is over as
// flags. Sounds and the busy cursor have no form here.
class PlainView final : public TurnView {
public:
    void setBusyCursor(bool) override {}
    void playPhraseSound() override {}
    void playSystemSound() override {}
    void showUserLine(const std::string& phrase) override { transcript_.push_back(phrase); }
    void showSystemLine(const std::string& line) override { transcript_.push_back(line); }
    void setClosingTimer(bool enabled) override { closing_ = enabled; }
    void setFollowUpTimer(bool enabled) override { followUpPending_ = enabled; }

    const std::vector<std::string>& transcript() const { return transcript_; }
    // The line before the last one, as the repeat check reads the transcript.
    std::string previousTranscriptLine() const {
        return transcript_.size() < 2 ? std::string() : transcript_[transcript_.size() - 2];
    }
    // A farewell reply started the closing animation.
    bool closing() const { return closing_; }
    // Whether the last turn left a follow-up remark due; asking settles it.
    bool takeFollowUp() { return std::exchange(followUpPending_, false); }

private:
    std::vector<std::string> transcript_;
    bool closing_ = false;
    bool followUpPending_ = false;
};

} // namespace besedka
