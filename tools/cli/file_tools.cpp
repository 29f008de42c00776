// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/authoring_checks.h"
#include "engine/base_files.h"
#include "engine/knowledge_line.h"
#include "engine/knowledge_stats.h"
#include "platform/core/cp1251.h"
#include "platform/core/file_error.h"
#include "platform/core/line_list.h"
#include "platform/core/rtf.h"
#include "platform/core/start_folder.h"
#include "tools/cli/commands.h"
#include "tools/cli/safe_edit.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <optional>

namespace besedka::cli {

namespace {

constexpr std::size_t kOutputChunk = 1 << 16;
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// File names come from the terminal in UTF-8; the program spells them in Windows-1251.
std::string spelled(const std::string& argument) {
    return cp1251::fromUtf8(argument);
}

void printLine(const std::string& lineCp1251) {
    const std::string utf8 = cp1251::toUtf8(lineCp1251);
    std::fwrite(utf8.data(), 1, utf8.size(), stdout);
    std::fputc('\n', stdout);
}

// Where the lines cannot be taken as they are: "line N: ..." for the user to mend, or nothing.
std::optional<std::string> troubleInUtf8(std::string_view input) {
    const auto lossy = cp1251::firstLossyCharacter(input);
    if (!lossy)
        return std::nullopt;
    const auto lineNumber = 1 + std::count(input.begin(), input.begin() + lossy->offset, '\n');
    char what[64];
    if (lossy->codePoint == 0)
        std::snprintf(what, sizeof what, "byte 0x%02X is not UTF-8",
                      static_cast<unsigned char>(input[lossy->offset]));
    else
        std::snprintf(what, sizeof what, "U+%04X has no Windows-1251 form",
                      static_cast<unsigned>(lossy->codePoint));
    return "line " + std::to_string(lineNumber) + ": " + what +
           " (nothing written; --cp1251 reads Windows-1251 lines)";
}

} // namespace

int trouble(const std::string& messageCp1251) {
    std::fprintf(stderr, "besedka-cli: %s\n", cp1251::toUtf8(messageCp1251).c_str());
    return kTrouble;
}

std::optional<std::uint32_t> parseSeed(const std::string& text) {
    return parseWholeNumber<std::uint32_t>(text);
}

std::unique_ptr<RandomSource> randomSource(std::optional<std::uint32_t> seed) {
    if (seed)
        return std::make_unique<SeededRandom>(*seed);
    return std::make_unique<ClockRandom>();
}

std::optional<WorkingFolder> knowledgeFolder() {
    try {
        return WorkingFolder(start_folder::prepareForThisProgram());
    } catch (const FileError& e) {
        trouble(e.what());
        return std::nullopt;
    }
}

int runCat(const std::vector<std::string>& args) {
    if (args.size() != 1)
        return trouble("usage: besedka-cli cat FILE");
    LineList list;
    try {
        // A picture or an archive printed as text would only fill the terminal with garbage.
        list.loadText(spelled(args[0]), WorkingFolder::ofProcess());
    } catch (const FileError& e) {
        return trouble(e.what());
    }
    // The whole list, long lines included: this is for editing, not for the dialogue.
    std::string out;
    for (const auto& line : list.lines()) {
        cp1251::appendUtf8(out, line);
        out += '\n';
        if (out.size() >= kOutputChunk) {
            std::fwrite(out.data(), 1, out.size(), stdout);
            out.clear();
        }
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
    return kFine;
}

// The lines come in UTF-8, or in Windows-1251 with --cp1251. Anything that would not come back
// as it went in is refused before the file is touched: one stray byte must not turn a whole
// base into mojibake, and an input that never came (a redirection from the wrong file, a
// pipe whose writer failed) must not empty it.
int runWrite(const std::vector<std::string>& args) {
    const auto given = [&args](const char* option) {
        return std::find(args.begin(), args.end(), option) != args.end();
    };
    const bool windows1251 = given("--cp1251");
    const bool allowEmpty = given("--allow-empty");
    if (args.size() != 1u + windows1251 + allowEmpty || args.back().starts_with("--"))
        return trouble("usage: besedka-cli write [--cp1251] [--allow-empty] FILE < LINES");
    const std::string path = spelled(args.back());
    // Taken before the input, which may come slowly: a change meanwhile is not saved over.
    std::optional<std::string> asRead;
    try {
        asRead = bytesOnDisk(path, WorkingFolder::ofProcess());
    } catch (const FileError& e) {
        return trouble(e.what());
    }
    std::string input((std::istreambuf_iterator<char>(std::cin)), std::istreambuf_iterator<char>());
    std::vector<std::string> lines;
    if (windows1251 || rtf::isRtf(input)) {
        try {
            lines = parseLines(std::move(input));
        } catch (const UnreadableContent& e) {
            return trouble("standard input: " + e.problem().reason() + " (nothing written)");
        }
    } else {
        std::string_view text = input;
        if (text.starts_with(kUtf8Bom))
            text.remove_prefix(kUtf8Bom.size());
        if (const auto problem = troubleInUtf8(text))
            return trouble(*problem);
        lines = parseLines(cp1251::fromUtf8(text));
    }
    if (lines.empty() && !allowEmpty)
        return trouble("no lines on standard input: " + path +
                       " left as it is (--allow-empty writes an empty file)");
    return saveWrittenLines(path, asRead, lines);
}

namespace {

struct LintOptions {
    bool authoring = false;
    std::optional<std::string> corpus; // UTF-8 path of ordinary sentences
    std::optional<std::string> path;   // none: Base\Words.Dat of the knowledge folder
};

std::optional<LintOptions> parseLintOptions(const std::vector<std::string>& args) {
    LintOptions options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--authoring") {
            options.authoring = true;
        } else if (args[i] == "--corpus" && i + 1 < args.size()) {
            options.corpus = args[++i];
        } else if (!args[i].starts_with("--") && !options.path) {
            options.path = spelled(args[i]);
        } else {
            return std::nullopt;
        }
    }
    if (options.corpus && !options.authoring)
        return std::nullopt;
    return options;
}

// The sentences of a UTF-8 text file, one a line.
std::vector<std::string> sentencesOf(const std::string& utf8Path) {
    std::ifstream in(utf8Path, std::ios::binary);
    if (!in)
        throw FileError::cannotOpen(spelled(utf8Path));
    std::vector<std::string> sentences;
    for (std::string line; std::getline(in, line);)
        sentences.push_back(cp1251::fromUtf8(line));
    return sentences;
}

// The author's warnings; a missing dictionary leaves out only the check that needs it.
int printAuthoringWarnings(const WorkingFolder& folder, const std::string& path,
                           const std::vector<std::string>& lines,
                           const std::optional<std::vector<std::string>>& sentences) {
    const std::string where = cp1251::toUtf8(path);
    std::vector<AuthoringWarning> warnings;
    const auto add = [&warnings](std::vector<AuthoringWarning> more) {
        for (auto& warning : more)
            warnings.push_back(std::move(warning));
    };
    for (auto* check :
         {missingFirstLine, linesNeverAnswering, keysWithOuterSpaces, keysWithoutYoTwin})
        add(check(lines));
    if (const auto bytes = bytesOnDisk(path, folder))
        add(charactersLostOnSave(*bytes));
    LineList dictionary;
    try {
        dictionary.load(base_files::kDictionary, folder);
        add(keyWordsInsideOtherWords(lines, dictionary.lines()));
    } catch (const FileError& e) {
        trouble(std::string(e.what()) + ": key words are not checked against the dictionary");
    }
    if (sentences)
        add(farewellsInSentences(lines, *sentences));
    std::stable_sort(warnings.begin(), warnings.end(),
                     [](const auto& a, const auto& b) { return a.line < b.line; });
    for (const auto& warning : warnings)
        std::printf("%s:%d: warning: %s\n", where.c_str(), warning.line + 1,
                    cp1251::toUtf8(warning.text).c_str());
    return static_cast<int>(warnings.size());
}

} // namespace

int runLint(const std::vector<std::string>& args) {
    const auto options = parseLintOptions(args);
    if (!options)
        return trouble("usage: besedka-cli lint [--authoring [--corpus TEXT]] [FILE]");
    // Read where the user stands; the knowledge base is the desktop program's.
    std::optional<std::vector<std::string>> sentences;
    try {
        if (options->corpus)
            sentences = sentencesOf(*options->corpus);
    } catch (const FileError& e) {
        return trouble(e.what());
    }
    // A file named on the command line is read where the user stands.
    const auto folder = options->path ? WorkingFolder::ofProcess() : knowledgeFolder();
    if (!folder)
        return kTrouble;
    const std::string path = options->path.value_or(base_files::kWords);
    const std::string where = cp1251::toUtf8(path);
    LineList base;
    try {
        base.load(path, *folder);
    } catch (const FileError& e) {
        if (e.problem().kind() != FileProblem::Kind::EndsInsideGroup)
            return trouble(e.what());
        std::printf("%s:%d: damaged: the file ends inside a group after this line; the program "
                    "will not read it\n",
                    where.c_str(), e.problem().detail());
        return kFindings;
    }
    int findings = 0;
    // Damage, not style: plain lint says it too.
    if (const auto damage = questionMarkDamage(base.lines())) {
        std::printf("%s: error: %s\n", where.c_str(), cp1251::toUtf8(*damage).c_str());
        ++findings;
    }
    for (int i = 1; i < base.count(); ++i) {
        const std::string& whole = base.lines()[static_cast<std::size_t>(i)];
        // Reading cuts such a line, so what the program sees of it is judged below.
        if (whole.size() > LineList::kMaxLineRead) {
            std::printf("%s:%d: too long: %zu characters, reading takes %zu\n", where.c_str(),
                        i + 1, whole.size(), LineList::kMaxLineRead);
            ++findings;
        }
        for (LineProblem problem : problemsOf(base.get(i))) {
            std::printf("%s:%d: %s\n", where.c_str(), i + 1, describe(problem));
            ++findings;
        }
    }
    if (options->authoring) {
        try {
            findings += printAuthoringWarnings(*folder, path, base.lines(), sentences);
        } catch (const FileError& e) {
            return trouble(e.what());
        }
    }
    return findings == 0 ? kFine : kFindings;
}

int runStats(const std::vector<std::string>& args) {
    if (!args.empty())
        return trouble("usage: besedka-cli stats");
    const auto folder = knowledgeFolder();
    if (!folder)
        return kTrouble;
    LineList workingList;
    try {
        workingList.load(base_files::kWords, *folder);
        printLine(phraseCountsText(countPhrases(workingList)));
        const ExpressionCounts counts = countExpressions(workingList, *folder);
        printLine(cp1251::fromUtf8("Входящие выражения: [") + std::to_string(counts.incoming) +
                  "]");
        printLine(cp1251::fromUtf8("Исходящие выражения: [") + std::to_string(counts.outgoing) +
                  "]");
        printLine(cp1251::fromUtf8("Итого: [") + std::to_string(counts.total()) + "]");
    } catch (const FileError& e) {
        return trouble(e.what());
    }
    return kFine;
}

} // namespace besedka::cli
