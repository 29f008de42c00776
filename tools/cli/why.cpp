// SPDX-License-Identifier: GPL-3.0-or-later
// besedka-cli why: which stage and which line would answer each phrase, changing no file.
#include "engine/dry_run.h"
#include "engine/phrase.h"
#include "platform/core/cp1251.h"
#include "platform/core/file_error.h"
#include "tools/cli/commands.h"

#include <array>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <map>
#include <memory>
#include <optional>

namespace besedka::cli {

namespace {

constexpr const char* kWhyUsage =
    "usage: besedka-cli why [--summary] [--fresh] [--seed N] [PHRASE...] | why [--seed N] "
    "--expect FILE";

struct WhyOptions {
    bool summary = false;
    bool fresh = false;
    std::optional<std::uint32_t> seed;
    std::vector<std::string> phrases;        // UTF-8; none: standard input
    std::optional<std::string> expectations; // UTF-8 path of "phrase → key" lines
};

std::optional<WhyOptions> parseWhyOptions(const std::vector<std::string>& args) {
    WhyOptions options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--summary") {
            options.summary = true;
        } else if (args[i] == "--fresh") {
            options.fresh = true;
        } else if (args[i] == "--seed") {
            options.seed = i + 1 < args.size() ? parseSeed(args[++i]) : std::nullopt;
            if (!options.seed) {
                trouble("--seed takes a whole number from 0 to 4294967295");
                return std::nullopt;
            }
        } else if (args[i] == "--expect" && i + 1 < args.size()) {
            options.expectations = args[++i];
        } else if (args[i].starts_with("--")) {
            trouble("unknown option " + cp1251::fromUtf8(args[i]) + "; " + kWhyUsage);
            return std::nullopt;
        } else {
            options.phrases.push_back(args[i]);
        }
    }
    if (options.expectations && (options.summary || options.fresh || !options.phrases.empty())) {
        trouble(std::string("--expect takes its phrases from FILE, each on its own; ") + kWhyUsage);
        return std::nullopt;
    }
    return options;
}

// "Привет. → Здравствуй! [whole-key, line 5: ПРИВЕТ]" in UTF-8, the line numbered as an editor
// numbers it.
std::string described(const DryRun::Answer& answer) {
    std::string text = cp1251::toUtf8(answer.phrase) + " \u2192 " + cp1251::toUtf8(answer.reply) +
                       " [" + std::string(stageName(answer.stage));
    if (answer.line > 0)
        text += ", line " + std::to_string(answer.line + 1) + ": " + cp1251::toUtf8(answer.key);
    if (answer.closes)
        text += ", farewell";
    return text + "]";
}

class StageCounts {
public:
    void count(Stage stage) {
        ++counts_[stage];
        ++total_;
    }
    void print() const {
        std::printf("%d phrases\n", total_);
        for (Stage stage : {Stage::Repeat, Stage::Abuse, Stage::LongPhrase, Stage::BranchWalk,
                            Stage::WholeKey, Stage::WordByWord, Stage::CatchAll}) {
            const auto found = counts_.find(stage);
            const int n = found == counts_.end() ? 0 : found->second;
            std::printf("%-13s %6d %6.1f%%\n", std::string(stageName(stage)).c_str(), n,
                        total_ == 0 ? 0.0 : 100.0 * n / total_);
        }
    }

private:
    std::map<Stage, int> counts_;
    int total_ = 0;
};

// One line of an expectations file: the phrase, and the key of the line that should answer it.
struct Expectation {
    int lineNumber = 0;
    std::string phrase; // UTF-8, as written
    std::string key;    // Windows-1251, upper case, without outer spaces
};

std::string withoutOuterSpaces(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return std::string(text.substr(first, text.find_last_not_of(" \t") - first + 1));
}

// "phrase → key" or "phrase<TAB>key"; nothing when the line holds neither.
std::optional<Expectation> parseExpectation(const std::string& line, int lineNumber) {
    constexpr std::string_view kArrow = "\u2192";
    std::size_t separator = line.find('\t');
    std::size_t length = 1;
    if (separator == std::string::npos) {
        separator = line.find(kArrow);
        length = kArrow.size();
    }
    if (separator == std::string::npos)
        return std::nullopt;
    Expectation expectation{
        lineNumber, withoutOuterSpaces(line.substr(0, separator)),
        cp1251::upper(withoutOuterSpaces(cp1251::fromUtf8(line.substr(separator + length))))};
    if (expectation.phrase.empty() || expectation.key.empty())
        return std::nullopt;
    return expectation;
}

// Nothing, with the line named, when a line holds no expectation.
std::optional<std::vector<Expectation>> readExpectations(const std::string& utf8Path) {
    std::ifstream in(utf8Path, std::ios::binary);
    if (!in)
        throw FileError::cannotOpen(cp1251::fromUtf8(utf8Path));
    std::vector<Expectation> expectations;
    int lineNumber = 0;
    for (std::string line; std::getline(in, line);) {
        ++lineNumber;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (withoutOuterSpaces(line).empty() || line.starts_with('#'))
            continue;
        const auto expectation = parseExpectation(line, lineNumber);
        if (!expectation) {
            trouble(cp1251::fromUtf8(utf8Path) + ":" + std::to_string(lineNumber) +
                    ": no arrow or tab between a phrase and a key");
            return std::nullopt;
        }
        expectations.push_back(*expectation);
    }
    return expectations;
}

// Each phrase as the first of a dialogue; says which were answered by another line than the
// one expected, and by what. Exit status 1 when any was.
int checkExpectations(const std::string& utf8Path, const std::vector<Expectation>& expectations,
                      DryRun& dialogue) {
    int missed = 0;
    for (const Expectation& expected : expectations) {
        dialogue.startAfresh();
        const auto answer = dialogue.say(typedPhrase(cp1251::fromUtf8(expected.phrase)));
        if (answer && withoutOuterSpaces(answer->key) == expected.key)
            continue;
        ++missed;
        std::string took = "nothing";
        if (answer) {
            took = answer->line > 0 ? "line " + std::to_string(answer->line + 1) + ": " +
                                          cp1251::toUtf8(answer->key)
                                    : "no line";
            took += " [" + std::string(stageName(answer->stage)) + "]";
        }
        std::printf("%s:%d: \"%s\" expected %s, answered by %s\n", utf8Path.c_str(),
                    expected.lineNumber, expected.phrase.c_str(),
                    cp1251::toUtf8(expected.key).c_str(), took.c_str());
    }
    std::printf("%zu phrases, %d answered by another line than expected\n", expectations.size(),
                missed);
    return missed == 0 ? kFine : kFindings;
}

} // namespace

int runWhy(const std::vector<std::string>& args) {
    const auto options = parseWhyOptions(args);
    if (!options)
        return kTrouble;
    // Read where the user stands; the knowledge base is the desktop program's.
    std::optional<std::vector<Expectation>> expectations;
    if (options->expectations && !(expectations = readExpectations(*options->expectations)))
        return kTrouble;
    const auto folder = knowledgeFolder();
    if (!folder)
        return kTrouble;
    const std::unique_ptr<RandomSource> random = randomSource(options->seed);
    DryRun dialogue(*random, *folder);
    if (expectations) {
        try {
            return checkExpectations(*options->expectations, *expectations, dialogue);
        } catch (const FileError& e) {
            return trouble(e.what());
        }
    }
    StageCounts counts;
    // An empty line of standard input begins a new dialogue; a line starting with '#' is a note.
    const auto take = [&](const std::string& utf8Line) {
        if (utf8Line.empty() || options->fresh)
            dialogue.startAfresh();
        const auto answer = dialogue.say(typedPhrase(cp1251::fromUtf8(utf8Line)));
        if (!answer)
            return;
        counts.count(answer->stage);
        if (!options->summary)
            std::printf("%s\n", described(*answer).c_str());
    };
    try {
        if (!options->phrases.empty()) {
            for (const auto& phrase : options->phrases)
                take(phrase);
        } else {
            for (std::string line; std::getline(std::cin, line);) {
                if (!line.empty() && line.back() == '\r')
                    line.pop_back();
                if (!line.starts_with('#'))
                    take(line);
            }
        }
    } catch (const FileError& e) {
        return trouble(e.what());
    }
    if (options->summary)
        counts.print();
    return kFine;
}

} // namespace besedka::cli
