// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/turn_context.h"

#include "platform/core/folder_lock.h"

namespace besedka {

std::string TurnContext::randomLineOf(const std::string& path) {
    workingList.load(path, folder);
    return workingList.get(random.below(workingList.count()));
}

void TurnContext::appendTo(const std::string& path, const std::string& line) {
    const FolderLock lock(path, folder);
    workingList.load(path, folder);
    workingList.add(line);
    workingList.save(path, folder);
}

} // namespace besedka
