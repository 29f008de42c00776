// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>

// Where the program works. Started in a folder that already holds a knowledge base, it works
// there. Started anywhere else (from the applications menu, say), it works in the user's data
// folder, which gets every shipped file it lacks: the first start fills it, later starts keep
// the user's files, so what the program learned stays, and only add files that are missing.
namespace besedka::start_folder {

// $XDG_DATA_HOME/besedka, else $HOME/.local/share/besedka; the values are given as read from the
// environment, empty when unset. A relative XDG_DATA_HOME is ignored, as the XDG base directory
// rules say. Throws FileError when neither names a folder.
std::filesystem::path userDataFolder(const std::string& xdgDataHome, const std::string& home);

// Whether the current folder holds the phrase base Base\Words.Dat, in any letter case, as the
// program looks for it. A stray Base folder of something else does not count.
bool currentHoldsKnowledgeBase();

// Copies every file under shipped that folder lacks, making the folders on the way. A file that
// is there is kept as it is. Each copy appears whole or not at all, so an interrupted start never
// leaves a cut-off knowledge file behind. Throws FileError naming the file that cannot be made,
// or naming shipped, before anything is made, when it is no folder.
void addMissingShipped(const std::filesystem::path& shipped, const std::filesystem::path& folder);

// The folder the program works in, ready: the current folder when it holds a knowledge base,
// else userFolder after adding what it lacks from shipped. The current folder stays as it is.
std::filesystem::path prepare(const std::filesystem::path& shipped,
                              const std::filesystem::path& userFolder);

// The folder of the running program.
std::filesystem::path programFolder();

// The shipped data for a program in programFolder: the copy the install rules put beside it,
// else, for a program run from its build folder, the data folder of the source tree it was built
// from. Where neither is, the installed place, so that an error names where it belongs.
std::filesystem::path shippedFor(const std::filesystem::path& programFolder);

// The user's data folder as this process's environment names it.
std::filesystem::path userDataFolder();

// As prepare, for this program with its shipped data, in the user's data folder.
std::filesystem::path prepareForThisProgram();

// The folder prepareForThisProgram would work in, found without making anything.
std::filesystem::path folderForThisProgram();

} // namespace besedka::start_folder
