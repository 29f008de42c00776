// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/lock_waiter.h"

#include <algorithm>
#include <fstream>
#include <string>
#include <sys/syscall.h>
#include <thread>
#include <vector>

namespace besedka::test {

namespace {

namespace fs = std::filesystem;

// A link of /proc that leads to the place; false once the process has gone.
bool leadsTo(const fs::path& link, const fs::path& place) {
    std::error_code error;
    return fs::equivalent(link, place, error) && !error;
}

bool isProcessFolder(const fs::path& entry) {
    const std::string name = entry.filename().string();
    return !name.empty() &&
           std::all_of(name.begin(), name.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The /proc folders of the program's runs in the working folder.
std::vector<fs::path> runsOf(const fs::path& program, const fs::path& workingFolder) {
    std::vector<fs::path> runs;
    std::error_code error;
    for (fs::directory_iterator it("/proc", error), end; !error && it != end; it.increment(error)) {
        const fs::path& process = it->path();
        if (isProcessFolder(process) && leadsTo(process / "exe", program) &&
            leadsTo(process / "cwd", workingFolder))
            runs.push_back(process);
    }
    return runs;
}

// The process is asleep in a timed pause, not running nor blocked in anything else. A system
// that does not tell what a process is doing leaves only the open folder to go by.
bool pauses(const fs::path& process) {
    std::ifstream in(process / "syscall");
    if (!in.is_open())
        return true;
    long call = -1;
    return in >> call && call == SYS_clock_nanosleep;
}

bool holdsOpen(const fs::path& process, const fs::path& folder) {
    std::error_code error;
    for (fs::directory_iterator it(process / "fd", error), end; !error && it != end;
         it.increment(error)) {
        if (leadsTo(it->path(), folder))
            return true;
    }
    return false;
}

} // namespace

bool seenWaitingForLock(const fs::path& program, const fs::path& workingFolder,
                        const fs::path& lockedFolder, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (std::chrono::steady_clock::now() < deadline) {
        for (const fs::path& run : runsOf(program, workingFolder)) {
            if (pauses(run) && holdsOpen(run, lockedFolder))
                return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return false;
}

} // namespace besedka::test
