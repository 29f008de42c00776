// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/words_file.h"

#include "engine/base_files.h"
#include "engine/knowledge_line.h"
#include "platform/core/paths.h"

#include <algorithm>
#include <sys/stat.h>

namespace besedka {

WordsFile::WordsFile(LineList& workingList, WorkingFolder folder)
    : workingList_(workingList), folder_(std::move(folder)) {}

void WordsFile::load() {
    Identity onDisk;
    if (!cacheValid_ || !identityOnDisk(onDisk) || !(onDisk == identity_)) {
        readFromDisk();
        return;
    }
    if (heldVersion_ != workingList_.version()) {
        workingList_ = LineList(cachedLines_);
        heldVersion_ = workingList_.version();
    }
}

void WordsFile::save() {
    workingList_.save(base_files::kWords, folder_);
    // The working list is what the file now holds: the next load needs no reading.
    cacheValid_ = identityOnDisk(identity_);
}

std::string_view WordsFile::key(int index) const {
    const Line& l = line(index);
    return text(index).substr(static_cast<std::size_t>(l.depth),
                              l.caret - static_cast<std::size_t>(l.depth));
}

void WordsFile::append(std::string text) {
    cacheValid_ = false; // until saved, the file and the list differ
    lines_.push_back(parse(text));
    workingList_.add(text);
    cachedLines_.push_back(std::move(text));
    heldVersion_ = workingList_.version();
}

void WordsFile::moveToEnd(int index, std::string replacement) {
    cacheValid_ = false;
    const auto at = static_cast<std::ptrdiff_t>(index);
    lines_.erase(lines_.begin() + at);
    cachedLines_.erase(cachedLines_.begin() + at);
    workingList_.remove(index);
    lines_.push_back(parse(replacement));
    workingList_.add(replacement);
    cachedLines_.push_back(std::move(replacement));
    heldVersion_ = workingList_.version();
}

bool WordsFile::identityOnDisk(Identity& out) const {
    struct stat st {};
    if (::stat(folder_.resolve(base_files::kWords).c_str(), &st) != 0)
        return false;
    out.device = st.st_dev;
    out.inode = st.st_ino;
    out.size = static_cast<std::uint64_t>(st.st_size);
    out.modifiedSeconds = st.st_mtim.tv_sec;
    out.modifiedNanoseconds = st.st_mtim.tv_nsec;
    return true;
}

void WordsFile::readFromDisk() {
    cacheValid_ = false;
    // Taken before reading, so a change made while reading is seen at the next load.
    Identity before;
    const bool known = identityOnDisk(before);
    workingList_.load(base_files::kWords, folder_);
    cachedLines_ = workingList_.lines();
    lines_.clear();
    lines_.reserve(cachedLines_.size());
    for (const auto& text : cachedLines_)
        lines_.push_back(parse(text));
    identity_ = before;
    cacheValid_ = known;
    heldVersion_ = workingList_.version();
}

WordsFile::Line WordsFile::parse(std::string_view wholeText) {
    // The searches see a line as reading hands it out.
    const std::string_view text = wholeText.substr(0, LineList::kMaxLineRead);
    Line line;
    KnowledgeLine parsed;
    if (!parseKnowledgeLine(text, parsed))
        return line;
    line.usable = true;
    line.answered = std::any_of(parsed.answers.begin(), parsed.answers.end(),
                                [](const std::string& answer) { return !answer.empty(); });
    line.depth = parsed.depth;
    line.caret = text.find('^');
    return line;
}

} // namespace besedka
