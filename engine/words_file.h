// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/core/line_list.h"
#include "platform/core/paths.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace besedka {

// "Base\Words.Dat", the phrase base, loaded into the working list for each use. Each use sees
// the file as it is on disk at that moment, but a file whose identity, size and modification
// time are those of the last read or write is copied from memory instead of read and parsed
// again: the branch walk alone would otherwise read the whole file once per line it examines.
class WordsFile {
public:
    // How the searches see one line from line 1 on. Lines that break the format are not usable
    // and every scan passes over them.
    struct Line {
        bool usable = false;
        bool answered = false; // has at least one non-empty answer; otherwise an open key
        int depth = 0;         // leading '_' characters
        std::size_t caret = 0; // index of the first '^': the key is the text before it
    };

    // The file is "Base\Words.Dat" of the folder.
    explicit WordsFile(LineList& workingList, WorkingFolder folder);

    // Loads the file into the working list. Throws FileError when it cannot be read.
    void load();
    // Reads the file from disk whatever it looks like: before a change made under the lock.
    // Another copy's save can look unchanged to load() (same size, modified in the same tick
    // of the file system's clock, an inode number used again).
    void loadLatest() { readFromDisk(); }
    // Saves the working list to the file. Throws FileError when it cannot be written.
    void save();
    // Valid after load() until the working list is replaced.
    int count() const { return static_cast<int>(cachedLines_.size()); }
    // The line as reading hands it out (cut at LineList::kMaxLineRead).
    std::string_view text(int index) const {
        return std::string_view(wholeText(index)).substr(0, LineList::kMaxLineRead);
    }
    const Line& line(int index) const { return lines_[static_cast<std::size_t>(index)]; }
    // The key with its depth marks, as the whole-key search and learning compare it.
    std::string_view fullKey(int index) const { return text(index).substr(0, line(index).caret); }
    // The key without its depth marks, as the branch walk matches it.
    std::string_view key(int index) const;

    // The line as the file holds it, however long.
    const std::string& wholeText(int index) const {
        return cachedLines_[static_cast<std::size_t>(index)];
    }

    // Changes of the working list that learning makes; save() writes them.
    void append(std::string text);
    // Removes the line from its place and appends `replacement` at the end.
    void moveToEnd(int index, std::string replacement);

private:
    struct Identity {
        std::uint64_t device = 0, inode = 0, size = 0;
        std::int64_t modifiedSeconds = 0, modifiedNanoseconds = 0;
        bool operator==(const Identity&) const = default;
    };
    bool identityOnDisk(Identity& out) const;
    void readFromDisk();
    static Line parse(std::string_view wholeText);

    LineList& workingList_;
    WorkingFolder folder_;
    std::vector<std::string> cachedLines_; // the file's lines as last read or written
    std::vector<Line> lines_;              // parsed, index for index
    Identity identity_;
    bool cacheValid_ = false;
    // The working list's version when it last held cachedLines_: any other use of the list
    // changes it, and the next load fills the list again.
    std::optional<std::uint64_t> heldVersion_;
};

} // namespace besedka
