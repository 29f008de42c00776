// SPDX-License-Identifier: GPL-3.0-or-later
// Editing the knowledge base by hand: the backup that `write` keeps and its care for a running
// copy, `add`, and a chat that teaches the base nothing.
#include "tests/engine/engine_fixture.h"
#include "tests/support/lock_holder.h"
#include "tests/support/program_run.h"

#include <chrono>
#include <gtest/gtest.h>
#include <thread>

namespace besedka::test {

using Lines = std::vector<std::string>;

namespace {

std::string cli(const std::string& args) {
    return std::string("'") + BESEDKA_CLI + "' " + args;
}

// Long enough for a command started in the background to have read its files and to wait for
// the lock.
constexpr std::chrono::milliseconds kSettle{300};

} // namespace

TEST(ChatWithoutLearning, LeavesEveryFileAsItWas) {
    BaseFolder base;
    base.writeExampleBase();
    const auto before = contentsOf(base.root() / "Base");
    // A branch, a phrase to learn, abuse to collect, an answer to attach to the previous reply.
    const std::string input =
        "привет\nкак дела?\nСовсем новая фраза.\nну ты и дебил\nты кто?\nИван.\n";
    const ProgramRun quiet = runInFolder(base.folder(), cli("chat --no-learn --seed 1"), input);
    EXPECT_EQ(quiet.status, 0) << quiet.err;
    EXPECT_NE(quiet.out.find("CPU:     Хорошо."), std::string::npos) << quiet.out;
    EXPECT_EQ(contentsOf(base.root() / "Base"), before);

    EXPECT_EQ(runInFolder(base.folder(), cli("chat --seed 1"), input).status, 0);
    EXPECT_NE(contentsOf(base.root() / "Base"), before);
}

class SafeEditTest : public ::testing::Test {
protected:
    SafeEditTest() { base.writeExampleBase(); }

    ProgramRun run(const std::string& args, const std::string& input = "") const {
        return runInFolder(base.folder(), cli(args), input);
    }
    std::string bytesOf(const std::string& relative) const { return base.folder().read(relative); }

    BaseFolder base;
};

TEST_F(SafeEditTest, WriteKeepsOneBackupAndSaysWhatItWrote) {
    const std::string original = bytesOf("Base/Words.Dat");
    const ProgramRun first = run("write Base/Words.Dat", "Фразы\nНОВОЕ.^Да.;\n");
    EXPECT_EQ(first.status, 0) << first.err;
    EXPECT_EQ(first.err, "wrote Base/Words.Dat: 5 lines before, 2 after; the previous file is "
                         "Base/Words.Dat.bak\n");
    EXPECT_EQ(bytesOf("Base/Words.Dat.bak"), original);

    const std::string firstWritten = bytesOf("Base/Words.Dat");
    EXPECT_EQ(run("write Base/Words.Dat", "Фразы\n").status, 0);
    EXPECT_EQ(bytesOf("Base/Words.Dat.bak"), firstWritten);

    const ProgramRun fresh = run("write Base/New.Dat", "Одна строка\n");
    EXPECT_EQ(fresh.err, "wrote Base/New.Dat: a new file of 1 line\n");
    EXPECT_FALSE(base.folder().exists("Base/New.Dat.bak"));
}

TEST_F(SafeEditTest, WriteReplacesADamagedFileAndKeepsItAsTheBackup) {
    const std::string cutShort = "{\\rtf1\\ansi\\ansicpg1251 \\par \\'d4\\'f0\\par {\\b ";
    base.folder().write("Base/Words.Dat", cutShort);
    const ProgramRun mended = run("write Base/Words.Dat", "Фразы\nНОВОЕ.^Да.;\n");
    EXPECT_EQ(mended.status, 0) << mended.err;
    EXPECT_EQ(mended.err, "wrote Base/Words.Dat: a file that could not be read before, 2 after; "
                          "the previous file is Base/Words.Dat.bak\n");
    EXPECT_EQ(bytesOf("Base/Words.Dat.bak"), cutShort);
    EXPECT_EQ(base.read("Words.Dat"), (Lines{"Фразы", "НОВОЕ.^Да.;"}));
}

TEST_F(SafeEditTest, WriteDoesNotSaveOverWhatARunningCopyLearnedMeanwhile) {
    LockHolder other("Base\\Words.Dat", base.working());
    Background write(base, "write Base/Words.Dat", "Фразы\nНОВОЕ.^Да.;\n", "write");
    std::this_thread::sleep_for(kSettle);
    // The learning step of the copy that holds the lock.
    Lines learned = examplePhraseBase();
    learned.push_back("ВЫУЧЕННОЕ.^");
    base.write("Words.Dat", learned);
    other.kill();

    EXPECT_EQ(write.finish(), 2);
    EXPECT_EQ(base.read("Words.Dat"), learned);
    EXPECT_FALSE(base.folder().exists("Base/Words.Dat.bak"));
}

TEST_F(SafeEditTest, AddPutsATopicRightAfterTheFirstLineOrAfterTheLineGiven) {
    const Lines shipped = {"Фразы", "БОРЩ^Вкусно!;", "ПОГОД^Какая?;", "_ХОРОШАЯ^Рада.;"};
    base.write("Words.Dat", shipped);
    base.folder().write("topic.txt",
                        "ВАРЮ БОРЩ^С чем?;\nПРОГНОЗ ПОГОДЫ^Солнце.;\n_А ЗАВТРА?^Дождь.;\n");
    const ProgramRun top = run("add topic.txt");
    EXPECT_EQ(top.status, 0) << top.out << top.err;
    EXPECT_EQ(top.out, "added 3 lines of topic.txt after line 1, as lines 2 to 4\n"
                       "Base\\Words.Dat: 4 lines before, 7 after; the previous file is "
                       "Base\\Words.Dat.bak\n");
    EXPECT_EQ(base.read("Words.Dat"),
              (Lines{"Фразы", "ВАРЮ БОРЩ^С чем?;", "ПРОГНОЗ ПОГОДЫ^Солнце.;", "_А ЗАВТРА?^Дождь.;",
                     "БОРЩ^Вкусно!;", "ПОГОД^Какая?;", "_ХОРОШАЯ^Рада.;"}));
    base.folder().write("expected.txt", "я варю борщ → ВАРЮ БОРЩ\nкакой прогноз погоды? → "
                                        "ПРОГНОЗ ПОГОДЫ\nборщ → БОРЩ\nпогода → ПОГОД\n");
    EXPECT_EQ(run("why --expect expected.txt").status, 0);

    base.write("Words.Dat", shipped);
    base.folder().write("topic.txt", "ДОЖДЬ^Возьми зонт.;\n");
    EXPECT_EQ(run("add topic.txt --after 4").status, 0);
    EXPECT_EQ(base.read("Words.Dat").back(), "ДОЖДЬ^Возьми зонт.;");
    // Between a line and its follow-up the topic would take the follow-up over.
    const ProgramRun between = run("add topic.txt --after 3");
    EXPECT_EQ(between.status, 2);
    EXPECT_EQ(between.err, "besedka-cli: nothing added: line 4 follows up the line above it; the "
                           "topic would take it over\n");
}

TEST_F(SafeEditTest, AddRefusesATopicThatBreaksTheFormatOrWouldNeverAnswer) {
    base.write("Words.Dat", {"Фразы", "ВАРЮ БОРЩ^С чем?;", "БОРЩ^Вкусно!;"});
    const std::string before = bytesOf("Base/Words.Dat");
    const auto refused = [&](const std::string& topic, const std::string& place) {
        base.folder().write("topic.txt", topic);
        const ProgramRun add = run("add topic.txt " + place);
        EXPECT_EQ(bytesOf("Base/Words.Dat"), before);
        EXPECT_FALSE(base.folder().exists("Base/Words.Dat.bak"));
        return std::to_string(add.status) + " " + add.out;
    };
    EXPECT_EQ(refused("БОРЩ^Ещё.;\n", "--top"),
              "1 Base\\Words.Dat:3: key \"ВАРЮ БОРЩ\" never answers: the key \"БОРЩ\" of line 2 "
              "stands inside it and is found first\n"
              "Base\\Words.Dat:4: key \"БОРЩ\" is said again: line 2 has the same key and answers "
              "first, so this line never answers\n"
              "nothing added: with topic.txt there, the lines above would never answer; change "
              "the keys or the place (--after LINE)\n");
    EXPECT_EQ(refused("ВАРЮ БОРЩ^Какой?;\n", "--after 3"),
              "1 Base\\Words.Dat:4: key \"ВАРЮ БОРЩ\" is said again: line 2 has the same key and "
              "answers first, so this line never answers\n"
              "nothing added: with topic.txt there, the lines above would never answer; change "
              "the keys or the place (--after LINE)\n");
    EXPECT_EQ(refused("варю кашу^Да.;\nКАША^Да\n", ""),
              "1 topic.txt:1: key has lower-case letters, it never matches\n"
              "topic.txt:2: answer without its closing ';'\nnothing added\n");
    EXPECT_EQ(refused("КАША^Да \U0001F600;\n", ""),
              "1 topic.txt:1: U+1F600: Windows-1251 has no such character, so the program reads "
              "it as '?' and the first save of the file (a learned phrase) keeps the '?'\n"
              "nothing added\n");
}

TEST_F(SafeEditTest, AddWaitsForALearningStepAndKeepsWhatItLearned) {
    base.folder().write("topic.txt", "ДОЖДЬ^Возьми зонт.;\n");
    LockHolder other("Base\\Words.Dat", base.working());
    Background add(base, "add topic.txt", "", "add");
    std::this_thread::sleep_for(kSettle);
    EXPECT_EQ(base.read("Words.Dat"), examplePhraseBase());
    Lines learned = examplePhraseBase();
    learned.push_back("ВЫУЧЕННОЕ.^");
    base.write("Words.Dat", learned);
    other.kill();

    EXPECT_EQ(add.finish(), 0) << add.output();
    learned.insert(learned.begin() + 1, "ДОЖДЬ^Возьми зонт.;");
    EXPECT_EQ(base.read("Words.Dat"), learned);
}

} // namespace besedka::test
