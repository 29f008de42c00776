// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/session_log.h"

#include "engine/base_files.h"
#include "engine/knowledge_stats.h"
#include "platform/core/cp1251.h"
#include "platform/core/folder_lock.h"

namespace besedka {

namespace {

const std::string kMargin(22, ' ');

} // namespace

void appendSessionRecord(LineList& workingList, const LineList& sessionLog, const std::string& date,
                         const std::string& time, const WorkingFolder& folder) {
    workingList.load(base_files::kWordsAtExit, folder);
    const int phrases = incomingExpressions(workingList);

    // Another copy may be leaving at the same moment: its record must stay.
    const FolderLock lock(base_files::kSessionLog, folder);
    workingList.load(base_files::kSessionLog, folder);
    workingList.add("");
    workingList.add(std::string(80, '-'));
    workingList.add(kMargin + std::string(30, '_'));
    workingList.add(kMargin + cp1251::fromUtf8("Дата - ") + date + "   |   " +
                    cp1251::fromUtf8("Время - ") + time);
    workingList.add(kMargin + std::string(30, '~'));
    workingList.add(cp1251::fromUtf8("//Загружено фраз выученных программой: ") +
                    std::to_string(phrases));
    for (const auto& line : sessionLog.lines())
        workingList.add(line);
    workingList.add(std::string(53, '='));
    workingList.save(base_files::kSessionLog, folder);
}

} // namespace besedka
