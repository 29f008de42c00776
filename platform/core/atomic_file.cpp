// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/atomic_file.h"

#include <cerrno>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace besedka {

namespace {

bool writeAll(int fd, std::string_view content) {
    while (!content.empty()) {
        const ssize_t written = ::write(fd, content.data(), content.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        content.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

mode_t permissionsFor(const std::filesystem::path& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0)
        return st.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

void syncFolder(const std::filesystem::path& folder) {
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

bool writeFileAtomically(const std::filesystem::path& path, std::string_view content) {
    // A read-only file stays unwritten, as it would be when written in place.
    if (::access(path.c_str(), F_OK) == 0 && ::access(path.c_str(), W_OK) != 0)
        return false;
    const std::filesystem::path folder = path.parent_path();
    std::string hiddenName = path.filename().native();
    hiddenName.insert(hiddenName.begin(), '.');
    hiddenName.append(".XXXXXX");
    std::string temp = (folder / hiddenName).native();
    const int fd = ::mkstemp(temp.data());
    if (fd < 0)
        return false;
    const bool written =
        ::fchmod(fd, permissionsFor(path)) == 0 && writeAll(fd, content) && ::fsync(fd) == 0;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed || ::rename(temp.c_str(), path.c_str()) != 0) {
        ::unlink(temp.c_str());
        return false;
    }
    syncFolder(folder);
    return true;
}

} // namespace besedka
