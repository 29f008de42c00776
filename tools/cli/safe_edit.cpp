// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/cli/safe_edit.h"

#include "platform/core/atomic_file.h"
#include "platform/core/cp1251.h"
#include "platform/core/file_error.h"
#include "platform/core/folder_lock.h"
#include "platform/core/line_list.h"
#include "platform/core/paths.h"
#include "tools/cli/commands.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

namespace besedka::cli {

std::optional<std::string> bytesOnDisk(const std::string& spelledPath,
                                       const WorkingFolder& folder) {
    const std::filesystem::path path = folder.resolve(spelledPath);
    std::error_code ec;
    if (!std::filesystem::exists(path, ec))
        return std::nullopt;
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    const std::streamoff size = in ? static_cast<std::streamoff>(in.tellg()) : -1;
    if (!std::filesystem::is_regular_file(path, ec) || size < 0)
        throw FileError::cannotOpen(spelledPath);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    in.seekg(0);
    in.read(bytes.data(), size);
    if (in.gcount() != size)
        throw FileError::cannotOpen(spelledPath);
    return bytes;
}

std::vector<std::string> linesOf(std::string bytes, const std::string& spelledPath,
                                 const WorkingFolder& folder) {
    try {
        return parseLines(std::move(bytes));
    } catch (const UnreadableContent& e) {
        throw FileError::cannotOpen(spelledPath, e.problem(), folder.resolve(spelledPath));
    }
}

std::string backupOf(const std::string& spelledPath) {
    return spelledPath + ".bak";
}

SaveOutcome saveOverWhatWasRead(const std::string& spelledPath,
                                const std::optional<std::string>& asRead,
                                const std::vector<std::string>& lines,
                                const WorkingFolder& folder) {
    // Never between the load and the save of a running program's learning step.
    const FolderLock lock(spelledPath, folder);
    if (bytesOnDisk(spelledPath, folder) != asRead)
        return SaveOutcome::ChangedMeanwhile;
    if (asRead) {
        std::filesystem::path backup = folder.resolve(spelledPath);
        backup += ".bak";
        if (!writeFileAtomically(backup, *asRead))
            throw FileError::cannotCreate(backupOf(spelledPath));
    }
    LineList(lines).save(spelledPath, folder);
    return SaveOutcome::Saved;
}

namespace {

std::string linesText(std::size_t count) {
    return std::to_string(count) + (count == 1 ? " line" : " lines");
}

} // namespace

std::string savedReport(const std::string& spelledPath, const std::optional<std::string>& asRead,
                        std::size_t linesAfter) {
    if (!asRead)
        return spelledPath + ": a new file of " + linesText(linesAfter);
    std::string before = "a file that could not be read";
    try {
        before = linesText(parseLines(*asRead).size());
    } catch (const UnreadableContent&) {
        // A damaged file is what a new version is often written over.
    }
    return spelledPath + ": " + before + " before, " + std::to_string(linesAfter) +
           " after; the previous file is " + backupOf(spelledPath);
}

int saveWrittenLines(const std::string& spelledPath, const std::optional<std::string>& asRead,
                     const std::vector<std::string>& lines) {
    try {
        if (saveOverWhatWasRead(spelledPath, asRead, lines, WorkingFolder::ofProcess()) ==
            SaveOutcome::ChangedMeanwhile)
            return trouble(spelledPath +
                           " changed while the lines were read (a running Besedka learned?); "
                           "nothing written, run the command again");
    } catch (const FileError& e) {
        return trouble(e.what());
    }
    std::fprintf(stderr, "wrote %s\n",
                 cp1251::toUtf8(savedReport(spelledPath, asRead, lines.size())).c_str());
    return kFine;
}

} // namespace besedka::cli
