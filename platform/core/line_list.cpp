#include "platform/core/line_list.h"

#include "platform/core/atomic_file.h"
#include "platform/core/cp1251.h"
#include "platform/core/file_error.h"
#include "platform/core/paths.h"
#include "platform/core/rtf.h"

#include <fstream>
#include <algorithm>

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

// Plain text as the program holds it: Windows-1251, unless a Linux editor wrote it in UTF-8.
std::string plainTextOf(std::string_view bytes) {
    if (bytes.starts_with(kUtf8Bom))
        return cp1251::fromUtf8(bytes.substr(kUtf8Bom.size()));
    if (cp1251::looksLikeUtf8(bytes))
        return cp1251::fromUtf8(bytes);
    return std::string(bytes);
}

// Lines end at CR LF, LF or a lone CR; a NUL cannot stand in a line.
std::vector<std::string> splitLines(std::string_view text) {
    static constexpr std::string_view kSpecial("\r\n\0", 3);
    std::vector<std::string> lines;
    std::string line;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t stop = std::min(text.find_first_of(kSpecial, pos), text.size());
        line.append(text.substr(pos, stop - pos));
        if (stop == text.size())
            break;
        pos = stop + 1;
        if (text[stop] == '\0')
            continue;
        if (text[stop] == '\r' && pos < text.size() && text[pos] == '\n')
            ++pos;
        lines.push_back(std::move(line));
        line.clear();
    }
    if (!line.empty())
        lines.push_back(std::move(line));
    return lines;
}

} // namespace

std::vector<std::string> parseLines(const std::string& bytes) {
    return splitLines(rtf::isRtf(bytes) ? rtf::plainText(bytes) : plainTextOf(bytes));
}

void LineList::load(const std::string& spelledPath) {
    std::string bytes;
    if (!readFile(paths::resolve(spelledPath), bytes))
        throw FileError::cannotOpen(spelledPath);
    lines_ = parseLines(bytes);
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
