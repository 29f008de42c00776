// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/core/paths.h"

#include <optional>
#include <string>
#include <vector>

// Files are found in the working folder given.
// Saving over a knowledge file that a command read first, so that an edit by hand never loses
// what a running Besedka learned in the meantime, and the file as it was stays at hand.
namespace besedka::cli {

// The file's bytes as they are on disk; nothing when there is no such file. Throws FileError
// when the file is there but cannot be read.
std::optional<std::string> bytesOnDisk(const std::string& spelledPath, const WorkingFolder& folder);

// The lines of the file's bytes. Throws FileError "Cannot open file" with the reason for a
// document that cannot be read whole.
std::vector<std::string> linesOf(std::string bytes, const std::string& spelledPath,
                                 const WorkingFolder& folder);

// Where the previous content of a file is kept: "<file name>.bak" beside it.
std::string backupOf(const std::string& spelledPath);

enum class SaveOutcome { Saved, ChangedMeanwhile };

// Under the folder lock: when the file still holds what was read (`asRead`, nothing for a file
// that did not exist), keeps that as the backup and saves the lines; otherwise writes nothing.
// Throws FileError when the lock cannot be had or a file cannot be written.
SaveOutcome saveOverWhatWasRead(const std::string& spelledPath,
                                const std::optional<std::string>& asRead,
                                const std::vector<std::string>& lines, const WorkingFolder& folder);

// "Base\Words.Dat: 12 lines before, 15 after; the previous file is Base\Words.Dat.bak", in
// Windows-1251, or "...: a new file of 15 lines".
std::string savedReport(const std::string& spelledPath, const std::optional<std::string>& asRead,
                        std::size_t linesAfter);

// Saves the lines as `write` does: over what was read only, keeping the backup, and says on
// standard error what was written. Returns the exit status.
int saveWrittenLines(const std::string& spelledPath, const std::optional<std::string>& asRead,
                     const std::vector<std::string>& lines);

} // namespace besedka::cli
