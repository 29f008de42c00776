// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/knowledge_line.h"
#include "engine/learning.h"
#include "platform/core/cp1251.h"
#include "platform/core/fault_injection.h"
#include "platform/core/rtf.h"
#include "tests/engine/engine_fixture.h"

#include <algorithm>
#include <cerrno>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace besedka::test {

using Lines = std::vector<std::string>;

// Turns that nothing in the phrase base answers: draws for the long-phrase rule (r = 2) and
// the follow-up (none); the collections hold one line each, so their reply is no draw.
class LearningTest : public EngineTest {
protected:
    void tell(std::string_view phrase, std::string_view previousReply) {
        engine.state().previousReply = cp(previousReply);
        say(phrase, {1, 1});
    }
    std::string rawBytes(const std::string& name) const {
        std::ifstream in(base.path(name), std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        return bytes.str();
    }
};

TEST_F(LearningTest, TheAnswerToAQuestionIsKeptAsAReplyAKeyAndAnAnswerToTheQuestion) {
    base.write("Words.Dat", {"Фразы", "КАК ТЕБЯ ЗОВУТ?^"});
    tell("Иван.", "Как тебя зовут?");
    EXPECT_EQ(reply(), "Понятно.");
    EXPECT_EQ(base.read("W1.Dat"), (Lines{"Не знаю.", "Иван."}));
    EXPECT_EQ(base.read("W2.Dat"), Lines{"Понятно."});
    EXPECT_EQ(base.read("Words.Dat"), (Lines{"Фразы", "ИВАН.^", "КАК ТЕБЯ ЗОВУТ?^Иван.;"}));
    EXPECT_TRUE(rawBytes("Words.Dat").starts_with("{\\rtf"));
}

TEST_F(LearningTest, APhraseWithMarkupIsKeptAsAReplyButNeverEntersThePhraseBase) {
    // An exchange file may hold what the input line's guard would have emptied.
    base.write("Words.Dat", {"Фразы", "КАК ТЕБЯ ЗОВУТ?^"});
    const std::string before = rawBytes("Words.Dat");
    for (const char* phrase : {"Иван; Пётр.", "Кто^где?", "_Я.", "Я@"})
        tell(phrase, "Как тебя зовут?");
    EXPECT_EQ(rawBytes("Words.Dat"), before);
    EXPECT_EQ(base.read("W1.Dat"), (Lines{"Не знаю.", "Иван; Пётр.", "Кто^где?", "_Я.", "Я@."}));
}

TEST_F(LearningTest, APhraseWithATopicEntryChangesNoFile) {
    base.write("Words.Dat", {"Фразы", "КАК ТЕБЯ ЗОВУТ?^"});
    const std::string before = rawBytes("Words.Dat");
    tell("Меня зовут Иван.", "Как тебя зовут?");
    EXPECT_EQ(reply(), "Понятно.");
    tell("Я хочу спать.", "Как тебя зовут?");
    EXPECT_EQ(rawBytes("Words.Dat"), before);
    EXPECT_EQ(base.read("W1.Dat"), Lines{"Не знаю."});
    EXPECT_EQ(base.read("W2.Dat"), Lines{"Понятно."});
}

// Learned, a coarse phrase would be said to the next person.
TEST_F(LearningTest, ACoarsePhraseIsAnsweredButLearnedNowhereWhileItsLookAlikesAre) {
    base.write("Words.Dat", {"Фразы", "КАК ДЕЛА?^"});
    const std::string before = rawBytes("Words.Dat");
    for (const char* coarse : {"Да охуеть просто", "жопа полная", "Ну ты и гандон", "заебал уже"})
        tell(coarse, "Как дела?");
    EXPECT_EQ(reply(), "Понятно.");
    EXPECT_EQ(rawBytes("Words.Dat"), before);
    EXPECT_EQ(base.read("W1.Dat"), Lines{"Не знаю."});

    tell("Оскорбление, но застрахуй себе небо", "Как дела?");
    EXPECT_EQ(base.read("W1.Dat").back(), "Оскорбление, но застрахуй себе небо.");
}

TEST_F(LearningTest, QuestionsAreAnsweredFromW1AndOtherPhrasesFromW2) {
    tell("Где ты?", "");
    EXPECT_EQ(reply(), "Не знаю.");
    tell("Где ты.", "");
    EXPECT_EQ(reply(), "Понятно.");
    tell("Где ты?!", "");
    EXPECT_EQ(reply(), "Понятно.");
}

TEST_F(LearningTest, TheFirstPhraseOfASessionIsLearnedNowhere) {
    tell("Я Иван.", "");
    EXPECT_EQ(base.read("W1.Dat"), Lines{"Не знаю."});
    EXPECT_EQ(base.read("W2.Dat"), Lines{"Понятно."});
    EXPECT_EQ(base.read("Words.Dat"), examplePhraseBase());
}

TEST_F(LearningTest, APhraseTheReplyFileHoldsIsNotCollectedAgainButStillBecomesAKey) {
    base.write("W2.Dat", {"Понятно.", "Ага."});
    engine.state().previousReply.clear();
    say("ага", {1, 1, 1});
    EXPECT_EQ(reply(), "Ага.");
    EXPECT_EQ(base.read("W2.Dat"), (Lines{"Понятно.", "Ага."}));
    EXPECT_EQ(base.read("Words.Dat").back(), "АГА.^");

    // Line 0 is a reply but takes no part in the test, and letter case counts.
    engine.state().previousReply = cp("Раньше.");
    say("Понятно.", {1, 0, 1});
    say("АГА.", {1, 0, 1});
    EXPECT_EQ(base.read("W2.Dat"), (Lines{"Понятно.", "Ага.", "Понятно.", "АГА."}));
}

TEST_F(LearningTest, APhraseThatIsAlreadyAKeyAddsNothingToThePhraseBase) {
    // "ТЫ КТО?" is an open key; "ПОКА." would take the answer.
    tell("Ты кто?", "Пока.");
    EXPECT_EQ(base.read("Words.Dat"), examplePhraseBase());
    EXPECT_EQ(base.read("W2.Dat"), (Lines{"Понятно.", "Ты кто?"}));
    // A branch key counts with its depth marks.
    base.write("Words.Dat", {"Фразы", "ПРИВЕТ.^", "_ПРИВЕТ!^"});
    tell("_привет!", "Привет.");
    EXPECT_EQ(base.read("Words.Dat"), (Lines{"Фразы", "ПРИВЕТ.^", "_ПРИВЕТ!^"}));
}

TEST_F(LearningTest, AnAttachedAnswerMovesItsLineToTheEndAfterTheNewKey) {
    tell("Салют.", "Привет.");
    EXPECT_EQ(base.read("Words.Dat"),
              (Lines{"Фразы", "_КАК ДЕЛА?^Хорошо.;", "ТЫ КТО?^", "ПОКА.^До свидания!;@", "САЛЮТ.^",
                     "ПРИВЕТ.^Привет!;Здравствуй.;Салют.;"}));
    // The key of the previous reply is compared in upper case, the answer keeps its case.
    tell("до встречи", "пока.");
    EXPECT_EQ(base.read("Words.Dat").back(), "ПОКА.^До свидания!;До встречи.;@");
}

TEST_F(LearningTest, TheFirstAnswerOfAnOpenKeyIsTheAnswerTheSearchesUse) {
    tell("Салют.", "Ты кто?");
    EXPECT_EQ(base.read("Words.Dat").back(), "ТЫ КТО?^Салют.;");
    engine.state().branchDepth = 0;
    say("ты кто?", {1, 0, 1});
    EXPECT_EQ(reply(), "Салют.");
}

TEST_F(LearningTest, AFarewellMarkStaysTheLastCharacterWhenAnAnswerIsAttached) {
    EXPECT_EQ(utf(withAnswer(cp("ПОКА.^До свидания!;@"), cp("Пока."))),
              "ПОКА.^До свидания!;Пока.;@");
    EXPECT_EQ(utf(withAnswer(cp("ПОКА.^"), cp("Пока."))), "ПОКА.^Пока.;");
}

// The user's answers to a frequent reply gather on one line. Reading cuts a line at 4096
// characters: grown past that, it would lose its closing answers and never match again.
TEST_F(LearningTest, ALineTakesNoAnswerThatWouldMakeItLongerThanReadingGivesBack) {
    std::string popular = "КАК ДЕЛА?^";
    for (int i = 0; i < 360; ++i) // 3970 characters in Windows-1251
        popular += "Хорошо " + std::to_string(100 + i) + ";";
    base.write("Words.Dat", {"Фразы", "ПРИВЕТ.^Как дела?;", popular});
    const std::string before = cp(popular);
    std::vector<std::string> kept;
    for (int round = 0; round < 30; ++round) {
        const std::string answer = "Нормально " + std::to_string(round) + ".";
        tell(answer, "Как дела?");
        kept.push_back(answer);
    }
    LineList words;
    words.load("Base\\Words.Dat", base.working());
    const auto line =
        std::find_if(words.lines().begin(), words.lines().end(),
                     [](const std::string& text) { return text.starts_with(cp("КАК ДЕЛА?^")); });
    ASSERT_NE(line, words.lines().end());
    EXPECT_LE(line->size(), LineList::kMaxLineRead);
    EXPECT_GT(line->size(), LineList::kMaxLineRead - 20) << "answers are attached while they fit";
    EXPECT_TRUE(line->starts_with(before)) << "every answer the line held stays";
    EXPECT_TRUE(problemsOf(*line).empty());
    // Every answer was kept as a reply and as an open key, attached or not.
    EXPECT_EQ(base.read("W1.Dat").size(), 1 + kept.size());
    for (const std::string& answer : kept) {
        const std::string key = cp1251::upper(cp(answer)) + "^";
        EXPECT_NE(std::find(words.lines().begin(), words.lines().end(), key), words.lines().end())
            << answer;
    }
    say("как дела?");
    EXPECT_EQ(reply(), "Хорошо 100") << "the line still answers";
}

TEST_F(LearningTest, ALineOverTheLimitWrittenElsewhereKeepsItsWholeTextAndTakesNoMore) {
    // 409 answers of ten characters fill exactly the 4096 characters that reading hands out.
    std::string line = "KEYS.^";
    for (int i = 0; i < 409; ++i)
        line += "abcdefghi;";
    ASSERT_EQ(line.size(), LineList::kMaxLineRead);
    const std::string whole = line + "tail;";
    base.write("Words.Dat", {"Фразы", whole, "ДРУГАЯ.^"});
    tell("Ответ.", "keys.");
    EXPECT_EQ(base.read("Words.Dat"), (Lines{"Фразы", whole, "ДРУГАЯ.^", "ОТВЕТ.^"}));
}

// Emoji and other characters without a Windows-1251 form arrive as '?'. Said back later, such
// a phrase would be junk; line breaks pasted into it would split a line of the base.
TEST_F(LearningTest, OnlyPhrasesWithALetterOrADigitAreLearnedAndNeverWithAControlCharacter) {
    base.write("Words.Dat", {"Фразы", "КАК ТЕБЯ ЗОВУТ?^"});
    const std::string before = rawBytes("Words.Dat");
    for (const char* junk : {"? ? ? ? ?", "!!!", "\t...\r\n", "-_-"})
        tell(junk, "Как тебя зовут?");
    EXPECT_EQ(reply(), "Понятно.") << "junk is answered as usual";
    EXPECT_EQ(rawBytes("Words.Dat"), before);
    EXPECT_EQ(base.read("W1.Dat"), Lines{"Не знаю."});

    tell("Иван\r\nИванович\tПетров\x1b", "Как тебя зовут?");
    tell("42", "Сколько тебе лет?");
    EXPECT_EQ(base.read("W1.Dat"), (Lines{"Не знаю.", "Иван Иванович Петров.", "42."}));
    EXPECT_EQ(base.read("Words.Dat"), (Lines{"Фразы", "ИВАН ИВАНОВИЧ ПЕТРОВ.^",
                                             "КАК ТЕБЯ ЗОВУТ?^Иван Иванович Петров.;", "42.^"}));
}

TEST_F(LearningTest, ABlankLineIsNoPhrase) {
    for (const char* blank : {"", "   ", " \t\r\n "})
        EXPECT_FALSE(say(blank)) << blank;
    EXPECT_TRUE(session.lines().empty());
    EXPECT_TRUE(view.events.empty());
}

TEST_F(LearningTest, AnEmptyReplyFileGivesAnEmptyReplyAndForgetsThePreviousReply) {
    base.write("W2.Dat", {});
    tell("Я тут.", "Раньше.");
    EXPECT_EQ(reply(), "");
    EXPECT_EQ(sessionLines().back(), "CPU:     ");
    EXPECT_EQ(engine.state().previousReply, "");
    EXPECT_EQ(base.read("W2.Dat"), Lines{"Я тут."});
    // So the next phrase is learned as the first of a session.
    say("ещё тут", {1, 1});
    EXPECT_EQ(base.read("W2.Dat"), Lines{"Я тут."});
}

TEST_F(LearningTest, InAnEmptyPhraseBaseTheFirstKeyBecomesTheUnusedHeaderLine) {
    base.write("Words.Dat", {});
    tell("Привет.", "Раньше.");
    EXPECT_EQ(base.read("Words.Dat"), Lines{"ПРИВЕТ.^"});
    tell("Привет.", "Раньше.");
    EXPECT_EQ(base.read("Words.Dat"), (Lines{"ПРИВЕТ.^", "ПРИВЕТ.^"}));
}

TEST_F(LearningTest, AMissingCollectionEndsTheTurnBeforeAnyReply) {
    base.remove("W1.Dat");
    EXPECT_EQ(fileErrorOf([this] { tell("Где ты?", "Раньше."); }), "Cannot open file Base\\W1.Dat");
    EXPECT_EQ(reply(), "");
    EXPECT_EQ(utf(engine.state().previousReply), "Раньше.");
    EXPECT_FALSE(view.saw("system sound"));
    // The collection that receives the phrase must exist too.
    EXPECT_EQ(fileErrorOf([this] { tell("Я тут.", "Где ты?"); }), "Cannot open file Base\\W1.Dat");
    EXPECT_EQ(reply(), "Понятно.");
    EXPECT_FALSE(view.saw("system sound"));
}

// One copy reading back its own line (or a user repeating it) once taught "X^X;".
TEST_F(LearningTest, AnEchoOfThePreviousReplyIsNeverAttachedAsItsOwnAnswer) {
    base.write("Words.Dat", {"Фразы", "ПРИВЕТ.^Привет!;"});
    tell("Как дела?", "Как дела?");
    tell("как ДЕЛА?!", "Как дела?!");
    EXPECT_EQ(base.read("Words.Dat"),
              (Lines{"Фразы", "ПРИВЕТ.^Привет!;", "КАК ДЕЛА?^", "КАК ДЕЛА?!^"}));
    // The echo is still kept as a reply, and a different phrase still answers the line.
    EXPECT_EQ(base.read("W1.Dat"), (Lines{"Не знаю.", "Как дела?", "Как ДЕЛА?!"}));
    tell("Хорошо.", "Как дела?");
    EXPECT_EQ(base.read("Words.Dat").back(), "КАК ДЕЛА?^Хорошо.;");
}

// The open key and the answer were once two saves with a load between: a crash between them
// left half a lesson. The one save leaves what the two did.
TEST_F(LearningTest, ALearningTurnSavesTheNewKeyAndTheMovedLineAsTheTwoSavesDid) {
    base.write("Words.Dat", {"Фразы", "КАК ТЕБЯ ЗОВУТ?^", "_ДА?^Да.;", "ПОКА.^Пока!;@"});
    tell("Иван.", "Как тебя зовут?");
    std::vector<std::string> expected;
    for (const char* line :
         {"Фразы", "_ДА?^Да.;", "ПОКА.^Пока!;@", "ИВАН.^", "КАК ТЕБЯ ЗОВУТ?^Иван.;"})
        expected.push_back(cp(line));
    EXPECT_EQ(rawBytes("Words.Dat"), rtf::write(expected));
}

TEST_F(LearningTest, AFailedSaveLeavesThePhraseBaseAsItWasAndSaysWhy) {
    base.write("Words.Dat", {"Фразы", "ПРИВЕТ.^"});
    base.write("W2.Dat", {"Понятно.", "Иван."}); // holds the phrase: the base is the one save
    const std::string before = rawBytes("Words.Dat");
    const InjectedFault fullDisk(FaultPlace::WriteTemporary, ENOSPC);
    const std::string message = fileErrorOf([this] { tell("Иван.", "Привет."); });
    EXPECT_EQ(utf(message), "Cannot create file Base\\Words.Dat\n" +
                                base.path("Words.Dat").string() + ": нет места на устройстве");
    EXPECT_EQ(rawBytes("Words.Dat"), before);
}

// A cut RTF base read as the lines that remain was saved over at the next lesson.
TEST_F(LearningTest, ACutPhraseBaseIsRefusedAndLeftAsItIs) {
    base.write("Words.Dat", {"Фразы", "КАК ТЕБЯ ЗОВУТ?^", "ПРИВЕТ.^Привет!;"});
    tell("Иван.", "Как тебя зовут?"); // saves the base in RTF
    std::string cut = rawBytes("Words.Dat");
    cut.resize(cut.rfind("\\par"));
    std::ofstream(base.path("Words.Dat"), std::ios::binary) << cut;

    const std::string message = fileErrorOf([this] { tell("Пётр.", "Привет."); });
    EXPECT_EQ(utf(message), "Cannot open file Base\\Words.Dat\n" + base.path("Words.Dat").string() +
                                ": файл повреждён: он обрывается внутри группы, после строки 4");
    EXPECT_EQ(rawBytes("Words.Dat"), cut);
}

// The engine is given its folder: the process may stand anywhere else, and nothing there changes.
TEST(EngineWorkingFolder, LearnsAndWritesTheExchangeFileInItsFolderWhereverTheProcessStands) {
    BaseFolder base;
    base.writeExampleBase();
    base.write("Words.Dat", {"Фразы", "КАК ТЕБЯ ЗОВУТ?^"});
    const TempFolder elsewhere;
    LineList working, session, exchange;
    ScriptedRandom random({1, 1});
    RecordingView view;
    Engine engine({working, session, exchange, random, view}, WorkingFolder(base.root()));
    engine.state().previousReply = cp("Как тебя зовут?");

    EXPECT_TRUE(engine.runTurn(cp("Иван."), "", Mode::CpuCpu, "talk.txt"));

    EXPECT_EQ(utf(engine.state().reply), "Понятно.");
    EXPECT_EQ(base.read("Words.Dat"), (Lines{"Фразы", "ИВАН.^", "КАК ТЕБЯ ЗОВУТ?^Иван.;"}));
    EXPECT_EQ(base.read("W1.Dat"), (Lines{"Не знаю.", "Иван."}));
    EXPECT_EQ(base.folder().readLines("talk.txt"), Lines{"Понятно."})
        << "a relative exchange path is the working folder's";
    EXPECT_TRUE(std::filesystem::is_empty(elsewhere.path()));
}

} // namespace besedka::test
