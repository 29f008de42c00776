// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/history.h"

#include "engine/phrase.h"
#include "platform/core/cp1251.h"
#include "platform/core/paths.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <system_error>
#include <unistd.h>

namespace besedka {

namespace fs = std::filesystem;

namespace {

constexpr std::array kSpeakers = {Speaker::Person, Speaker::Besedka, Speaker::OtherCopy};
constexpr std::size_t kTimeLength = 8; // "HH:MM:SS"
constexpr std::size_t kDayLength = 10; // "YYYY-MM-DD"
constexpr std::string_view kDayFileEnd = ".txt";

std::string twoDigits(int value) {
    char text[8];
    std::snprintf(text, sizeof text, "%02d", value);
    return text;
}

std::string dayOf(const CalendarTime& moment) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", moment.year, moment.month, moment.day);
    return text;
}

std::string timeOf(const CalendarTime& moment) {
    return twoDigits(moment.hour) + ':' + twoDigits(moment.minute) + ':' + twoDigits(moment.second);
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Digits where the pattern has '9', the pattern's own character elsewhere.
bool hasForm(std::string_view text, std::string_view pattern) {
    return text.size() == pattern.size() &&
           std::equal(text.begin(), text.end(), pattern.begin(),
                      [](char c, char p) { return p == '9' ? isDigit(c) : c == p; });
}

fs::path dayFile(const fs::path& folder, const std::string& day) {
    return folder / (day + std::string(kDayFileEnd));
}

// The whole line in one write to a file opened for appending, so that the line of another copy
// never lands in the middle of it. Empty when written, else why not.
std::string appendToFile(const fs::path& file, const std::string& line) {
    std::error_code folderError;
    fs::create_directories(file.parent_path(), folderError);
    if (folderError)
        return folderError.message();
    const int descriptor = ::open(file.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
    if (descriptor < 0)
        return std::strerror(errno);
    std::string failure;
    for (std::size_t written = 0; written < line.size() && failure.empty();) {
        const ssize_t count = ::write(descriptor, line.data() + written, line.size() - written);
        if (count < 0 && errno != EINTR)
            failure = std::strerror(errno);
        else if (count > 0)
            written += static_cast<std::size_t>(count);
    }
    if (::close(descriptor) != 0 && failure.empty())
        failure = std::strerror(errno);
    return failure;
}

bool holdsWord(const std::string& textUtf8, const std::string& lowerWord) {
    return cp1251::lower(cp1251::fromUtf8(textUtf8)).find(lowerWord) != std::string::npos;
}

} // namespace

std::string speakerName(Speaker speaker) {
    switch (speaker) {
    case Speaker::Person:
        return "Вы";
    case Speaker::Besedka:
        return "Беседка";
    case Speaker::OtherCopy:
        return "Собеседник";
    }
    return {};
}

fs::path historyFolder(const WorkingFolder& folder) {
    return folder.resolve("History");
}

std::string historyLineText(const HistoryLine& line) {
    if (line.time.empty())
        return line.text;
    return line.time + ' ' + line.speaker + ": " + line.text;
}

HistoryLine parseHistoryLine(std::string_view text) {
    if (text.size() > kTimeLength && hasForm(text.substr(0, kTimeLength), "99:99:99") &&
        text[kTimeLength] == ' ') {
        const std::string_view rest = text.substr(kTimeLength + 1);
        for (const Speaker speaker : kSpeakers) {
            const std::string prefix = speakerName(speaker) + ": ";
            if (rest.starts_with(prefix))
                return {std::string(text.substr(0, kTimeLength)), speakerName(speaker),
                        std::string(rest.substr(prefix.size()))};
        }
    }
    return {{}, {}, std::string(text)};
}

HistoryWriter::HistoryWriter(const Clock& clock, ProblemReport reportProblem, fs::path folder)
    : clock_(clock), reportProblem_(std::move(reportProblem)), folder_(std::move(folder)) {}

void HistoryWriter::append(Speaker speaker, std::string_view textCp1251) {
    const std::string text = withoutControlCharacters(textCp1251);
    if (text.empty())
        return;
    // One reading of the clock for the file and the line: a line said after midnight opens the
    // new day's file.
    const CalendarTime now = clock_.now();
    const fs::path file = dayFile(folder_, dayOf(now));
    const HistoryLine line{timeOf(now), speakerName(speaker), cp1251::toUtf8(text)};
    const std::string failure = appendToFile(file, historyLineText(line) + '\n');
    if (failure.empty() || toldProblem_)
        return;
    toldProblem_ = true;
    std::error_code ignored;
    const fs::path shown = fs::absolute(file, ignored);
    reportProblem_(
        cp1251::fromUtf8("История бесед не записывается в " + shown.string() + '\n' + failure));
}

bool isHistoryDay(std::string_view text) {
    return hasForm(text, "9999-99-99");
}

std::vector<std::string> historyDays(const fs::path& folder) {
    std::vector<std::string> days;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        std::error_code notFile;
        if (name.size() == kDayLength + kDayFileEnd.size() && name.ends_with(kDayFileEnd) &&
            isHistoryDay(std::string_view(name).substr(0, kDayLength)) &&
            it->is_regular_file(notFile))
            days.push_back(name.substr(0, kDayLength));
    }
    std::sort(days.begin(), days.end(), std::greater<>());
    return days;
}

std::optional<std::vector<HistoryLine>> readHistoryDay(const fs::path& folder,
                                                       const std::string& day) {
    std::ifstream in(dayFile(folder, day), std::ios::binary);
    if (!in)
        return std::nullopt;
    std::vector<HistoryLine> lines;
    for (std::string text; std::getline(in, text);) {
        if (text.ends_with('\r'))
            text.pop_back();
        if (!text.empty())
            lines.push_back(parseHistoryLine(text));
    }
    return lines;
}

std::vector<FoundLine> findInHistory(const fs::path& folder, const std::vector<std::string>& days,
                                     std::string_view word) {
    const std::string lowerWord = cp1251::lower(cp1251::fromUtf8(word));
    std::vector<FoundLine> found;
    if (lowerWord.empty())
        return found;
    for (const std::string& day : days) {
        for (HistoryLine& line : readHistoryDay(folder, day).value_or(std::vector<HistoryLine>{})) {
            if (holdsWord(line.text, lowerWord))
                found.push_back({day, std::move(line)});
        }
    }
    return found;
}

} // namespace besedka
