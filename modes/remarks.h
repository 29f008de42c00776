// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "conversation/conversation.h"
#include "platform/core/random_source.h"
#include "platform/qt/timer.h"

namespace besedka {

// What the program says without being asked: the idle remark after a silence, the greeting at the
// start of a dialogue and the follow-up remark after a reply.
class Remarks final : public RemarkTriggers {
public:
    Remarks(Conversation& conversation, RandomSource& random);

    const Timer& idleRemarkTimer() const { return idleRemarkTimer_; }
    const Timer& followUpRemarkTimer() const { return followUpRemarkTimer_; }
    const Timer& greetingTimer() const { return greetingTimer_; }
    // Milliseconds counted towards the follow-up remark; kept when a turn stops its timer.
    int followUpWait() const { return followUpWait_; }

    void countSilentSecond();
    void greet();
    void countFollowUpWait();

    void startGreeting() override;
    void setFollowUpPending(bool pending) override;

private:
    Conversation& conversation_;
    RandomSource& random_;
    int followUpWait_ = 0;
    Timer idleRemarkTimer_;
    Timer followUpRemarkTimer_;
    Timer greetingTimer_;
};

} // namespace besedka
