// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/temp_folder.h"

#include "platform/core/cp1251.h"

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <iterator>
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

} // namespace

TempFolder::TempFolder() : previous_(fs::current_path()), path_(makeFreshFolder()) {
    fs::current_path(path_);
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    fs::current_path(previous_, ignored);
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
    list.load((path_ / relative).string());
    return utf8Lines(list);
}

bool TempFolder::exists(const std::string& relative) const {
    return fs::exists(path_ / relative);
}

void TempFolder::remove(const std::string& relative) const {
    fs::remove(path_ / relative);
}

std::vector<std::string> utf8Lines(const LineList& list) {
    std::vector<std::string> lines;
    for (const std::string& line : list.lines())
        lines.push_back(cp1251::toUtf8(line));
    return lines;
}

} // namespace besedka::test
