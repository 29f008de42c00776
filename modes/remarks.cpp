// SPDX-License-Identifier: GPL-3.0-or-later
#include "modes/remarks.h"

#include "engine/base_files.h"

namespace besedka {

namespace {

constexpr int kShortestSilence = 60;
constexpr int kLongestSilence = 90;
constexpr int kFollowUpStepMs = 500;

} // namespace

Remarks::Remarks(Conversation& conversation, RandomSource& random)
    : conversation_(conversation), random_(random), idleRemarkTimer_(1000, true),
      followUpRemarkTimer_(1000, false), greetingTimer_(1, false) {
    idleRemarkTimer_.setHandler([this] { countSilentSecond(); });
    followUpRemarkTimer_.setHandler([this] { countFollowUpWait(); });
    greetingTimer_.setHandler([this] { greet(); });
}

void Remarks::countSilentSecond() {
    // Drawn afresh at every tick, so the remark comes after 60 to 90 seconds of silence.
    const int threshold = drawBetween(random_, kShortestSilence, kLongestSilence);
    conversation_.countIdleSecond();
    if (conversation_.idleSeconds() < threshold)
        return;
    LineList& idleRemarks = conversation_.workingList();
    idleRemarks.load(base_files::kIdleRemarks, conversation_.folder());
    conversation_.sayRemark(idleRemarks.get(random_.below(idleRemarks.count())));
    conversation_.restartIdleCount();
}

void Remarks::greet() {
    conversation_.engine().greet();
    // Not reached when the greetings cannot be read, so the next tick draws again.
    greetingTimer_.setEnabled(false);
}

void Remarks::countFollowUpWait() {
    followUpWait_ += kFollowUpStepMs;
    if (followUpWait_ != followUpRemarkTimer_.interval())
        return;
    conversation_.engine().sayFollowUpRemark();
    followUpWait_ = 0;
    followUpRemarkTimer_.setEnabled(false);
}

void Remarks::startGreeting() {
    greetingTimer_.setEnabled(true);
}

void Remarks::setFollowUpPending(bool pending) {
    followUpRemarkTimer_.setEnabled(pending);
}

} // namespace besedka
