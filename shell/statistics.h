// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/core/line_list.h"
#include "platform/core/paths.h"
#include "platform/qt/timer.h"

#include <QAction>

namespace besedka {

// The knowledge-base statistics of the menu "Подробнее о базе:": the expressions the program
// recognises, those it can say, and both together, counted once a second until a count succeeds.
class Statistics {
public:
    Statistics(LineList& workingList, const WorkingFolder& folder, QAction* incomingAction,
               QAction* outgoingAction, QAction* totalAction);

    const Timer& statisticsTimer() const { return statisticsTimer_; }

    void showKnowledgeCounts();

private:
    LineList& workingList_;
    WorkingFolder folder_;
    QAction* incomingAction_;
    QAction* outgoingAction_;
    QAction* totalAction_;
    Timer statisticsTimer_;
};

} // namespace besedka
