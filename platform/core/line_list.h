// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace besedka {

class WorkingFolder;

// An ordered list of Windows-1251 lines, loaded from a file whole and saved to it whole:
// the working list of the knowledge base, the session buffer, the exchange buffer.
class LineList {
public:
    // Longest line that reading hands out; the rest stays in the list and is saved again.
    static constexpr std::size_t kMaxLineRead = 4096;

    LineList() = default;
    explicit LineList(std::vector<std::string> lines) : lines_(std::move(lines)) {}

    // Files are found in the folder and named in messages as spelled.
    // Replaces the content with the lines of the file, RTF or plain text.
    // Throws FileError "Cannot open file <spelledPath>" when it cannot be read, or is a damaged
    // or unconvertible document: its lines are never taken in part.
    void load(const std::string& spelledPath, const WorkingFolder& folder);
    // As load, for a file that another program writes: one holding a NUL byte is no text, and
    // answering it would overwrite someone's data. Throws FileError "Not a text file
    // <spelledPath>" for such a file, leaving the list empty so nothing stale is answered.
    void loadText(const std::string& spelledPath, const WorkingFolder& folder);
    // Writes the whole list in RTF, atomically: the file holds either the old or the new content.
    // Throws FileError "Cannot create file <spelledPath>" when it cannot be written.
    void save(const std::string& spelledPath, const WorkingFolder& folder) const;

    int count() const { return static_cast<int>(lines_.size()); }
    // An index outside the list reads as the empty line; a long line is cut at kMaxLineRead.
    std::string get(int index) const;
    void add(std::string line) {
        lines_.push_back(std::move(line));
        changed();
    }
    // Removing an index outside the list does nothing.
    void remove(int index);
    void clear() {
        lines_.clear();
        changed();
    }

    const std::vector<std::string>& lines() const { return lines_; }

    // Differs from every earlier value whenever the content may have changed, whoever changed
    // it; a copy shares its original's. Lets a cache of the content tell that it is stale.
    std::uint64_t version() const { return version_; }

private:
    static std::uint64_t nextVersion();
    void changed() { version_ = nextVersion(); }

    std::vector<std::string> lines_;
    std::uint64_t version_ = nextVersion();
};

// The lines of file content in either form; a final empty line is not a line. Throws
// UnreadableContent for an RTF document that ends before its groups close or that needs a code
// page converter the system lacks.
std::vector<std::string> parseLines(std::string bytes);

} // namespace besedka
