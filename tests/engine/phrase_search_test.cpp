// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/engine/engine_fixture.h"

#include <gtest/gtest.h>

namespace besedka::test {

using Lines = std::vector<std::string>;

// Draws of a turn answered from the phrase base: the long-phrase rule (r = 2, never a stock
// reply), the answer, and the follow-up (2: no remark).
class PhraseSearchTest : public EngineTest {
protected:
    std::string answer(std::string_view phrase, int answerDraw = 0) {
        say(phrase, {1, answerDraw, 1});
        return reply();
    }
    std::int32_t depth() const { return engine.state().branchDepth; }
    std::int32_t line() const { return engine.state().branchLine; }
};

TEST_F(PhraseSearchTest, AMainPhraseIsAnsweredWithOneOfItsAnswersAndOpensItsBranches) {
    EXPECT_EQ(answer("Привет.", 0), "Привет!");
    EXPECT_EQ(random.asked, (std::vector<int>{6, 2, 3}));
    engine.state().branchDepth = 0;
    EXPECT_EQ(answer("Привет.", 1), "Здравствуй.");
    EXPECT_EQ(depth(), 1);
    EXPECT_EQ(line(), 1);

    EXPECT_EQ(answer("Как дела?"), "Хорошо.");
    EXPECT_EQ(depth(), 2);
    EXPECT_EQ(line(), 2);
}

TEST_F(PhraseSearchTest, BranchesAndOpenKeysAreNotFoundByTheMainSearches) {
    EXPECT_EQ(answer("Как дела?"), "Не знаю.");
    EXPECT_EQ(answer("Ты кто?"), "Не знаю.");
    EXPECT_EQ(depth(), 0);
    // Only a phrase holding the depth mark finds a branch line by its whole key.
    EXPECT_EQ(answer("_как дела?"), "Хорошо.");
    EXPECT_EQ(depth(), 1);
    EXPECT_EQ(line(), 2);
}

TEST_F(PhraseSearchTest, TheFarewellMarkSwitchesTheClosingTimerOnMainPhraseAnswers) {
    EXPECT_EQ(answer("Пока."), "До свидания!");
    EXPECT_TRUE(view.saw("closing on"));
    view.events.clear();
    answer("Привет.");
    EXPECT_TRUE(view.saw("closing off"));
    view.events.clear();
    answer("Ты кто?");
    EXPECT_FALSE(view.saw("closing off"));
}

TEST_F(PhraseSearchTest, AFarewellMarkOnABranchLineIsNotExamined) {
    base.write("Words.Dat", {"Фразы", "ПРИВЕТ.^Привет!;", "_ПОКА.^Пока-пока!;@"});
    answer("Привет.");
    view.events.clear();
    EXPECT_EQ(answer("Пока."), "Пока-пока!");
    EXPECT_FALSE(view.saw("closing on"));
    EXPECT_FALSE(view.saw("closing off"));
}

TEST_F(PhraseSearchTest, AWalkThatMeetsAMainPhraseSearchesTheWholeBaseInTheSameTurn) {
    answer("Привет.");
    EXPECT_EQ(answer("Пока."), "До свидания!");
    EXPECT_EQ(depth(), 1);
    EXPECT_EQ(line(), 4);
}

TEST_F(PhraseSearchTest, AWalkThatReachesTheEndOfTheFileSearchesTheWholeBase) {
    base.write("Words.Dat", {"Фразы", "ПОКА.^Пока!;", "ПРИВЕТ.^Привет!;", "_ЧТО?^Ничего.;"});
    answer("Привет.");
    EXPECT_EQ(answer("Пока."), "Пока!");
    EXPECT_EQ(line(), 1);
}

TEST_F(PhraseSearchTest, TheWalkPassesOverDeeperAndShallowerLinesUntilTheNextMainPhrase) {
    base.write("Words.Dat",
               {"Фразы", "ПРИВЕТ.^п;", "_А.^а;", "__Б.^б;", "_В.^в;", "__Г.^г;", "ЕЩЁ.^е;"});
    answer("Привет.");
    EXPECT_EQ(answer("В."), "в");
    EXPECT_EQ(depth(), 2);
    EXPECT_EQ(line(), 4);
    EXPECT_EQ(answer("Г."), "г");
    EXPECT_EQ(depth(), 3);
    EXPECT_EQ(line(), 5);

    // From line 1 at depth 2 the walk reaches line 5 past the shallower line 4.
    answer("Привет.");
    answer("А.");
    EXPECT_EQ(answer("Г."), "г");
    // A branch that does not follow the line answered last is found by no search.
    EXPECT_EQ(answer("Б."), "Понятно.");
    EXPECT_EQ(depth(), 0);
}

TEST_F(PhraseSearchTest, ANewDialogueDoesNotEndABranchWalk) {
    answer("Привет.");
    session.clear();
    EXPECT_EQ(answer("Как дела?"), "Хорошо.");
}

TEST_F(PhraseSearchTest, WordByWordFindsKeyWordsInOrderAmongOtherWords) {
    base.write("Words.Dat", {"Фразы", "КАК ДЕЛА?^Отлично.;"});
    EXPECT_EQ(answer("Как твои дела?"), "Отлично.");
    EXPECT_EQ(depth(), 1);
    EXPECT_EQ(line(), 1);
    EXPECT_EQ(answer("Дела как?"), "Не знаю.");
    EXPECT_EQ(answer("Как дела."), "Понятно.");
}

TEST_F(PhraseSearchTest, AWholeKeyMatchAnywhereWinsOverAnEarlierWordByWordMatch) {
    base.write("Words.Dat", {"Фразы", "КАК ДЕЛА?^По словам.;", "ДЕЛА?^Целиком.;"});
    EXPECT_EQ(answer("Как твои дела?"), "Целиком.");
    EXPECT_EQ(line(), 2);
}

TEST_F(PhraseSearchTest, TheFirstLineOfTheFileIsNeverAKey) {
    base.write("Words.Dat", {"ПРИВЕТ^Привет!;", "ПОКА^Пока!;"});
    EXPECT_EQ(answer("привет"), "Понятно.");
    EXPECT_EQ(answer("пока"), "Пока!");
}

TEST_F(PhraseSearchTest, AKeyWithALeadingSpaceMissesTheFirstWordOfAPhrase) {
    base.write("Words.Dat", {"Фразы", " ЧАЙ^С сахаром?;"});
    EXPECT_EQ(answer("люблю чай"), "С сахаром?");
    EXPECT_EQ(answer("чай остыл"), "Понятно.");
}

TEST_F(PhraseSearchTest, EveryAnswerOfALineIsChosenByItsDrawAtAnyDepth) {
    base.write("Words.Dat", {"Фразы", "КТО ТЫ?^А;Б;В;", "ЗДРАВСТВУЙ.^Привет.;", "_КТО ТЫ?^А;Б;В;"});
    for (int draw = 0; draw < 3; ++draw) {
        random.asked.clear();
        EXPECT_EQ(answer("Кто ты?", draw), Lines({"А", "Б", "В"})[draw]);
        EXPECT_EQ(random.asked, (std::vector<int>{6, 3, 3}));
        answer("Здравствуй.");
        EXPECT_EQ(answer("Кто ты?", draw), Lines({"А", "Б", "В"})[draw]);
        EXPECT_EQ(depth(), 2);
        EXPECT_EQ(line(), 3);
    }
}

TEST_F(PhraseSearchTest, LinesThatBreakTheFormatAreSkippedByEveryScan) {
    base.write("Words.Dat", {"Фразы", "ПРИВЕТ.", "ПРИВЕТ.^Без точки с запятой", "^Пустой ключ;",
                             "ПРИВЕТ.^;", "ПРИВЕТ.^;Привет!;"});
    EXPECT_EQ(answer("Привет."), "Привет!");
    // Only the one non-empty answer is drawn from.
    EXPECT_EQ(random.asked, (std::vector<int>{6, 1, 3}));
    EXPECT_EQ(line(), 5);
}

TEST_F(PhraseSearchTest, AnEmptyLineDoesNotEndABranchWalk) {
    base.write("Words.Dat", {"Фразы", "ПРИВЕТ.^п;", "", "_А.^а;"});
    answer("Привет.");
    EXPECT_EQ(answer("А."), "а");
    EXPECT_EQ(line(), 3);
}

TEST_F(PhraseSearchTest, ASemicolonInAKeyIsNoAnswerSeparator) {
    base.write("Words.Dat", {"Фразы", "А;Б.^Ответ.;"});
    EXPECT_EQ(answer("А;б"), "Ответ.");
    EXPECT_EQ(random.asked, (std::vector<int>{6, 1, 3}));
}

} // namespace besedka::test
