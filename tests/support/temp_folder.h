// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/core/line_list.h"
#include "platform/core/paths.h"

#include <filesystem>
#include <string>
#include <vector>

namespace besedka::test {

// A fresh folder for one test, removed afterwards. Paths are relative to the folder; the
// process's current folder is left alone, as the program leaves it.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // The folder as the program is given it.
    WorkingFolder working() const { return WorkingFolder(path_); }

    // Makes the folders on the way that are missing.
    void write(const std::string& relative, const std::string& bytes) const;
    // Empty when the file cannot be read.
    std::string read(const std::string& relative) const;
    // Writes the lines, given in UTF-8, as plain Windows-1251 text with CR LF line ends.
    void writeLines(const std::string& relative, const std::vector<std::string>& lines) const;
    // The lines as the program reads them, in UTF-8.
    std::vector<std::string> readLines(const std::string& relative) const;
    bool exists(const std::string& relative) const;
    void remove(const std::string& relative) const;

private:
    std::filesystem::path path_;
};

// The process stands in the folder for the object's life: for the few tests of what depends on
// where a program is started.
class StandingIn {
public:
    explicit StandingIn(const std::filesystem::path& folder);
    ~StandingIn();
    StandingIn(const StandingIn&) = delete;
    StandingIn& operator=(const StandingIn&) = delete;

private:
    std::filesystem::path previous_;
};

// The lines of the list in UTF-8.
std::vector<std::string> utf8Lines(const LineList& list);

} // namespace besedka::test
