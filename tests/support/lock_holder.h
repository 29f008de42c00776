// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/core/paths.h"

#include <string>
#include <sys/types.h>

namespace besedka::test {

// Another process that takes the folder lock of a file and keeps it until it is killed:
// a second copy of the program caught in the middle of a step.
class LockHolder {
public:
    // Returns once the other process holds the lock.
    LockHolder(const std::string& spelledPath, const WorkingFolder& folder);
    // Kills the process if it still runs.
    ~LockHolder();
    LockHolder(const LockHolder&) = delete;
    LockHolder& operator=(const LockHolder&) = delete;

    // Ends the process with SIGKILL, as a crash or `kill -9` would, and waits for its end.
    void kill();

private:
    pid_t pid_ = -1;
};

} // namespace besedka::test
