// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/start_folder.h"

#include "platform/core/atomic_file.h"
#include "platform/core/cp1251.h"
#include "platform/core/file_error.h"
#include "platform/core/folder_lock.h"
#include "platform/core/paths.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <system_error>

namespace besedka::start_folder {

namespace fs = std::filesystem;

namespace {

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::string() : std::string(value);
}

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
    const FolderLock lock(cp1251::fromUtf8(to.string()), WorkingFolder::ofProcess());
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
    return fs::is_regular_file(WorkingFolder::ofProcess().resolve("Base\\Words.Dat"), error);
}

void addMissingShipped(const fs::path& shipped, const fs::path& folder) {
    std::error_code error;
    // A program that does not find its data leaves no empty folder behind.
    if (!fs::is_directory(shipped, error))
        throw FileError::cannotOpen(cp1251::fromUtf8(shipped.string()));
    makeFolder(folder);
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

fs::path prepare(const fs::path& shipped, const fs::path& userFolder) {
    std::error_code error;
    if (currentHoldsKnowledgeBase())
        return fs::current_path(error);
    addMissingShipped(shipped, userFolder);
    return userFolder;
}

fs::path programFolder() {
    std::error_code error;
    const fs::path program = fs::read_symlink("/proc/self/exe", error);
    if (error)
        throw FileError::cannotOpen("/proc/self/exe");
    return program.parent_path();
}

fs::path shippedFor(const fs::path& programFolder) {
    const fs::path installed = (programFolder / BESEDKA_SHIPPED_FROM_PROGRAM).lexically_normal();
    std::error_code error;
    if (!fs::is_directory(installed, error) && fs::is_directory(BESEDKA_SOURCE_DATA, error))
        return BESEDKA_SOURCE_DATA;
    return installed;
}

fs::path userDataFolder() {
    return userDataFolder(environment("XDG_DATA_HOME"), environment("HOME"));
}

fs::path prepareForThisProgram() {
    return prepare(shippedFor(programFolder()), userDataFolder());
}

fs::path folderForThisProgram() {
    std::error_code error;
    return currentHoldsKnowledgeBase() ? fs::current_path(error) : userDataFolder();
}

} // namespace besedka::start_folder
