// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/program_run.h"

#include <gtest/gtest.h>

using besedka::test::ProgramRun;
using besedka::test::TempFolder;

namespace {

// The folder holds a knowledge base, so the command reads the history there, as the desktop
// program started in it keeps it.
ProgramRun history(const TempFolder& folder, const std::string& args = "") {
    folder.write("Base/Words.Dat", "Фразы\r\n");
    return besedka::test::runInFolder(folder, std::string(BESEDKA_CLI) + " history " + args);
}

// Two days of conversation, the later one written first.
void writeTwoDays(const TempFolder& folder) {
    folder.write("History/2026-12-07.txt", "14:03:27 Вы: Привет.\n"
                                           "14:03:28 Беседка: Здравствуй!\n"
                                           "14:05:00 Собеседник: Как ДЕЛА?\n");
    folder.write("History/2026-12-06.txt", "20:00:00 Вы: Какие дела?\n"
                                           "20:00:01 Беседка: Не знаю.\n");
}

TEST(CliHistory, PrintsTheLatestDayOrTheDayGiven) {
    TempFolder folder;
    writeTwoDays(folder);
    const ProgramRun latest = history(folder);
    EXPECT_EQ(latest.status, 0) << latest.err;
    EXPECT_EQ(latest.out, "2026-12-07\n"
                          "14:03:27 Вы: Привет.\n"
                          "14:03:28 Беседка: Здравствуй!\n"
                          "14:05:00 Собеседник: Как ДЕЛА?\n");
    const ProgramRun yesterday = history(folder, "--day 2026-12-06");
    EXPECT_EQ(yesterday.status, 0) << yesterday.err;
    EXPECT_EQ(yesterday.out, "2026-12-06\n"
                             "20:00:00 Вы: Какие дела?\n"
                             "20:00:01 Беседка: Не знаю.\n");
}

TEST(CliHistory, GrepFindsAWordInEveryDayOrInTheDayGiven) {
    TempFolder folder;
    writeTwoDays(folder);
    const ProgramRun everyDay = history(folder, "--grep дела");
    EXPECT_EQ(everyDay.status, 0) << everyDay.err;
    EXPECT_EQ(everyDay.out, "2026-12-07 14:05:00 Собеседник: Как ДЕЛА?\n"
                            "2026-12-06 20:00:00 Вы: Какие дела?\n");
    const ProgramRun oneDay = history(folder, "--grep ДеЛа --day 2026-12-06");
    EXPECT_EQ(oneDay.out, "2026-12-06 20:00:00 Вы: Какие дела?\n");
    const ProgramRun none = history(folder, "--grep погода");
    EXPECT_EQ(none.status, 1);
    EXPECT_EQ(none.out, "");
}

TEST(CliHistory, SaysWhatIsMissingOrNotUnderstood) {
    TempFolder folder;
    const ProgramRun empty = history(folder);
    EXPECT_EQ(empty.status, 2);
    EXPECT_NE(empty.err.find("no history in " + (folder.path() / "History").string()),
              std::string::npos)
        << empty.err;
    writeTwoDays(folder);
    const ProgramRun missingDay = history(folder, "--day 2026-12-01");
    EXPECT_EQ(missingDay.status, 2);
    EXPECT_NE(missingDay.err.find("no history of 2026-12-01"), std::string::npos) << missingDay.err;
    for (const char* wrong :
         {"--day", "--day 7.12.2026", "--grep ''", "--all", "--day 2026-12-07 x"}) {
        const ProgramRun run = history(folder, wrong);
        EXPECT_EQ(run.status, 2) << wrong;
        EXPECT_EQ(run.out, "") << wrong;
    }
}

} // namespace
