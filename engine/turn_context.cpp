// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/turn_context.h"

#include "platform/core/folder_lock.h"

namespace besedka {

void TurnContext::load(const std::string& path) {
    words.workingListReplaced();
    workingList.load(path, folder);
}

std::string TurnContext::randomLineOf(const std::string& path) {
    load(path);
    return workingList.get(random.below(workingList.count()));
}

void TurnContext::appendTo(const std::string& path, const std::string& line) {
    const FolderLock lock(path, folder);
    load(path);
    workingList.add(line);
    workingList.save(path, folder);
}

} // namespace besedka
