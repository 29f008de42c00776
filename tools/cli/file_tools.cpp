#include "engine/knowledge_line.h"
#include "engine/knowledge_stats.h"
#include "platform/core/cp1251.h"
#include "platform/core/file_error.h"
#include "platform/core/folder_lock.h"
#include "platform/core/line_list.h"
#include "tools/cli/commands.h"

#include <cstdio>
#include <iostream>

namespace besedka::cli {

namespace {

constexpr std::size_t kOutputChunk = 1 << 16;

// File names come from the terminal in UTF-8; the program spells them in Windows-1251.
std::string spelled(const std::string& argument) {
    return cp1251::fromUtf8(argument);
}

void printLine(const std::string& lineCp1251) {
    const std::string utf8 = cp1251::toUtf8(lineCp1251);
    std::fwrite(utf8.data(), 1, utf8.size(), stdout);
    std::fputc('\n', stdout);
}

} // namespace

int trouble(const std::string& messageCp1251) {
    std::fprintf(stderr, "besedka-cli: %s\n", cp1251::toUtf8(messageCp1251).c_str());
    return kTrouble;
}

int runCat(const std::vector<std::string>& args) {
    if (args.size() != 1)
        return trouble("usage: besedka-cli cat FILE");
    LineList list;
    try {
        list.load(spelled(args[0]));
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

int runWrite(const std::vector<std::string>& args) {
    if (args.size() != 1)
        return trouble("usage: besedka-cli write FILE < LINES");
    std::string input((std::istreambuf_iterator<char>(std::cin)), std::istreambuf_iterator<char>());
    try {
        // Never between the load and the save of a running program's learning step.
        const FolderLock lock(spelled(args[0]));
        LineList(parseLines(input)).save(spelled(args[0]));
    } catch (const FileError& e) {
        return trouble(e.what());
    }
    return kFine;
}

int runLint(const std::vector<std::string>& args) {
    if (args.size() > 1)
        return trouble("usage: besedka-cli lint [FILE]");
    const std::string path = args.empty() ? base_files::kWords : spelled(args[0]);
    LineList base;
    try {
        base.load(path);
    } catch (const FileError& e) {
        return trouble(e.what());
    }
    int findings = 0;
    for (int i = 1; i < base.count(); ++i) {
        for (LineProblem problem : problemsOf(base.get(i))) {
            std::printf("%s:%d: %s\n", cp1251::toUtf8(path).c_str(), i + 1, describe(problem));
            ++findings;
        }
    }
    return findings == 0 ? kFine : kFindings;
}

int runStats(const std::vector<std::string>& args) {
    if (!args.empty())
        return trouble("usage: besedka-cli stats");
    LineList workingList;
    try {
        workingList.load(base_files::kWords);
        printLine(phraseCountsText(countPhrases(workingList)));
        const ExpressionCounts counts = countExpressions(workingList);
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
