// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/statistics.h"

#include "engine/knowledge_stats.h"

namespace besedka {

namespace {

// The count follows the caption the menu was built with, so a retry after a failed tick
// replaces it instead of adding another.
void showCount(QAction* item, int count) {
    const QString caption = item->text().section(QStringLiteral(" ["), 0, 0);
    item->setText(QStringLiteral("%1 [%2]").arg(caption).arg(count));
}

} // namespace

Statistics::Statistics(LineList& workingList, const WorkingFolder& folder, QAction* incomingAction,
                       QAction* outgoingAction, QAction* totalAction)
    : workingList_(workingList), folder_(folder), incomingAction_(incomingAction),
      outgoingAction_(outgoingAction), totalAction_(totalAction), statisticsTimer_(1000, true) {
    statisticsTimer_.setHandler([this] { showKnowledgeCounts(); });
}

void Statistics::showKnowledgeCounts() {
    const ExpressionCounts counts = countExpressions(
        workingList_, folder_, [this](int incoming) { showCount(incomingAction_, incoming); });
    showCount(outgoingAction_, counts.outgoing);
    showCount(totalAction_, counts.total());
    statisticsTimer_.setEnabled(false);
}

} // namespace besedka
