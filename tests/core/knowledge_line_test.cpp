// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/knowledge_line.h"
#include "platform/core/cp1251.h"

#include <gtest/gtest.h>

using namespace besedka;
namespace cp = besedka::cp1251;
using Problems = std::vector<LineProblem>;

namespace {
Problems problems(const char* utf8) {
    return problemsOf(cp::fromUtf8(utf8));
}
} // namespace

TEST(KnowledgeLine, WellFormedLinesParse) {
    KnowledgeLine line;
    ASSERT_TRUE(parseKnowledgeLine(cp::fromUtf8("__КАК ДЕЛА?^Хорошо.;Отлично!;@"), line));
    EXPECT_EQ(line.depth, 2);
    EXPECT_EQ(cp::toUtf8(line.key), "КАК ДЕЛА?");
    ASSERT_EQ(line.answers.size(), 2u);
    EXPECT_EQ(cp::toUtf8(line.answers[1]), "Отлично!");
    EXPECT_TRUE(line.farewell);

    ASSERT_TRUE(parseKnowledgeLine(cp::fromUtf8("ТЫ КТО?^"), line));
    EXPECT_TRUE(line.openKey());
    EXPECT_FALSE(line.farewell);
    EXPECT_TRUE(problems("ТЫ КТО?^").empty());
    EXPECT_TRUE(problems("ПОКА.^До свидания!;@").empty());
}

TEST(KnowledgeLine, BrokenLinesAreReportedAndNotParsed) {
    KnowledgeLine line;
    const std::pair<const char*, Problems> broken[] = {
        {"", {LineProblem::Empty}},
        {"ПРИВЕТ без крышки", {LineProblem::NoCaret}},
        {"__^Ответ;", {LineProblem::EmptyKey}},
        {"КЛЮЧ^Ответ", {LineProblem::UnclosedAnswer}},
        {"КЛЮЧ^Ответ;хвост", {LineProblem::UnclosedAnswer}},
        {"КЛЮЧ^Ответ@", {LineProblem::UnclosedAnswer}},
    };
    for (const auto& [text, expected] : broken) {
        EXPECT_EQ(problems(text), expected) << text;
        EXPECT_FALSE(parseKnowledgeLine(cp::fromUtf8(text), line)) << text;
    }
}

TEST(KnowledgeLine, UnusableButReadableLinesAreReported) {
    EXPECT_EQ(problems("Привет^Ответ;"), Problems{LineProblem::LowerCaseKey});
    EXPECT_EQ(problems("ЁЖ^;Ответ;"), Problems{LineProblem::EmptyAnswer});
    EXPECT_EQ(problems("ЁЖ^Ответ;;"), Problems{LineProblem::EmptyAnswer});
    EXPECT_EQ(problems("ПОКА^До@свидания;"), Problems{LineProblem::MisplacedFarewell});
    EXPECT_EQ(problems("ПОКА^Пока;@@"),
              (Problems{LineProblem::UnclosedAnswer, LineProblem::MisplacedFarewell}));
    KnowledgeLine line;
    ASSERT_TRUE(parseKnowledgeLine(cp::fromUtf8("ЁЖ^;Ответ;"), line));
    EXPECT_EQ(line.answers.size(), 2u);
    EXPECT_TRUE(line.answers[0].empty());
}
