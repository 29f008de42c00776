// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/history.h"
#include "tests/engine/engine_fixture.h"
#include "tests/support/fixed_clock.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace besedka::test {
namespace {

using Lines = std::vector<std::string>;
namespace fs = std::filesystem;

// The file as it is on disk, line by line (UTF-8, line ends taken off).
Lines fileLines(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    Lines lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

void writeFile(const fs::path& file, const std::string& bytes) {
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << bytes;
}

// The engine as the window and the terminal chat drive it: every line shown is kept.
class HistoryTest : public EngineTest {
protected:
    fs::path dayFile(const std::string& day) const {
        return base.root() / "History" / (day + ".txt");
    }
    Lines today() const { return fileLines(dayFile("2026-12-07")); }
    bool turn(std::string_view phrase, std::initializer_list<int> draws,
              Mode mode = Mode::CpuUser) {
        random.draws.assign(draws.begin(), draws.end());
        return keeping.runTurn(cp(phrase), "", mode, "Base\\Txt.Dat");
    }

    FixedClock clock{{2026, 12, 7, 14, 3, 27}};
    Lines problems;
    HistoryWriter history{clock,
                          [this](const std::string& message) { problems.push_back(utf(message)); },
                          historyFolder(base.working())};
    Engine keeping{{working, session, exchange, random, view, &history}, base.working()};
};

TEST_F(HistoryTest, EveryLineShownIsKeptAsItIsSaidWithItsTimeAndSpeaker) {
    random.draws = {0};
    ASSERT_TRUE(keeping.greet());
    clock.time.second = 41;
    ASSERT_TRUE(turn("привет", {1, 0, 0}));
    EXPECT_EQ(today(), (Lines{"14:03:27 Беседка: Здравствуй, друг!", "14:03:41 Вы: Привет.",
                              "14:03:41 Беседка: Привет!"}));
    clock.time.minute = 5;
    random.draws = {1};
    keeping.sayFollowUpRemark();
    keeping.logRemark(cp("Ты здесь?"));
    // The farewell is a reply like any other.
    keeping.state().branchDepth = 0;
    turn("пока", {1, 0, 1});
    EXPECT_EQ(today(), (Lines{"14:03:27 Беседка: Здравствуй, друг!", "14:03:41 Вы: Привет.",
                              "14:03:41 Беседка: Привет!", "14:05:41 Беседка: Кстати.",
                              "14:05:41 Беседка: Ты здесь?", "14:05:41 Вы: Пока.",
                              "14:05:41 Беседка: До свидания!"}));
    EXPECT_EQ(utf(keeping.state().reply), "До свидания!");
    EXPECT_TRUE(problems.empty());
    // The session log is kept as ever beside it.
    EXPECT_EQ(sessionLines()[4], "CPU:     Ты здесь?");
}

TEST_F(HistoryTest, InTheExchangeModeThePhraseIsTheOtherCopys) {
    ASSERT_TRUE(turn("привет", {1, 0, 1}, Mode::CpuCpu));
    EXPECT_EQ(today(), (Lines{"14:03:27 Собеседник: Привет.", "14:03:27 Беседка: Привет!"}));
    EXPECT_EQ(sessionLines(), (Lines{"USER:     Привет.", "CPU:     Привет!"}));
}

TEST_F(HistoryTest, ALineAfterMidnightOpensTheNewDaysFileAndOldLinesStay) {
    writeFile(dayFile("2026-12-07"), "09:00:00 Вы: Утро.\n");
    clock.time = {2026, 12, 7, 23, 59, 59};
    turn("привет", {1, 0, 1});
    clock.time = {2026, 12, 8, 0, 0, 1};
    keeping.logRemark(cp("Уже поздно."));
    EXPECT_EQ(today(),
              (Lines{"09:00:00 Вы: Утро.", "23:59:59 Вы: Привет.", "23:59:59 Беседка: Привет!"}));
    EXPECT_EQ(fileLines(dayFile("2026-12-08")), Lines{"00:00:01 Беседка: Уже поздно."});
}

TEST_F(HistoryTest, ALineStaysOneLineAndAnEmptyRemarkIsNotKept) {
    keeping.logRemark(cp("первая\r\nвторая\tстрока\x1b[0m"));
    keeping.logRemark("");
    EXPECT_EQ(today(), Lines{"14:03:27 Беседка: первая вторая строка [0m"});
}

TEST_F(HistoryTest, AFolderThatCannotBeWrittenIsToldOnceAndTheDialogueGoesOn) {
    writeFile(base.root() / "History", "a file where the folder should be");
    ASSERT_TRUE(turn("привет", {1, 0, 1}));
    turn("как дела?", {1, 0, 1});
    EXPECT_EQ(sessionLines(), (Lines{"USER:     Привет.", "CPU:     Привет!", "USER:     Как дела?",
                                     "CPU:     Хорошо."}));
    ASSERT_EQ(problems.size(), 1u);
    const std::string expected = "История бесед не записывается в " +
                                 (base.root() / "History" / "2026-12-07.txt").string() + "\n";
    EXPECT_TRUE(problems[0].starts_with(expected)) << problems[0];
    EXPECT_GT(problems[0].size(), expected.size()) << "the reason is the second line";

    // Once the folder can be written again, the lines go on from there.
    fs::remove(base.root() / "History");
    keeping.logRemark(cp("Снова пишу."));
    EXPECT_EQ(today(), Lines{"14:03:27 Беседка: Снова пишу."});
    EXPECT_EQ(problems.size(), 1u);
}

TEST(HistoryReading, DaysComeNewestFirstAndOnlyTheHistorysOwnFilesAreDays) {
    const TempFolder folder;
    for (const char* name : {"2026-12-07.txt", "2025-01-31.txt", "2026-12-10.txt", "notes.txt",
                             "2026-12-1.txt", "2026-12-11.txt.bak"})
        folder.write(std::string("History/") + name, "12:00:00 Вы: Привет.\n");
    fs::create_directories(folder.path() / "History" / "2026-12-12.txt");
    EXPECT_EQ(historyDays(historyFolder(folder.working())),
              (Lines{"2026-12-10", "2026-12-07", "2025-01-31"}));
    EXPECT_EQ(historyDays(folder.path() / "Nowhere"), Lines{});
    EXPECT_FALSE(readHistoryDay(historyFolder(folder.working()), "2026-12-08"));
}

TEST(HistoryReading, ALineTheUserEditedIsReadAsTextAlone) {
    EXPECT_EQ(parseHistoryLine("14:03:27 Собеседник: Как: дела?"),
              (HistoryLine{"14:03:27", "Собеседник", "Как: дела?"}));
    EXPECT_EQ(parseHistoryLine("14:03:27 Вы: "), (HistoryLine{"14:03:27", "Вы", ""}));
    for (const char* edited : {"14:03:27 Кто-то: Привет.", "14:3:27 Вы: Привет.",
                               "заметка на полях", "14:03:27Вы: Привет."})
        EXPECT_EQ(parseHistoryLine(edited), (HistoryLine{"", "", edited}));
    const HistoryLine line{"09:15:00", "Беседка", "Здравствуй!"};
    EXPECT_EQ(parseHistoryLine(historyLineText(line)), line);
}

TEST(HistoryReading, AWordIsFoundInEveryDayWithLetterCaseAside) {
    const TempFolder folder;
    folder.write("History/2026-12-06.txt", "10:00:00 Вы: Расскажи про ЁЖИКА.\r\n"
                                           "10:00:01 Беседка: Не знаю.\r\n");
    folder.write("History/2026-12-07.txt", "11:00:00 Вы: Ёжик в тумане.\n"
                                           "11:00:02 Беседка: Hello, Ёжик!\n\n"
                                           "заметка: ёжик\n"
                                           "11:00:03 Вы: Ежевика.\n");
    const fs::path history = historyFolder(folder.working());
    const std::vector<FoundLine> found = findInHistory(history, historyDays(history), "ёжик");
    EXPECT_EQ(found,
              (std::vector<FoundLine>{{"2026-12-07", {"11:00:00", "Вы", "Ёжик в тумане."}},
                                      {"2026-12-07", {"11:00:02", "Беседка", "Hello, Ёжик!"}},
                                      {"2026-12-07", {"", "", "заметка: ёжик"}},
                                      {"2026-12-06", {"10:00:00", "Вы", "Расскажи про ЁЖИКА."}}}));
    EXPECT_EQ(findInHistory(history, {"2026-12-06"}, "HELLO"), std::vector<FoundLine>{});
    EXPECT_EQ(findInHistory(history, {"2026-12-07"}, "HELLO").size(), 1u);
    EXPECT_EQ(findInHistory(history, historyDays(history), ""), std::vector<FoundLine>{});
}

} // namespace
} // namespace besedka::test
