// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/knowledge_stats.h"

#include "platform/core/cp1251.h"

#include <algorithm>

namespace besedka {

PhraseCounts countPhrases(const LineList& phraseBase) {
    PhraseCounts counts;
    for (int i = 1; i < phraseBase.count(); ++i) {
        if (phraseBase.get(i).starts_with('_'))
            ++counts.branches;
        else
            ++counts.mainPhrases;
    }
    return counts;
}

std::string phraseCountsText(const PhraseCounts& counts) {
    return cp1251::fromUtf8("Программе известно:   [главные фразы - ") +
           std::to_string(counts.mainPhrases) + cp1251::fromUtf8("   ветки - ") +
           std::to_string(counts.branches) + "]";
}

int incomingExpressions(const LineList& phraseBase) {
    return std::max(phraseBase.count() - 1, 0);
}

int answersIn(const LineList& phraseBase) {
    int answers = 0;
    for (int i = 1; i < phraseBase.count(); ++i) {
        const std::string line = phraseBase.get(i);
        answers += static_cast<int>(std::count(line.begin(), line.end(), ';'));
    }
    return answers;
}

ExpressionCounts countExpressions(LineList& workingList, const WorkingFolder& folder,
                                  const std::function<void(int incoming)>& incomingCounted) {
    ExpressionCounts counts;
    workingList.load(base_files::kWords, folder);
    counts.incoming = incomingExpressions(workingList);
    if (incomingCounted)
        incomingCounted(counts.incoming);
    for (const char* file : kCountedReplyFiles) {
        workingList.load(file, folder);
        counts.outgoing += workingList.count();
    }
    workingList.load(base_files::kWords, folder);
    counts.outgoing += answersIn(workingList);
    return counts;
}

} // namespace besedka
