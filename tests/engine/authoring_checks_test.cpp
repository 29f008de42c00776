// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/authoring_checks.h"
#include "tests/engine/engine_fixture.h"
#include "tests/support/program_run.h"

#include <gtest/gtest.h>

namespace besedka::test {

using Lines = std::vector<std::string>;

namespace {

Lines cpLines(const Lines& utf8) {
    Lines lines;
    for (const auto& line : utf8)
        lines.push_back(cp(line));
    return lines;
}

// "line: text" of each warning, the line numbered from 1 as an editor does, in UTF-8.
Lines described(const std::vector<AuthoringWarning>& warnings) {
    Lines lines;
    for (const auto& warning : warnings)
        lines.push_back(std::to_string(warning.line + 1) + ": " + utf(warning.text));
    return lines;
}

} // namespace

TEST(AuthoringChecksTest, AKeyHoldingAnEarlierKeyNeverAnswers) {
    const Lines base =
        cpLines({"Фразы", "БОРЩ^Вкусно!;", "ПОКА^Пока!;@", "ВАРЮ БОРЩ^Какой?;",
                 "ПОКА ЧТО^Подождём.;", "ТЫ КТО?^", "КТО^Я.;", "_БОРЩ С ГРИБАМИ^Ого.;"});
    // A farewell line may be passed over, an open key never answers, a branch is not searched.
    EXPECT_EQ(described(keysNeverReached(base)),
              Lines{"4: key \"ВАРЮ БОРЩ\" never answers: the key \"БОРЩ\" of line 2 stands inside "
                    "it and is found first"});
    EXPECT_TRUE(keysNeverReached(cpLines({"Фразы", "ВАРЮ БОРЩ^Какой?;", "БОРЩ^Вкусно!;"})).empty());
}

TEST(AuthoringChecksTest, AKeyWordInsideOtherWordsIsCountedWithExamples) {
    const Lines dictionary = cpLines({"соль", "фасоль", "пасьянс", "карусель", "мусоль", "горизонт",
                                      "зонт", "зонтик", "солька"});
    const Lines base = cpLines(
        {"Фразы", "СОЛЬ^Солёное.;", "ВОЗЬМИ ЗОНТ^Возьму.;", " ЧАЙ^Да.;", "СОЛЬ И ПЕРЕЦ^Специи.;"});
    // "зонтик" and "солька" begin with the key word: a stem means those. " ЧАЙ" wants a word
    // start, "СОЛЬ" is said once, at its first line, and a one-letter word is found nearly
    // anywhere.
    EXPECT_EQ(described(keyWordsInsideOtherWords(base, dictionary)),
              (Lines{"2: key word \"СОЛЬ\" stands inside 2 other words of the dictionary: фасоль, "
                     "мусоль",
                     "3: key word \"ЗОНТ\" stands inside 1 other words of the dictionary: горизонт",
                     "5: key word \"И\" stands inside 2 other words of the dictionary: горизонт, "
                     "зонтик"}));
    EXPECT_TRUE(
        keyWordsInsideOtherWords(cpLines({"Фразы", "КАРУСЕЛЬ^Кружится.;"}), dictionary).empty());
}

TEST(AuthoringChecksTest, AFarewellKeyInOrdinarySentencesIsReported) {
    const Lines base =
        cpLines({"Фразы", "ДО ЗАВТРА^До завтра!;@", "ЗАВТРА^Завтра.;", "ПОКА!^Пока!;@"});
    const Lines sentences = cpLines({"я отложу это до завтра", "до завтра!", "погода завтра"});
    EXPECT_EQ(described(farewellsInSentences(base, sentences)),
              Lines{"2: farewell key \"ДО ЗАВТРА\" is found in 2 ordinary sentences (1 of them "
                    "would close the program): \"Я отложу это до завтра.\", \"До завтра!\""});
}

TEST(AuthoringChecksTest, LintAuthoringPrintsTheWarningsAndExitsWithFindings) {
    BaseFolder base;
    base.writeExampleBase();
    base.write("dictionary.dat", {"привет", "неприветливый"});
    const std::string lint = std::string("'") + BESEDKA_CLI + "' lint ";
    EXPECT_EQ(runInFolder(base.folder(), lint).status, 0);
    const ProgramRun run = runInFolder(base.folder(), lint + "--authoring");
    EXPECT_EQ(run.status, 1) << run.err;
    EXPECT_EQ(run.out, "Base\\Words.Dat:2: warning: key word \"ПРИВЕТ\" stands inside 1 other "
                       "words of the dictionary: неприветливый\n");
    base.write("dictionary.dat", {"привет"});
    EXPECT_EQ(runInFolder(base.folder(), lint + "--authoring").status, 0);
}

} // namespace besedka::test
