// SPDX-License-Identifier: GPL-3.0-or-later
// besedka-cli why: which stage and which line would answer each phrase, changing no file.
#include "engine/dry_run.h"
#include "engine/phrase.h"
#include "platform/core/cp1251.h"
#include "platform/core/file_error.h"
#include "tools/cli/commands.h"

#include <array>
#include <cstdio>
#include <iostream>
#include <map>
#include <memory>
#include <optional>

namespace besedka::cli {

namespace {

constexpr const char* kWhyUsage =
    "usage: besedka-cli why [--summary] [--fresh] [--seed N] [PHRASE...]";

struct WhyOptions {
    bool summary = false;
    bool fresh = false;
    std::optional<std::uint32_t> seed;
    std::vector<std::string> phrases; // UTF-8; none: standard input
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
        } else if (args[i].starts_with("--")) {
            trouble("unknown option " + cp1251::fromUtf8(args[i]) + "; " + kWhyUsage);
            return std::nullopt;
        } else {
            options.phrases.push_back(args[i]);
        }
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

} // namespace

int runWhy(const std::vector<std::string>& args) {
    const auto options = parseWhyOptions(args);
    if (!options || !enterKnowledgeFolder())
        return kTrouble;
    const std::unique_ptr<RandomSource> random = randomSource(options->seed);
    DryRun dialogue(*random);
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
