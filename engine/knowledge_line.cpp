// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/knowledge_line.h"

#include "platform/core/cp1251.h"

#include <algorithm>

namespace besedka {

namespace {

int depthOf(std::string_view line) {
    const auto marks = line.find_first_not_of('_');
    return static_cast<int>(marks == std::string_view::npos ? line.size() : marks);
}

// The part after '^' without the farewell mark.
std::string_view answerPart(std::string_view line, std::size_t caret) {
    std::string_view rest = line.substr(caret + 1);
    if (!rest.empty() && rest.back() == '@')
        rest.remove_suffix(1);
    return rest;
}

} // namespace

const char* describe(LineProblem problem) {
    switch (problem) {
    case LineProblem::Empty:
        return "empty line";
    case LineProblem::NoCaret:
        return "no '^' after the key";
    case LineProblem::EmptyKey:
        return "empty key";
    case LineProblem::LowerCaseKey:
        return "key has lower-case letters, it never matches";
    case LineProblem::UnclosedAnswer:
        return "answer without its closing ';'";
    case LineProblem::EmptyAnswer:
        return "empty answer";
    case LineProblem::MisplacedFarewell:
        return "farewell mark '@' not at the very end";
    }
    return "unknown problem";
}

std::vector<LineProblem> problemsOf(std::string_view line) {
    if (line.empty())
        return {LineProblem::Empty};
    const auto caret = line.find('^');
    if (caret == std::string_view::npos)
        return {LineProblem::NoCaret};

    std::vector<LineProblem> problems;
    const std::string_view key = line.substr(0, caret).substr(depthOf(line.substr(0, caret)));
    if (key.empty())
        problems.push_back(LineProblem::EmptyKey);
    else if (cp1251::upper(key) != key)
        problems.push_back(LineProblem::LowerCaseKey);

    const std::string_view answers = answerPart(line, caret);
    if (!answers.empty() && answers.back() != ';')
        problems.push_back(LineProblem::UnclosedAnswer);
    if (answers.starts_with(';') || answers.find(";;") != std::string_view::npos)
        problems.push_back(LineProblem::EmptyAnswer);
    if (line.find('@') < line.size() - 1)
        problems.push_back(LineProblem::MisplacedFarewell);
    return problems;
}

bool parseKnowledgeLine(std::string_view line, KnowledgeLine& out) {
    const auto problems = problemsOf(line);
    const auto unusable = [](LineProblem p) {
        return p == LineProblem::Empty || p == LineProblem::NoCaret || p == LineProblem::EmptyKey ||
               p == LineProblem::UnclosedAnswer;
    };
    if (std::any_of(problems.begin(), problems.end(), unusable))
        return false;

    const auto caret = line.find('^');
    out.depth = depthOf(line.substr(0, caret));
    out.key.assign(line.substr(out.depth, caret - out.depth));
    out.farewell = line.back() == '@';
    out.answers.clear();
    std::string_view rest = answerPart(line, caret);
    for (auto semi = rest.find(';'); semi != std::string_view::npos; semi = rest.find(';')) {
        out.answers.emplace_back(rest.substr(0, semi));
        rest.remove_prefix(semi + 1);
    }
    return true;
}

} // namespace besedka
