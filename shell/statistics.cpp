#include "engine/knowledge_stats.h"
#include "shell/tform1.h"

namespace besedka {

namespace {

// The count follows the caption the menu was built with, so a retry after a failed tick
// replaces it instead of adding another.
void showCount(QAction* item, int count) {
    const QString caption = item->text().section(QStringLiteral(" ["), 0, 0);
    item->setText(QStringLiteral("%1 [%2]").arg(caption).arg(count));
}

} // namespace

void TForm1::T8Timer() {
    const ExpressionCounts counts =
        countExpressions(RE2, [this](int incoming) { showCount(N18, incoming); });
    showCount(N19, counts.outgoing);
    showCount(N20, counts.total());
    T8.setEnabled(false);
}

} // namespace besedka
