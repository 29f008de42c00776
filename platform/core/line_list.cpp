// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/line_list.h"

#include "platform/core/atomic_file.h"
#include "platform/core/cp1251.h"
#include "platform/core/fault_injection.h"
#include "platform/core/file_error.h"
#include "platform/core/paths.h"
#include "platform/core/rtf.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace besedka {

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// Returns 0, or the system's error number when the file cannot be read.
int readFile(const std::filesystem::path& path, std::string& bytes) {
    if (const int injected = injectedError(FaultPlace::OpenForReading))
        return injected;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return errno;
    struct stat st {};
    int error = ::fstat(fd, &st) != 0 ? errno : S_ISDIR(st.st_mode) ? EISDIR : 0;
    // One byte more than the size, so that the end is seen without growing the buffer.
    bytes.resize(error == 0 ? static_cast<std::size_t>(st.st_size) + 1 : 0);
    std::size_t length = 0;
    while (error == 0) {
        if (length == bytes.size())
            bytes.resize(2 * length); // a file that grew, or one that tells no size
        const ssize_t got = ::read(fd, bytes.data() + length, bytes.size() - length);
        if (got == 0)
            break;
        if (got > 0)
            length += static_cast<std::size_t>(got);
        else if (errno != EINTR)
            error = errno;
    }
    ::close(fd);
    bytes.resize(length);
    return error;
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

// A document that cannot be read whole is refused: saved again, the lines it lost would be gone.
std::vector<std::string> documentLines(const rtf::PlainText& document) {
    if (document.unconvertible != 0)
        throw UnreadableContent(FileProblem::noConverter(document.unconvertible));
    std::vector<std::string> lines = splitLines(document.text);
    if (!document.complete)
        throw UnreadableContent(FileProblem::endsInsideGroup(static_cast<int>(lines.size())));
    return lines;
}

std::string readOrThrow(const std::string& spelledPath, const std::filesystem::path& path) {
    std::string bytes;
    if (const int error = readFile(path, bytes))
        throw FileError::cannotOpen(spelledPath, FileProblem::ofSystemError(error), path);
    return bytes;
}

std::vector<std::string> parseOrThrow(std::string bytes, const std::string& spelledPath,
                                      const std::filesystem::path& path) {
    try {
        return parseLines(std::move(bytes));
    } catch (const UnreadableContent& e) {
        throw FileError::cannotOpen(spelledPath, e.problem(), path);
    }
}

} // namespace

// Plain text is Windows-1251, unless a Linux editor wrote it in UTF-8.
std::vector<std::string> parseLines(std::string bytes) {
    if (rtf::isRtf(bytes))
        return documentLines(rtf::plainText(std::move(bytes)));
    const std::string_view text = bytes;
    if (text.starts_with(kUtf8Bom))
        return splitLines(cp1251::fromUtf8(text.substr(kUtf8Bom.size())));
    if (cp1251::looksLikeUtf8(text))
        return splitLines(cp1251::fromUtf8(text));
    return splitLines(text);
}

std::uint64_t LineList::nextVersion() {
    static std::atomic<std::uint64_t> last{0};
    return ++last;
}

void LineList::load(const std::string& spelledPath, const WorkingFolder& folder) {
    const std::filesystem::path path = folder.resolve(spelledPath);
    lines_ = parseOrThrow(readOrThrow(spelledPath, path), spelledPath, path);
    changed();
}

void LineList::loadText(const std::string& spelledPath, const WorkingFolder& folder) {
    const std::filesystem::path path = folder.resolve(spelledPath);
    std::string bytes = readOrThrow(spelledPath, path);
    if (bytes.find('\0') != std::string::npos) {
        clear();
        throw FileError::notText(spelledPath);
    }
    lines_ = parseOrThrow(std::move(bytes), spelledPath, path);
    changed();
}

void LineList::save(const std::string& spelledPath, const WorkingFolder& folder) const {
    const std::filesystem::path path = folder.resolve(spelledPath);
    if (!writeFileAtomically(path, rtf::write(lines_))) {
        const int error = errno;
        throw FileError::cannotCreate(spelledPath, FileProblem::ofSystemError(error),
                                      savedFileOf(path));
    }
}

std::string LineList::get(int index) const {
    if (index < 0 || index >= count())
        return {};
    const std::string& line = lines_[static_cast<std::size_t>(index)];
    return line.size() > kMaxLineRead ? line.substr(0, kMaxLineRead) : line;
}

void LineList::remove(int index) {
    if (index >= 0 && index < count()) {
        lines_.erase(lines_.begin() + index);
        changed();
    }
}

} // namespace besedka
