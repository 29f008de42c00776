// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/temp_folder.h"

#include "platform/core/cp1251.h"

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <set>
#include <system_error>

namespace besedka::test {

namespace fs = std::filesystem;

namespace {

fs::path makeFreshFolder() {
    std::string pattern = (fs::temp_directory_path() / "besedka-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr)
        throw std::system_error(errno, std::generic_category(), "cannot make " + pattern);
    return pattern;
}

std::set<fs::path> entriesOf(const fs::path& folder) {
    std::set<fs::path> entries;
    std::error_code ignored;
    for (fs::directory_iterator it(folder, ignored), end; !ignored && it != end;
         it.increment(ignored))
        entries.insert(it->path().filename());
    return entries;
}

// The program is given its folder and never changes the process's, so no test needs to either:
// a file found or written relative to where the tests run is a file in the wrong place.
class TheProcessFolderIsLeftAlone : public ::testing::Environment {
public:
    void SetUp() override {
        start_ = fs::current_path();
        entries_ = entriesOf(start_);
    }
    void TearDown() override {
        EXPECT_EQ(fs::current_path(), start_) << "the tests left the process in another folder";
        EXPECT_EQ(entriesOf(start_), entries_) << "something was written where the tests run";
    }

private:
    fs::path start_;
    std::set<fs::path> entries_;
};

[[maybe_unused]] const ::testing::Environment* const kFolderWatch =
    ::testing::AddGlobalTestEnvironment(new TheProcessFolderIsLeftAlone);

} // namespace

TempFolder::TempFolder() : path_(makeFreshFolder()) {}

TempFolder::~TempFolder() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
}

void TempFolder::write(const std::string& relative, const std::string& bytes) const {
    const fs::path file = path_ / relative;
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << bytes;
}

std::string TempFolder::read(const std::string& relative) const {
    std::ifstream in(path_ / relative, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void TempFolder::writeLines(const std::string& relative,
                            const std::vector<std::string>& lines) const {
    std::string bytes;
    for (const std::string& line : lines)
        bytes += cp1251::fromUtf8(line) + "\r\n";
    write(relative, bytes);
}

std::vector<std::string> TempFolder::readLines(const std::string& relative) const {
    LineList list;
    list.load(relative, working());
    return utf8Lines(list);
}

bool TempFolder::exists(const std::string& relative) const {
    return fs::exists(path_ / relative);
}

void TempFolder::remove(const std::string& relative) const {
    fs::remove(path_ / relative);
}

StandingIn::StandingIn(const fs::path& folder) : previous_(fs::current_path()) {
    fs::current_path(folder);
}

StandingIn::~StandingIn() {
    std::error_code ignored;
    fs::current_path(previous_, ignored);
}

std::vector<std::string> utf8Lines(const LineList& list) {
    std::vector<std::string> lines;
    for (const std::string& line : list.lines())
        lines.push_back(cp1251::toUtf8(line));
    return lines;
}

} // namespace besedka::test
