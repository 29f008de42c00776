// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>

namespace besedka::paths {

// Paths are spelled as the program spells them ("Base\Words.Dat", "D:\Txt.Dat", in Windows-1251).
// Each component is matched against what exists without regard to letter case, so
// "Base\Words.dat" and "base/words.DAT" name one file. A drive path "X:\rest" means /mnt/x/rest.
// A component that does not exist keeps the spelling given, which is how a new file is named.
// A relative path is found under root; an empty root is the process's current folder.
std::filesystem::path resolve(const std::string& spelled, const std::filesystem::path& root);

} // namespace besedka::paths

namespace besedka {

// The folder the program works in: "Base\", "Sound\", "Images\" and "History" are found under it,
// whatever folder the process stands in. Messages keep naming files as the program spells them.
class WorkingFolder {
public:
    explicit WorkingFolder(std::filesystem::path root) : root_(std::move(root)) {}
    // Where the process stands, for the files a person names on a command line.
    static WorkingFolder ofProcess() { return WorkingFolder({}); }

    // Empty for the process's current folder.
    const std::filesystem::path& root() const { return root_; }
    // The file a path spelled as the program spells it names: under the folder unless absolute.
    std::filesystem::path resolve(const std::string& spelled) const {
        return paths::resolve(spelled, root_);
    }

private:
    std::filesystem::path root_;
};

} // namespace besedka
