// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/line_list.h"

#include "platform/core/atomic_file.h"
#include "platform/core/cp1251.h"
#include "platform/core/file_error.h"
#include "platform/core/paths.h"
#include "platform/core/rtf.h"

#include <algorithm>
#include <fstream>

namespace besedka {

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

bool readFile(const std::filesystem::path& path, std::string& bytes) {
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec))
        return false;
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in)
        return false;
    bytes.resize(static_cast<std::size_t>(in.tellg()));
    in.seekg(0);
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return !in.bad();
}

// Lines end at CR LF, LF or a lone CR; a NUL cannot stand in a line.
std::vector<std::string> splitLines(std::string_view text) {
    std::vector<std::string> lines;
    std::string line;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c != '\r' && c != '\n' && c != '\0')
            continue;
        line.append(text.data() + start, i - start);
        start = i + 1;
        if (c == '\0')
            continue;
        if (c == '\r' && start < text.size() && text[start] == '\n')
            start = ++i + 1;
        lines.push_back(std::move(line));
        line.clear();
    }
    line.append(text.data() + start, text.size() - start);
    if (!line.empty())
        lines.push_back(std::move(line));
    return lines;
}

std::string readOrThrow(const std::string& spelledPath) {
    std::string bytes;
    if (!readFile(paths::resolve(spelledPath), bytes))
        throw FileError::cannotOpen(spelledPath);
    return bytes;
}

} // namespace

// Plain text is Windows-1251, unless a Linux editor wrote it in UTF-8.
std::vector<std::string> parseLines(std::string bytes) {
    if (rtf::isRtf(bytes))
        return splitLines(rtf::plainText(std::move(bytes)));
    const std::string_view text = bytes;
    if (text.starts_with(kUtf8Bom))
        return splitLines(cp1251::fromUtf8(text.substr(kUtf8Bom.size())));
    if (cp1251::looksLikeUtf8(text))
        return splitLines(cp1251::fromUtf8(text));
    return splitLines(text);
}

void LineList::load(const std::string& spelledPath) {
    lines_ = parseLines(readOrThrow(spelledPath));
}

void LineList::loadText(const std::string& spelledPath) {
    std::string bytes = readOrThrow(spelledPath);
    if (bytes.find('\0') != std::string::npos) {
        lines_.clear();
        throw FileError::notText(spelledPath);
    }
    lines_ = parseLines(std::move(bytes));
}

void LineList::save(const std::string& spelledPath) const {
    if (!writeFileAtomically(paths::resolve(spelledPath), rtf::write(lines_)))
        throw FileError::cannotCreate(spelledPath);
}

std::string LineList::get(int index) const {
    if (index < 0 || index >= count())
        return {};
    const std::string& line = lines_[static_cast<std::size_t>(index)];
    return line.size() > kMaxLineRead ? line.substr(0, kMaxLineRead) : line;
}

void LineList::remove(int index) {
    if (index >= 0 && index < count())
        lines_.erase(lines_.begin() + index);
}

} // namespace besedka
