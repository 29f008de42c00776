// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/core/paths.h"

#include <chrono>
#include <string>

namespace besedka {

// The advisory lock of the folder that holds a file, held across one load, change and save of
// a knowledge file, so that two copies of the program working in one folder never save over
// each other's change. The kernel drops the lock when its process ends, however it ends, and
// the lock leaves nothing on disk. Reads that change nothing need no lock: saves are atomic.
// A process takes one folder's lock once at a time: a second lock on the same folder waits for
// the first. Taking the lock of Base\ removes the temporary files that killed saves left there.
// For a file that is a link, the folder is that of the file it leads to, where its saves are made.
class FolderLock {
public:
    // Another copy holds the lock for one step, milliseconds; one that holds it longer is stuck.
    static constexpr std::chrono::milliseconds kPatience{3000};

    // Waits for the lock of the folder of the file (spelled as the program spells paths) in the
    // working folder.
    // Throws FileError "Cannot open file <spelledPath>", with the reason that another copy is
    // saving to the folder, when another process still holds it after `patience`. A folder that
    // cannot be opened or locked (a file system without locks) is worked in unlocked; the file's
    // own load or save reports what is wrong with it.
    FolderLock(const std::string& spelledPath, const WorkingFolder& folder,
               std::chrono::milliseconds patience = kPatience);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    bool held() const { return fd_ >= 0; }

private:
    int fd_ = -1;
};

} // namespace besedka
