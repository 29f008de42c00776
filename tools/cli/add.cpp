// SPDX-License-Identifier: GPL-3.0-or-later
// besedka-cli add: a topic of knowledge lines into the phrase base, checked before it goes in.
#include "engine/authoring_checks.h"
#include "engine/base_files.h"
#include "engine/knowledge_line.h"
#include "platform/core/cp1251.h"
#include "platform/core/file_error.h"
#include "platform/core/line_list.h"
#include "tools/cli/commands.h"
#include "tools/cli/safe_edit.h"

#include <algorithm>
#include <cstdio>
#include <set>

namespace besedka::cli {

namespace {

constexpr const char* kAddUsage = "usage: besedka-cli add TOPIC [--top | --after LINE]";

// A learning step of a running Besedka may come between the reading and the saving; each time
// the whole addition is made again on what it left.
constexpr int kAttempts = 5;

struct AddOptions {
    std::string topic;            // UTF-8 path, as given
    std::optional<int> afterLine; // the line the topic follows, numbered from 1; nothing: --top
};

std::optional<AddOptions> parseAddOptions(const std::vector<std::string>& args) {
    AddOptions options;
    bool placeGiven = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if ((args[i] == "--top" || args[i] == "--after") && placeGiven)
            return std::nullopt;
        if (args[i] == "--top") {
            placeGiven = true;
        } else if (args[i] == "--after" && i + 1 < args.size()) {
            options.afterLine = parseWholeNumber<int>(args[++i]);
            if (!options.afterLine || *options.afterLine < 1)
                return std::nullopt;
            placeGiven = true;
        } else if (!args[i].starts_with("--") && options.topic.empty()) {
            options.topic = args[i];
        } else {
            return std::nullopt;
        }
    }
    if (options.topic.empty())
        return std::nullopt;
    return options;
}

void printFinding(const std::string& whereUtf8, int line, const std::string& textCp1251) {
    std::printf("%s:%d: %s\n", whereUtf8.c_str(), line + 1, cp1251::toUtf8(textCp1251).c_str());
}

// The topic's lines, when every one is a knowledge line that comes back as written; otherwise
// nothing, with each problem printed.
std::optional<std::vector<std::string>> readTopic(const std::string& utf8Path) {
    const std::string spelledPath = cp1251::fromUtf8(utf8Path);
    const auto bytes = bytesOnDisk(spelledPath, WorkingFolder::ofProcess());
    if (!bytes)
        throw FileError::cannotOpen(spelledPath);
    bool fine = true;
    for (const auto& lost : charactersLostOnSave(*bytes)) {
        printFinding(utf8Path, lost.line, lost.text);
        fine = false;
    }
    std::vector<std::string> lines = linesOf(*bytes, spelledPath, WorkingFolder::ofProcess());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        for (LineProblem problem : problemsOf(lines[i])) {
            std::printf("%s:%zu: %s\n", utf8Path.c_str(), i + 1, describe(problem));
            fine = false;
        }
    }
    if (lines.empty()) {
        std::printf("%s: no lines to add\n", utf8Path.c_str());
        fine = false;
    }
    return fine ? std::optional(std::move(lines)) : std::nullopt;
}

// Where the topic goes: the index of its first line in the phrase base.
struct Placement {
    std::size_t at = 1;
    std::string problem; // Windows-1251; empty when the place is sound
};

bool isBranchLine(const std::string& line) {
    KnowledgeLine parsed;
    return parseKnowledgeLine(line, parsed) && parsed.depth > 0;
}

// Right after the first line by default: the search takes the first line that fits, so a topic
// must come before the broad keys of the base that would take its phrases.
Placement placeIn(const std::vector<std::string>& base, std::optional<int> afterLine) {
    if (base.empty())
        return {0, "the phrase base has not even its first line"};
    const std::size_t at = afterLine ? static_cast<std::size_t>(*afterLine) : 1;
    if (at > base.size())
        return {at, "the phrase base has only " + std::to_string(base.size()) + " lines"};
    if (at < base.size() && isBranchLine(base[at]))
        return {at, "line " + std::to_string(at + 1) +
                        " follows up the line above it; the topic would take it over"};
    return {at, {}};
}

std::vector<std::string> withTopic(const std::vector<std::string>& base,
                                   const std::vector<std::string>& topic, std::size_t at) {
    std::vector<std::string> merged(base.begin(), base.begin() + static_cast<long>(at));
    merged.insert(merged.end(), topic.begin(), topic.end());
    merged.insert(merged.end(), base.begin() + static_cast<long>(at), base.end());
    return merged;
}

// The lines of the merged base that never answer because of the topic: its own, and those of
// the base that answered before it came.
std::vector<AuthoringWarning> silencedBy(const std::vector<std::string>& base,
                                         const std::vector<std::string>& merged, std::size_t at,
                                         std::size_t topicSize) {
    std::set<int> silentBefore;
    for (const auto& warning : linesNeverAnswering(base))
        silentBefore.insert(warning.line);
    std::vector<AuthoringWarning> silenced;
    for (auto& warning : linesNeverAnswering(merged)) {
        const auto line = static_cast<std::size_t>(warning.line);
        const bool ofTopic = line >= at && line < at + topicSize;
        const int before = static_cast<int>(line < at ? line : line - topicSize);
        if (ofTopic || !silentBefore.contains(before))
            silenced.push_back(std::move(warning));
    }
    return silenced;
}

// What an author should still look at in the topic's lines once it is in.
void printTopicWarnings(const WorkingFolder& folder, const std::vector<std::string>& merged,
                        std::size_t at, std::size_t topicSize) {
    std::vector<AuthoringWarning> warnings = keysWithOuterSpaces(merged);
    for (auto& warning : keysWithoutYoTwin(merged))
        warnings.push_back(std::move(warning));
    LineList dictionary;
    try {
        dictionary.load(base_files::kDictionary, folder);
        for (auto& warning : keyWordsInsideOtherWords(merged, dictionary.lines()))
            warnings.push_back(std::move(warning));
    } catch (const FileError&) {
        // Without the word list there is nothing to look for the key words in.
    }
    std::stable_sort(warnings.begin(), warnings.end(),
                     [](const auto& a, const auto& b) { return a.line < b.line; });
    const std::string where = cp1251::toUtf8(base_files::kWords);
    for (const auto& warning : warnings) {
        const auto line = static_cast<std::size_t>(warning.line);
        if (line >= at && line < at + topicSize)
            printFinding(where, warning.line, "warning: " + warning.text);
    }
}

// One attempt on the phrase base as it is now; nothing when a learning step changed it before
// the save.
std::optional<int> addOnce(const WorkingFolder& folder, const std::vector<std::string>& topic,
                           const AddOptions& options) {
    const std::string path = base_files::kWords;
    const auto asRead = bytesOnDisk(path, folder);
    if (!asRead)
        throw FileError::cannotOpen(path);
    const std::vector<std::string> base = linesOf(*asRead, path, folder);
    const Placement place = placeIn(base, options.afterLine);
    if (!place.problem.empty())
        return trouble("nothing added: " + place.problem);
    const std::vector<std::string> merged = withTopic(base, topic, place.at);
    const auto silenced = silencedBy(base, merged, place.at, topic.size());
    if (!silenced.empty()) {
        const std::string where = cp1251::toUtf8(path);
        for (const auto& warning : silenced)
            printFinding(where, warning.line, warning.text);
        std::printf("nothing added: with %s there, the lines above would never answer; change "
                    "the keys or the place (--after LINE)\n",
                    options.topic.c_str());
        return kFindings;
    }
    if (saveOverWhatWasRead(path, asRead, merged, folder) == SaveOutcome::ChangedMeanwhile)
        return std::nullopt;
    std::printf("added %zu lines of %s after line %zu, as lines %zu to %zu\n%s\n", topic.size(),
                options.topic.c_str(), place.at, place.at + 1, place.at + topic.size(),
                cp1251::toUtf8(savedReport(path, asRead, merged.size())).c_str());
    printTopicWarnings(folder, merged, place.at, topic.size());
    return kFine;
}

} // namespace

int runAdd(const std::vector<std::string>& args) {
    const auto options = parseAddOptions(args);
    if (!options)
        return trouble(kAddUsage);
    try {
        const auto topic = readTopic(options->topic);
        if (!topic) {
            std::printf("nothing added\n");
            return kFindings;
        }
        // The topic was read where the user stands; the base is the desktop program's.
        const auto folder = knowledgeFolder();
        if (!folder)
            return kTrouble;
        for (int attempt = 0; attempt < kAttempts; ++attempt) {
            if (const auto status = addOnce(*folder, *topic, *options))
                return *status;
        }
    } catch (const FileError& e) {
        return trouble(e.what());
    }
    return trouble(std::string(base_files::kWords) +
                   " kept changing while the topic was added (a running Besedka learning?); "
                   "nothing added, run the command again");
}

} // namespace besedka::cli
