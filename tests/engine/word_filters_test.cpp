// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/word_filters.h"
#include "tests/engine/engine_fixture.h"

#include <gtest/gtest.h>

namespace besedka::test {

using Lines = std::vector<std::string>;

TEST(WordLists, HoldTheirEntriesAfterAnEmptyLineZero) {
    ASSERT_EQ(abuseList().size(), 83u);
    EXPECT_EQ(abuseList()[0], "");
    EXPECT_EQ(utf(abuseList()[1]), " ЛОХ");
    EXPECT_EQ(utf(abuseList()[66]), "УЁБИЩ");
    EXPECT_EQ(utf(abuseList()[82]), "Я СОТРУ");
    ASSERT_EQ(topicList().size(), 80u);
    EXPECT_EQ(topicList()[0], "");
    EXPECT_EQ(utf(topicList()[1]), " ИМЯ");
    EXPECT_EQ(utf(topicList()[32]), "МЕНЯ ЗОВУТ");
    EXPECT_EQ(utf(topicList()[79]), "ШЕРСТ");
}

TEST_F(EngineTest, APhraseRepeatingThePreviousLineInAnotherCaseGetsARepeatReplyAndNothingElse) {
    engine.state().branchDepth = 1;
    engine.state().branchLine = 1;
    engine.state().previousReply = cp("Как ты?");

    ASSERT_TRUE(say("ПРИВЕТ", {}, "Привет."));

    EXPECT_EQ(reply(), "Ты повторяешься.");
    // No filter, no search, no learning: the only draws are the reply's and the follow-up's.
    EXPECT_EQ(random.asked, (std::vector<int>{1, 3}));
    EXPECT_EQ(engine.state().branchDepth, 1);
    EXPECT_EQ(engine.state().branchLine, 1);
    EXPECT_EQ(base.read("Words.Dat"), examplePhraseBase());
    EXPECT_EQ(base.read("W1.Dat"), Lines{"Не знаю."});
}

TEST_F(EngineTest, NothingIsARepeatOfAnEmptyTranscript) {
    ASSERT_TRUE(say("привет", {0, 0, 1}, ""));
    EXPECT_EQ(reply(), "Привет!");
}

TEST_F(EngineTest, AnAbusivePhraseIsAnsweredAndCollectedButNotLearned) {
    engine.state().previousReply = cp("Как ты?");
    engine.state().branchDepth = 1;

    ASSERT_TRUE(say("ты лох"));

    EXPECT_EQ(reply(), "Не ругайся.");
    EXPECT_EQ(base.read("Collection.Dat"), Lines{">>> Ты лох."});
    EXPECT_EQ(base.read("Words.Dat"), examplePhraseBase());
    EXPECT_EQ(base.read("W1.Dat"), Lines{"Не знаю."});
    EXPECT_EQ(base.read("W2.Dat"), Lines{"Понятно."});
    EXPECT_EQ(engine.state().branchDepth, 1);
}

TEST_F(EngineTest, AbuseEntriesKeepTheirSpacesAndPunctuation) {
    const auto abusive = [this](std::string_view phrase) {
        say(phrase, {1, 0, 1});
        return reply() == "Не ругайся.";
    };
    EXPECT_FALSE(abusive("Лох."));
    EXPECT_TRUE(abusive("Ты лох."));
    EXPECT_TRUE(abusive("Ты гад."));
    EXPECT_TRUE(abusive("Гад ты."));
    EXPECT_FALSE(abusive("Гад?"));
    EXPECT_FALSE(abusive("Ггад, ты."));
    EXPECT_EQ(base.read("Collection.Dat"), (Lines{">>> Ты лох.", ">>> Ты гад.", ">>> Гад ты."}));
}

namespace {

std::vector<std::string> takenForAbuse(std::initializer_list<const char*> phrases) {
    std::vector<std::string> taken;
    for (const char* phrase : phrases) {
        if (isAbusive(cp(phrase)))
            taken.push_back(phrase);
    }
    return taken;
}

std::vector<std::string> passedAsClean(std::initializer_list<const char*> phrases) {
    std::vector<std::string> passed;
    for (const char* phrase : phrases) {
        if (!isAbusive(cp(phrase)))
            passed.push_back(phrase);
    }
    return passed;
}

} // namespace

TEST(AbuseFilter, EverydayWordsThatHoldAnEntryAreNoAbuse) {
    EXPECT_EQ(takenForAbuse({
                  "Наша команда выиграла.",
                  "Процедура прошла хорошо.",
                  "Хочу мандарин.",
                  "Ты меня приводишь в недоумение.",
                  "Два рубля.",
                  "Капитан корабля.",
                  "Подлинник картины.",
                  "Чмок!",
                  "Не колебаться.",
                  // inflected forms
                  "Процедуры закончились.",
                  "Я доволен процедурой.",
                  "Нет рубля?",
                  "Он ушёл с корабля!",
                  "Мы гордимся командой.",
                  "Мандаты розданы.",
                  "Недоумённый взгляд.",
                  "Подлёт прошёл гладко.",
                  "Барсука видел?",
                  "Нет бригад.",
                  "Урожай уродился.",
                  "Не надо дурачиться.",
                  // more words of the kind
                  "Ты лохматый.",
                  "Хамелеон меняет цвет.",
                  "Купил хамсы.",
                  "Это мохер.",
                  "Выбрал наугад.",
                  "Подлодка всплыла.",
                  "Подлить чаю?",
                  "Подложи подушку.",
                  "Хлебать щи.",
                  "Сабля острая.",
                  "Гребля полезна.",
                  "Дочурка спит.",
                  "Трясучка прошла.",
                  "Пищеблок закрыт.",
                  "Бандура звучит.",
                  "Исподлобья глянул.",
                  "Он подлечился.",
                  "Сидел подле окна.",
                  "Он парикмахер.",
                  "Застрахуй машину.",
                  "Не психуй.",
              }),
              std::vector<std::string>{});
}

TEST(AbuseFilter, AbusiveWordsAndTheirFormsAreStillCaught) {
    EXPECT_EQ(
        passedAsClean({
            "Дура.",      "Ты дура!",        "Уроды.",    "Распиздяй.", "Сучара.",  "Ты лох.",
            "Ты хам!",    "Бля, опять.",     "Блядь.",    "Ты болван.", "Выродок.", "Гад ты.",
            "Гадина.",    "Ебать.",          "Ты еблан.", "Дебил.",     "Мудак.",   "Мразь.",
            "Ты подлец.", "Подлый человек.", "Подонок.",  "Придурок.",  "Сука.",    "Шлюха.",
            "Ублюдок.",   "Упырь.",          "Хер тебе.", "Чмо.",       "Шалава.",  "Тебя сотру.",
            "Уродливый.", "Дурачок.",
        }),
        std::vector<std::string>{});
}

// An exemption covers an innocent word's own forms ("подлог", "подломить", "подлизываться"),
// not the forms of "подлый" and "подлиза" that begin with the same letters.
TEST(AbuseFilter, FormsOfAnAbusiveWordThatBeginLikeAnInnocentWordAreCaught) {
    EXPECT_EQ(passedAsClean({"От подлого человека.", "Подлому человеку.", "О подлом поступке.",
                             "Ты подлиза.", "Подлизы!"}),
              std::vector<std::string>{});
    EXPECT_EQ(takenForAbuse({"Это подлог.", "Обвинили в подлоге.", "Подлогом занялся суд.",
                             "Сломал подлокотник.", "Лёд подломился.", "Не подлизывайся.",
                             "Он подлизался к учителю."}),
              std::vector<std::string>{});
}

TEST(AbuseFilter, AnEntryInAnInnocentWordDoesNotHideTheSameEntryLaterInThePhrase) {
    EXPECT_TRUE(isAbusive(cp("Команда, ты манда.")));
    EXPECT_TRUE(isAbusive(cp("Чмок, чмо!")));
    EXPECT_TRUE(isAbusive(cp("Процедура, дура.")));
    EXPECT_FALSE(isAbusive(cp("Команда, команда.")));
}

TEST(AbuseFilter, KeepsTheMatchingRuleOfTheEntries) {
    // Spaces and punctuation of an entry, and the scan that does not look back.
    EXPECT_FALSE(isAbusive(cp("Лох.")));
    EXPECT_TRUE(isAbusive(cp("Ты лох.")));
    EXPECT_FALSE(isAbusive(cp("Гад?")));
    EXPECT_FALSE(isAbusive(cp("Ггад, ты.")));
    EXPECT_FALSE(isAbusive(cp("Рубль.")));
    // A stem must hold the entry's first letter: "СТЕБЛЯ" holds "БЛЯ." but not a word after it.
    EXPECT_TRUE(isAbusive(cp("Стебля бля.")));
}

TEST_F(EngineTest, AnEverydayPhraseWithAnEntryInAWordIsLearnedNotCollected) {
    engine.state().previousReply = cp("Как ты?");
    ASSERT_TRUE(say("наша команда выиграла"));
    EXPECT_EQ(reply(), "Понятно.");
    EXPECT_EQ(base.read("Collection.Dat"), Lines{});
    EXPECT_EQ(base.read("Words.Dat").back(), "НАША КОМАНДА ВЫИГРАЛА.^");
}

TEST_F(EngineTest, AMissingAbuseCollectionEndsTheTurnBeforeTheReplyIsShown) {
    base.remove("Collection.Dat");
    engine.state().previousReply = cp("Раньше.");

    EXPECT_EQ(fileErrorOf([this] { say("ты лох"); }), "Cannot open file Base\\Collection.Dat");

    EXPECT_EQ(view.events, (Lines{"busy", "phrase sound", "user Ты лох."}));
    EXPECT_EQ(sessionLines(), Lines{"USER:     Ты лох."});
    EXPECT_EQ(utf(engine.state().previousReply), "Раньше.");
}

TEST_F(EngineTest, APhraseWithATopicEntryIsAnsweredButNeverLearned) {
    engine.state().previousReply = cp("Как ты?");
    ASSERT_TRUE(say("я люблю тебя"));
    EXPECT_TRUE(engine.state().topicMarked);
    EXPECT_EQ(reply(), "Понятно.");
    EXPECT_EQ(base.read("W1.Dat"), Lines{"Не знаю."});
    EXPECT_EQ(base.read("W2.Dat"), Lines{"Понятно."});
    EXPECT_EQ(base.read("Words.Dat"), examplePhraseBase());

    // The mark lasts one turn: the same kind of phrase without an entry is learned.
    ASSERT_TRUE(say("я тебя знаю"));
    EXPECT_FALSE(engine.state().topicMarked);
    EXPECT_EQ(base.read("W2.Dat"), (Lines{"Понятно.", "Я тебя знаю."}));
}

TEST_F(EngineTest, ALongPhraseGetsAStockReplyOnFourDrawsOfSix) {
    const std::string longPhrase = std::string(110, 'a') + '.';
    for (int draw = 0; draw < 6; ++draw) {
        engine.state().previousReply.clear(); // so that nothing is learned
        say(longPhrase, {draw, 1}, "");
        const bool stock = draw + 1 != 2 && draw + 1 != 6;
        EXPECT_EQ(reply(), stock ? "Слишком длинно." : "Понятно.") << "r = " << draw + 1;
    }
}

TEST_F(EngineTest, APhraseOfExactly110CharactersIsNotLong) {
    say(std::string(109, 'a'), {0, 1}); // the '.' makes 110
    EXPECT_EQ(engine.state().userPhrase.size(), 110u);
    EXPECT_EQ(reply(), "Понятно.");
    say(std::string(109, 'b') + ".", {0, 1});
    EXPECT_EQ(reply(), "Понятно.");
}

} // namespace besedka::test
