// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/folder_lock.h"

#include "platform/core/atomic_file.h"
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

// The folder where a save of the file makes its temporary file: that of the linked file when the
// file is a link, so that copies sharing one file through links in their own folders take one lock.
std::filesystem::path folderOf(const std::filesystem::path& file) {
    const std::filesystem::path folder = savedFileOf(file).parent_path();
    return folder.empty() ? "." : folder;
}

// The knowledge-base folder is the program's alone. Elsewhere, beside an exchange file, another
// program may be saving a file under the same kind of name.
bool isKnowledgeFolder(const std::filesystem::path& folder, const WorkingFolder& working) {
    std::error_code ignored;
    return std::filesystem::equivalent(folder, working.resolve("Base"), ignored);
}

// Every save in the folder makes its temporary file while it holds the lock: with the lock
// held, any such file in the folder is what a killed or crashed save left behind.
void removeStaleTemporaryFiles(const std::filesystem::path& folder) {
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
         it.increment(error)) {
        std::error_code ignored;
        if (isTemporaryFileName(it->path().filename().native()) &&
            it->symlink_status(ignored).type() == std::filesystem::file_type::regular)
            std::filesystem::remove(it->path(), ignored);
    }
}

} // namespace

FolderLock::FolderLock(const std::string& spelledPath, const WorkingFolder& working,
                       std::chrono::milliseconds patience) {
    const std::filesystem::path folder = folderOf(working.resolve(spelledPath));
    fd_ = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
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
            throw FileError::cannotOpen(spelledPath, FileProblem::folderLocked(), folder);
        return;
    }
    if (isKnowledgeFolder(folder, working))
        removeStaleTemporaryFiles(folder);
}

FolderLock::~FolderLock() {
    // Closing the only descriptor of the open folder releases the lock.
    if (fd_ >= 0)
        ::close(fd_);
}

} // namespace besedka
