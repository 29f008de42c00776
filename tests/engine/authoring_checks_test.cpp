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

TEST(AuthoringChecksTest, AKeySaidTwiceIsReportedOnceAsADuplicate) {
    const Lines base =
        cpLines({"Фразы", "БОРЩ^Вкусно!;", "ПОКА^Пока!;@", "ПОКА^Покажи.;", "БОРЩ^Ещё.;",
                 "_ДА^Да.;", "_ДА^Нет.;", "ВАРЮ БОРЩ^Какой?;", "ПОКА^Снова.;", "ПРИВЕТ^",
                 "ПРИВЕТ^Привет.;", "_ДА^Под приветом.;"});
    // A goodbye may come first and an ordinary line after it; an open key answers nothing; one
    // key may follow up two different lines.
    EXPECT_EQ(described(linesNeverAnswering(base)),
              (Lines{"5: key \"БОРЩ\" is said again: line 2 has the same key and answers first, "
                     "so this line never answers",
                     "7: key \"ДА\" is said again: line 6 has the same key and answers first, so "
                     "this line never answers",
                     "8: key \"ВАРЮ БОРЩ\" never answers: the key \"БОРЩ\" of line 2 stands "
                     "inside it and is found first",
                     "9: key \"ПОКА\" is said again: line 4 has the same key and answers first, "
                     "so this line never answers"}));
}

TEST(AuthoringChecksTest, ABranchNeedsAMainLineAboveAndOneLevelAtATime) {
    const Lines base = cpLines({"Фразы", "_СИРОТА^Да.;", "ПРИВЕТ^Привет!;", "_КАК ДЕЛА?^Хорошо.;",
                                "___ЧТО?^Что.;", "__А ТЫ?^И я.;", "_НУ^Ну.;"});
    EXPECT_EQ(described(brokenBranches(base)),
              (Lines{"2: branch line with no main line above it: a branch answers only after the "
                     "line it follows up, so it never answers",
                     "5: branch of depth 3 under a line of depth 1: a follow-up has one '_' more "
                     "than the line it follows up, so this one does not answer after the line "
                     "above"}));
}

TEST(AuthoringChecksTest, AKnowledgeLineInPlaceOfTheFirstLineIsLost) {
    EXPECT_EQ(described(missingFirstLine(cpLines({"ПРИВЕТ^Привет!;", "ПОКА^Пока!;@"}))),
              Lines{"1: the first line is a knowledge line, but the first line of the file is "
                    "never read: the key \"ПРИВЕТ\" is lost; begin the file with a line of its "
                    "own, such as a title"});
}

TEST(AuthoringChecksTest, AKeyWithAnOuterSpaceSaysWhatItMisses) {
    const Lines base = cpLines({"Фразы", " ЧАЙ^Чай.;", "ЛЮБЛЮ КОФЕ ^Кофе.;", "_ ДА ^Да.;"});
    EXPECT_EQ(described(keysWithOuterSpaces(base)),
              (Lines{"2: key \" ЧАЙ\" begins with a space: it misses the word at the start of a "
                     "phrase (\"Чай ...\") and after a quote, bracket or dash",
                     "3: key \"ЛЮБЛЮ КОФЕ \" ends with a space: it misses the word before "
                     "punctuation and at the end of a phrase (\"... кофе.\"), and every phrase "
                     "ends in '.', '!' or '?'",
                     "4: key \" ДА \" begins with a space: it misses the word at the start of a "
                     "phrase (\"Да ...\") and after a quote, bracket or dash",
                     "4: key \" ДА \" ends with a space: it misses the word before punctuation "
                     "and at the end of a phrase (\"... да.\"), and every phrase ends in '.', '!' "
                     "or '?'"}));
}

TEST(AuthoringChecksTest, AKeyWithYoWantsATwinSpeltWithYe) {
    const Lines base = cpLines(
        {"Фразы", "ГОЛОЛЁД^Скользко.;", "ЁЛКА^Ёлка.;", "ЕЛКА^Ёлка.;", "_ЁЖ^Ёжик.;", "ЕЖ^Ёжик.;"});
    // A twin at another depth is followed up otherwise: no twin.
    EXPECT_EQ(described(keysWithoutYoTwin(base)),
              (Lines{"2: key \"ГОЛОЛЁД\" has \"Ё\" and no twin \"ГОЛОЛЕД\": letters are compared "
                     "exactly, so a phrase typed with \"е\" (\"гололед\") does not find it",
                     "5: key \"ЁЖ\" has \"Ё\" and no twin \"ЕЖ\": letters are compared exactly, "
                     "so a phrase typed with \"е\" (\"еж\") does not find it"}));
}

TEST(AuthoringChecksTest, CharactersWindows1251LacksAreFoundByLineInAUtf8File) {
    const std::string utf8 = "Фразы\nЧАЙ^Чай \u2615;\r\nКОФЕ^Да.;\rА^\U0001F600 и \u2615 "
                             "и \U0001F600;\n";
    EXPECT_EQ(described(charactersLostOnSave(utf8)),
              (Lines{"2: U+2615: Windows-1251 has no such character, so the program reads it as "
                     "'?' and the first save of the file (a learned phrase) keeps the '?'",
                     "4: U+1F600, U+2615: Windows-1251 has no such character, so the program reads "
                     "it as '?' and the first save of the file (a learned phrase) keeps the '?'"}));
    // One stray byte, and the whole file is taken as Windows-1251.
    EXPECT_EQ(described(charactersLostOnSave("Фразы\nЧАЙ^Чай\xff;\nКОФЕ^\U0001F600;\n")),
              Lines{"2: a byte that is not UTF-8: the program then reads the whole file as "
                    "Windows-1251, every letter written in UTF-8 comes out as other characters, "
                    "and the first save of the file keeps them"});
    // A Windows-1251 file, or one the program saved, holds nothing of the kind.
    EXPECT_TRUE(charactersLostOnSave(cp("Фразы\r\nЧАЙ^Чай?;\r\n")).empty());
    EXPECT_TRUE(charactersLostOnSave("{\\rtf1\\ansi \\u9749?\\par}").empty());
}

TEST(AuthoringChecksTest, AFileOfQuestionMarksIsDamage) {
    EXPECT_TRUE(questionMarkDamage(cpLines({"?????", "??????^????? ??\?!;", "???^??? ?????;"})));
    EXPECT_FALSE(questionMarkDamage(cpLines({"Фразы", "КТО ТЫ?^А ты кто?;Угадай?;", "?^Что?;"})));
}

TEST(AuthoringChecksTest, AWellWrittenBaseGivesNoWarning) {
    const Lines base =
        cpLines({"Фразы", "ПОКА!^Пока!;@", "ПОКА!^Покажи.;", "ПРИВЕТ^Привет!;",
                 "_КАК ДЕЛА?^Хорошо.;", "__А ТЫ?^И я.;", "_ДА^Да.;", "ЁЛКА^Ёлка.;", "ЕЛКА^Ёлка.;",
                 "КТО ТЫ?^", "КТО ТЫ?^Я Беседка.;", "ЛЮБЛЮ ЧАЙ^Я тоже.;"});
    for (auto* check :
         {linesNeverAnswering, missingFirstLine, keysWithOuterSpaces, keysWithoutYoTwin})
        EXPECT_EQ(described(check(base)), Lines{});
    EXPECT_EQ(questionMarkDamage(base), std::nullopt);
}

TEST(AuthoringChecksTest, LintSaysAFileOfQuestionMarksIsDamagedAndNamesLostCharacters) {
    BaseFolder base;
    base.writeExampleBase();
    base.folder().write("Base/Words.Dat", "??????\r\n??????.^?????\?!;\r\n????.^?\?!;@\r\n");
    const std::string cli = std::string("'") + BESEDKA_CLI + "' ";
    const ProgramRun damaged = runInFolder(base.folder(), cli + "lint");
    EXPECT_EQ(damaged.status, 1);
    EXPECT_EQ(damaged.out, "Base\\Words.Dat: error: the file is mostly '?' (24 of them against 0 "
                           "letters): it was saved through a wrong encoding and its words are "
                           "lost; take it from a copy (a .bak file, or the shipped base)\n");

    base.folder().write("Base/Words.Dat", "Фразы\nПРИВЕТ^Привет \U0001F600;\n");
    const ProgramRun lost = runInFolder(base.folder(), cli + "lint --authoring");
    EXPECT_EQ(lost.status, 1);
    EXPECT_EQ(lost.out, "Base\\Words.Dat:2: warning: U+1F600: Windows-1251 has no such character, "
                        "so the program reads it as '?' and the first save of the file (a "
                        "learned phrase) keeps the '?'\n");
}

} // namespace besedka::test
