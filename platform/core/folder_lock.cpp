// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/folder_lock.h"

#include "platform/core/file_error.h"
#include "platform/core/paths.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <thread>
#include <unistd.h>

namespace besedka {

namespace {

constexpr std::chrono::milliseconds kRetryPause{1};

int openFolderOf(const std::string& spelledPath) {
    const std::filesystem::path folder = paths::resolve(spelledPath).parent_path();
    return ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
}

} // namespace

FolderLock::FolderLock(const std::string& spelledPath, std::chrono::milliseconds patience) {
    fd_ = openFolderOf(spelledPath);
    if (fd_ < 0)
        return;
    const auto deadline = std::chrono::steady_clock::now() + patience;
    while (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
        if (errno == EINTR)
            continue;
        const bool heldElsewhere = errno == EWOULDBLOCK;
        if (heldElsewhere && std::chrono::steady_clock::now() < deadline) {
            std::this_thread::sleep_for(kRetryPause);
            continue;
        }
        ::close(fd_);
        fd_ = -1;
        if (heldElsewhere)
            throw FileError::cannotOpen(spelledPath);
        return;
    }
}

FolderLock::~FolderLock() {
    // Closing the only descriptor of the open folder releases the lock.
    if (fd_ >= 0)
        ::close(fd_);
}

} // namespace besedka
