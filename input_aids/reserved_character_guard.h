// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/qt/timer.h"
#include "platform/qt/transcript_view.h"

#include <QLineEdit>

namespace besedka {

// Keeps the characters the phrase base gives a meaning of its own out of the input line: it
// looks at one character of the line at every tick and empties the line when it finds one.
class ReservedCharacterGuard {
public:
    ReservedCharacterGuard(QLineEdit* inputLine, TranscriptView* transcript);

    const Timer& scanTimer() const { return scanTimer_; }
    // The position of the line that the guard inspected last, from 1; 0 before a new pass.
    int scanPosition() const { return scanPosition_; }

    void scanNextCharacter();

private:
    QLineEdit* inputLine_;
    TranscriptView* transcript_;
    int scanPosition_ = 0;
    Timer scanTimer_;
};

} // namespace besedka
