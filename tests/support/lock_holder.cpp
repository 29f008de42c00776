// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/lock_holder.h"

#include "platform/core/folder_lock.h"

#include <cerrno>
#include <csignal>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

namespace besedka::test {

namespace {

[[noreturn]] void holdUntilKilled(const std::string& spelledPath, const WorkingFolder& folder,
                                  int ready) {
    const FolderLock lock(spelledPath, folder);
    const char held = lock.held() ? '1' : '0';
    if (::write(ready, &held, 1) != 1)
        ::_exit(1);
    for (;;)
        ::pause();
}

} // namespace

LockHolder::LockHolder(const std::string& spelledPath, const WorkingFolder& folder) {
    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0)
        throw std::runtime_error("no pipe for the lock holder");
    pid_ = ::fork();
    if (pid_ == 0) {
        ::close(pipeEnds[0]);
        holdUntilKilled(spelledPath, folder, pipeEnds[1]);
    }
    ::close(pipeEnds[1]);
    char held = '0';
    const bool told = pid_ > 0 && ::read(pipeEnds[0], &held, 1) == 1;
    ::close(pipeEnds[0]);
    if (!told || held != '1') {
        kill();
        throw std::runtime_error("the lock holder could not take the lock");
    }
}

LockHolder::~LockHolder() {
    kill();
}

void LockHolder::kill() {
    if (pid_ <= 0)
        return;
    ::kill(pid_, SIGKILL);
    while (::waitpid(pid_, nullptr, 0) < 0 && errno == EINTR) {
    }
    pid_ = -1;
}

} // namespace besedka::test
