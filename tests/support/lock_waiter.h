// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <filesystem>

namespace besedka::test {

// Whether a run of the program whose current folder is `workingFolder` is seen waiting for the
// lock of `lockedFolder` before `timeout` passes. A copy that finds the lock held keeps the
// folder open and sleeps between attempts; nothing else the program does looks so. Watches the
// process from outside, so the program runs unchanged.
bool seenWaitingForLock(const std::filesystem::path& program,
                        const std::filesystem::path& workingFolder,
                        const std::filesystem::path& lockedFolder,
                        std::chrono::milliseconds timeout);

} // namespace besedka::test
