// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/start_folder.h"

#include "platform/core/atomic_file.h"
#include "platform/core/cp1251.h"
#include "platform/core/file_error.h"
#include "platform/core/folder_lock.h"
#include "platform/core/paths.h"

#include <fstream>
#include <iterator>
#include <system_error>

namespace besedka::start_folder {

namespace fs = std::filesystem;

namespace {

FileError cannotCreate(const fs::path& path) {
    return FileError::cannotCreate(cp1251::fromUtf8(path.string()));
}

void makeFolder(const fs::path& folder) {
    std::error_code error;
    fs::create_directories(folder, error);
    if (error || !fs::is_directory(folder))
        throw cannotCreate(folder);
}

void copyWhole(const fs::path& from, const fs::path& to) {
    std::ifstream in(from, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (!in.is_open() || in.bad())
        throw FileError::cannotOpen(cp1251::fromUtf8(from.string()));
    // Under the folder's lock like every save: a copy already working there clears away the
    // temporary files it finds while it holds the lock.
    const FolderLock lock(cp1251::fromUtf8(to.string()));
    if (!writeFileAtomically(to, bytes))
        throw cannotCreate(to);
}

} // namespace

fs::path userDataFolder(const std::string& xdgDataHome, const std::string& home) {
    if (fs::path(xdgDataHome).is_absolute())
        return fs::path(xdgDataHome) / "besedka";
    if (home.empty())
        throw FileError::cannotCreate("$HOME/.local/share/besedka");
    return fs::path(home) / ".local" / "share" / "besedka";
}

bool currentHoldsKnowledgeBase() {
    std::error_code error;
    return fs::is_regular_file(paths::resolve("Base\\Words.Dat"), error);
}

void addMissingShipped(const fs::path& shipped, const fs::path& folder) {
    makeFolder(folder);
    std::error_code error;
    for (fs::recursive_directory_iterator it(shipped, error), end; !error && it != end;
         it.increment(error)) {
        const fs::path target = folder / it->path().lexically_relative(shipped);
        std::error_code ignored;
        if (it->is_directory(ignored))
            makeFolder(target);
        else if (!fs::exists(fs::symlink_status(target, ignored)))
            copyWhole(it->path(), target);
    }
    if (error)
        throw FileError::cannotOpen(cp1251::fromUtf8(shipped.string()));
}

fs::path enter(const fs::path& shipped, const fs::path& userFolder) {
    std::error_code error;
    if (currentHoldsKnowledgeBase())
        return fs::current_path(error);
    addMissingShipped(shipped, userFolder);
    fs::current_path(userFolder, error);
    if (error)
        throw FileError::cannotOpen(cp1251::fromUtf8(userFolder.string()));
    return userFolder;
}

} // namespace besedka::start_folder
