// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/engine/engine_fixture.h"

#include <gtest/gtest.h>

namespace besedka::test {

using Lines = std::vector<std::string>;

TEST_F(EngineTest, ATurnShowsAndLogsThePhraseThenTheReplyInTheWindowsOrder) {
    ASSERT_TRUE(say("привет", {1, 0, 0}));
    EXPECT_EQ(random.reseeds, 1);
    EXPECT_EQ(view.events, (Lines{"busy", "phrase sound", "user Привет.", "closing off",
                                  "system sound", "cpu Привет!", "idle", "follow-up on"}));
    EXPECT_EQ(sessionLines(), (Lines{"USER:     Привет.", "CPU:     Привет!"}));
    EXPECT_EQ(utf(engine.state().userPhrase), "Привет.");
    EXPECT_EQ(utf(engine.state().previousReply), "Привет!");
}

TEST_F(EngineTest, OneTurnInThreeLeavesTheFollowUpRemarksInTheWorkingList) {
    say("привет", {1, 0, 0});
    EXPECT_EQ(workingLines(), (Lines{"Никогда не скажу.", "Кстати."}));
    for (int draw : {1, 2}) {
        view.events.clear();
        engine.state().branchDepth = 0;
        say("привет", {1, 0, draw});
        EXPECT_EQ(view.events.back(), "follow-up off");
        // The working list holds the phrase base, as its last search left it.
        EXPECT_EQ(workingLines(), examplePhraseBase());
    }
}

TEST_F(EngineTest, AnEmptyPhraseIsNoTurn) {
    EXPECT_FALSE(say(""));
    EXPECT_TRUE(view.events.empty());
    EXPECT_EQ(session.count(), 0);
    EXPECT_EQ(random.reseeds, 0);
}

TEST_F(EngineTest, TheReplyOfAnyStageBecomesThePreviousReply) {
    say("Привет.", {}, "Привет.");
    EXPECT_EQ(utf(engine.state().previousReply), "Ты повторяешься.");
    say("ты лох");
    EXPECT_EQ(utf(engine.state().previousReply), "Не ругайся.");
}

TEST_F(EngineTest, ACpuCpuTurnWritesItsReplyAsTheOnlyLineOfTheExchangeFile) {
    base.write("Txt.Dat", {"Привет", "вторая строка"});
    exchange.load("Base\\Txt.Dat", base.working());
    random.draws = {1, 0, 1};
    ASSERT_TRUE(engine.runTurn(exchange.get(0), "", Mode::CpuCpu, "Base\\Txt.Dat"));
    EXPECT_EQ(base.read("Txt.Dat"), Lines{"Привет!"});
    EXPECT_EQ(exchange.lines(), std::vector<std::string>{cp("Привет!")});

    // Cpu\User leaves the exchange file alone.
    engine.state().branchDepth = 0;
    say("Пока.", {1, 0, 1});
    EXPECT_EQ(base.read("Txt.Dat"), Lines{"Привет!"});
}

TEST_F(EngineTest, AnExchangeFileThatCannotBeWrittenEndsTheTurnAfterTheReplyIsShown) {
    random.draws = {1, 0, 1};
    EXPECT_EQ(fileErrorOf([this] {
                  engine.runTurn(cp("Привет"), "", Mode::CpuCpu, "Base\\Missing\\Txt.Dat");
              }),
              "Cannot create file Base\\Missing\\Txt.Dat");
    EXPECT_TRUE(view.saw("cpu Привет!"));
    EXPECT_EQ(engine.state().previousReply, "");
}

TEST_F(EngineTest, AMissingPhraseBaseEndsTheTurnAfterTheUserLineWithTheBusyCursorOn) {
    say("привет", {1, 0, 1});
    base.remove("Words.Dat");
    view.events.clear();
    EXPECT_EQ(fileErrorOf([this] {
                  say("как дела?", {1, 0, 1});
              }),
              "Cannot open file Base\\Words.Dat");
    EXPECT_EQ(view.events, (Lines{"busy", "phrase sound", "user Как дела?"}));
    EXPECT_EQ(sessionLines(),
              (Lines{"USER:     Привет.", "CPU:     Привет!", "USER:     Как дела?"}));
    EXPECT_EQ(utf(engine.state().previousReply), "Привет!");
    // The walk never began, so the next turn still walks from the line answered last.
    EXPECT_EQ(engine.state().branchDepth, 1);
    EXPECT_EQ(engine.state().branchLine, 1);
}

TEST_F(EngineTest, AMissingFollowUpFileFailsAfterTheReplyWithTheTimerAlreadyOn) {
    base.remove("AI.dat");
    EXPECT_EQ(fileErrorOf([this] { say("пока", {1, 0, 0}); }), "Cannot open file Base\\AI.dat");
    EXPECT_EQ(view.events, (Lines{"busy", "phrase sound", "user Пока.", "closing on",
                                  "system sound", "cpu До свидания!", "idle", "follow-up on"}));
    EXPECT_EQ(engine.state().previousReply, "");
}

TEST_F(EngineTest, AGreetingComesOnOneDrawOfThree) {
    random.draws = {1};
    EXPECT_FALSE(engine.greet());
    random.draws = {2};
    EXPECT_FALSE(engine.greet());
    EXPECT_TRUE(view.events.empty());

    random.draws = {0};
    EXPECT_TRUE(engine.greet());
    EXPECT_EQ(utf(engine.state().reply), "Здравствуй, друг!");
    EXPECT_EQ(view.events, (Lines{"busy", "idle", "system sound", "cpu Здравствуй, друг!"}));
    EXPECT_EQ(sessionLines(), Lines{"CPU:     Здравствуй, друг!"});
    EXPECT_EQ(workingLines(), Lines{"Здравствуй, друг!"});
    EXPECT_EQ(engine.state().previousReply, "");
}

TEST_F(EngineTest, AMissingGreetingFileFailsOnlyWhenTheDrawCallsForAGreeting) {
    base.remove("Begin.dat");
    random.draws = {1};
    EXPECT_FALSE(engine.greet());
    random.draws = {0};
    EXPECT_EQ(fileErrorOf([this] { engine.greet(); }), "Cannot open file Base\\Begin.dat");
    EXPECT_TRUE(view.events.empty());
}

TEST_F(EngineTest, AFollowUpRemarkIsALineAfterTheFirstOfTheWorkingList) {
    working = LineList({cp("ноль"), cp("один"), cp("два")});
    random.draws = {1};
    engine.sayFollowUpRemark();
    EXPECT_EQ(random.asked, std::vector<int>{2});
    EXPECT_EQ(view.events, (Lines{"busy", "system sound", "cpu два", "idle"}));

    working = LineList({cp("ноль"), cp("один")});
    engine.sayFollowUpRemark();
    working = LineList({cp("ноль")});
    engine.sayFollowUpRemark();
    EXPECT_EQ(sessionLines(), (Lines{"CPU:     два", "CPU:     один", "CPU:     "}));
    // The follow-up remark is no reply: it changes neither reply nor previousReply.
    EXPECT_EQ(engine.state().reply, "");
}

} // namespace besedka::test
