// SPDX-License-Identifier: GPL-3.0-or-later
// besedka-cli history: the conversation history of the working folder, as a person reads it.
#include "engine/history.h"

#include "platform/core/cp1251.h"
#include "tools/cli/commands.h"

#include <algorithm>
#include <cstdio>
#include <optional>

namespace besedka::cli {

namespace {

constexpr const char* kHistoryUsage = "usage: besedka-cli history [--day YYYY-MM-DD] [--grep WORD]";

struct HistoryOptions {
    std::optional<std::string> day;
    std::optional<std::string> word; // UTF-8
};

std::optional<HistoryOptions> parseHistoryOptions(const std::vector<std::string>& args) {
    HistoryOptions options;
    for (std::size_t i = 0; i < args.size(); i += 2) {
        const std::string& option = args[i];
        if (i + 1 == args.size()) {
            trouble(cp1251::fromUtf8(option) + " needs a value; " + kHistoryUsage);
            return std::nullopt;
        }
        const std::string& value = args[i + 1];
        if (option == "--day" && isHistoryDay(value)) {
            options.day = value;
        } else if (option == "--grep" && !value.empty()) {
            options.word = value;
        } else {
            trouble(option == "--day" || option == "--grep"
                        ? cp1251::fromUtf8(option + " " + value) + " is not understood; " +
                              kHistoryUsage
                        : "unknown option " + cp1251::fromUtf8(option));
            return std::nullopt;
        }
    }
    return options;
}

void printLine(const std::string& utf8) {
    std::fwrite(utf8.data(), 1, utf8.size(), stdout);
    std::fputc('\n', stdout);
}

std::string shown(const std::filesystem::path& folder) {
    std::error_code ignored;
    return cp1251::fromUtf8(std::filesystem::absolute(folder, ignored).string());
}

// The day as a heading, then its lines as the file holds them.
int printDay(const std::filesystem::path& folder, const std::string& day) {
    const auto lines = readHistoryDay(folder, day);
    if (!lines)
        return trouble("Cannot open file " + shown(folder / (day + ".txt")));
    printLine(day);
    for (const HistoryLine& line : *lines)
        printLine(historyLineText(line));
    return kFine;
}

// Each line found after its day; nothing found is a finding of its own, as with grep.
int printFound(const std::filesystem::path& folder, const std::vector<std::string>& days,
               const std::string& word) {
    const std::vector<FoundLine> found = findInHistory(folder, days, word);
    for (const FoundLine& line : found)
        printLine(line.day + ' ' + historyLineText(line.line));
    return found.empty() ? kFindings : kFine;
}

} // namespace

// Without --day, a search looks through every day and a reading shows the latest day: the
// conversation a person most likely comes back for.
int runHistory(const std::vector<std::string>& args) {
    const auto options = parseHistoryOptions(args);
    if (!options)
        return kTrouble;
    // A folder with a history of its own is read where it is, like a folder with a base.
    const bool historyHere =
        std::filesystem::is_directory(historyFolder(WorkingFolder::ofProcess()));
    const auto working =
        historyHere ? std::optional<WorkingFolder>(WorkingFolder::ofProcess()) : knowledgeFolder();
    if (!working)
        return kTrouble;
    const std::filesystem::path folder = historyFolder(*working);
    const std::vector<std::string> days = historyDays(folder);
    if (days.empty())
        return trouble("no history in " + shown(folder));
    if (options->day && std::find(days.begin(), days.end(), *options->day) == days.end())
        return trouble("no history of " + *options->day + " in " + shown(folder));
    if (options->word)
        return printFound(folder, options->day ? std::vector{*options->day} : days, *options->word);
    return printDay(folder, options->day.value_or(days.front()));
}

} // namespace besedka::cli
