// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/atomic_file.h"

#include "platform/core/fault_injection.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace besedka {

namespace {

constexpr std::string_view kTemporarySuffix = ".XXXXXX";
constexpr int kMaxLinksFollowed = 40; // as many as the kernel follows

bool writeAll(int fd, std::string_view content) {
    if (const int injected = injectedError(FaultPlace::WriteTemporary)) {
        errno = injected;
        return false;
    }
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

// Opens a new hidden file beside the target; its name is left in `temp`.
int createTemporary(const std::filesystem::path& target, std::string& temp) {
    std::string hiddenName = "." + target.filename().native();
    hiddenName.append(kTemporarySuffix);
    temp = (target.parent_path() / hiddenName).native();
    if (const int injected = injectedError(FaultPlace::CreateTemporary)) {
        errno = injected;
        return -1;
    }
    return ::mkstemp(temp.data());
}

// Returns 0, or the system's error number when the rename may not outlive a crash.
int syncFolder(const std::filesystem::path& folder) {
    if (const int injected = injectedError(FaultPlace::FlushFolder))
        return injected;
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0)
        return errno;
    // A file system that cannot flush a folder says so with EINVAL; there is nothing to wait for.
    const int error = ::fsync(fd) == 0 || errno == EINVAL ? 0 : errno;
    ::close(fd);
    return error;
}

bool isTemporarySuffixCharacter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

} // namespace

std::filesystem::path savedFileOf(const std::filesystem::path& path) {
    std::filesystem::path file = path;
    for (int followed = 0; followed < kMaxLinksFollowed; ++followed) {
        std::error_code error;
        const std::filesystem::path next = std::filesystem::read_symlink(file, error);
        if (error)
            return file;
        file = next.is_absolute() ? next : file.parent_path() / next;
    }
    return file;
}

bool isTemporaryFileName(std::string_view name) {
    const std::size_t suffixLength = kTemporarySuffix.size();
    if (name.size() < 1 + suffixLength + 3 || name.front() != '.')
        return false;
    const std::string_view fileName = name.substr(1, name.size() - 1 - suffixLength);
    const std::string_view suffix = name.substr(name.size() - suffixLength);
    const auto extension = fileName.find('.', 1);
    return suffix.front() == '.' &&
           std::all_of(suffix.begin() + 1, suffix.end(), isTemporarySuffixCharacter) &&
           extension != std::string_view::npos && extension + 1 < fileName.size();
}

bool writeFileAtomically(const std::filesystem::path& path, std::string_view content) {
    const std::filesystem::path target = savedFileOf(path);
    // A read-only file stays unwritten, as it would be when written in place.
    if (::access(target.c_str(), F_OK) == 0 && ::access(target.c_str(), W_OK) != 0)
        return false;
    std::string temp;
    const int fd = createTemporary(target, temp);
    if (fd < 0)
        return false;
    int error = 0;
    if (::fchmod(fd, permissionsFor(target)) != 0 || !writeAll(fd, content) || ::fsync(fd) != 0)
        error = errno;
    if (::close(fd) != 0 && error == 0)
        error = errno;
    if (error == 0 && ::rename(temp.c_str(), target.c_str()) != 0)
        error = errno;
    if (error == 0)
        error = syncFolder(target.parent_path());
    else
        ::unlink(temp.c_str());
    errno = error;
    return error == 0;
}

} // namespace besedka
