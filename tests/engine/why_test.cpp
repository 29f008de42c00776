// SPDX-License-Identifier: GPL-3.0-or-later
// The dry run behind `besedka-cli why` and `chat --no-learn`, the farewell rule, and a phrase
// typed in the wrong layout.
#include "engine/dry_run.h"
#include "engine/farewell.h"
#include "tests/engine/engine_fixture.h"
#include "tests/support/program_run.h"

#include <gtest/gtest.h>

namespace besedka::test {

using Lines = std::vector<std::string>;

namespace {

// "stage line key -> reply" of one phrase, in UTF-8.
std::string why(DryRun& dialogue, std::string_view phrase) {
    const auto answer = dialogue.say(cp(phrase));
    if (!answer)
        return "nothing";
    std::string text = std::string(stageName(answer->stage));
    if (answer->line > 0)
        text += " " + std::to_string(answer->line) + " " + utf(answer->key);
    return text + " -> " + utf(answer->reply) + (answer->closes ? " (closes)" : "");
}

} // namespace

class DryRunTest : public ::testing::Test {
protected:
    DryRunTest() {
        base.writeExampleBase();
        base.write("Words.Dat",
                   {"Фразы", "ПРИВЕТ^Привет!;", "_КАК ДЕЛА?^Хорошо.;", "ТЫ КТО?^",
                    "ДО ЗАВТРА^До завтра!;@", "ЗАВТРА^Что будет завтра?;", "ЛЮБЛЮ ЧАЙ^Я тоже.;"});
    }

    BaseFolder base;
    ScriptedRandom random;
    DryRun dialogue{random, base.working()};
};

TEST_F(DryRunTest, EachStageIsNamedWithTheLineAndKeyThatAnswered) {
    EXPECT_EQ(why(dialogue, "привет"), "whole-key 1 ПРИВЕТ -> Привет!");
    EXPECT_EQ(why(dialogue, "как дела?"), "branch-walk 2 _КАК ДЕЛА? -> Хорошо.");
    EXPECT_EQ(why(dialogue, "я люблю крепкий чай"), "word-by-word 6 ЛЮБЛЮ ЧАЙ -> Я тоже.");
    EXPECT_EQ(why(dialogue, "ты кто?"), "catch-all -> Не знаю.");
    EXPECT_EQ(why(dialogue, "ты кто?"), "repeat -> Ты повторяешься.");
    EXPECT_EQ(why(dialogue, "ну ты и дебил"), "abuse -> Не ругайся.");
    EXPECT_EQ(why(dialogue, std::string(120, 'a')), "long-phrase -> Слишком длинно.");
    EXPECT_EQ(why(dialogue, "  "), "nothing");
}

TEST_F(DryRunTest, NothingIsLearnedCollectedOrRecorded) {
    const auto before = contentsOf(base.root() / "Base");
    // A first turn, then phrases that would be learned, collected as abuse or attached as an
    // answer to the previous reply.
    for (const char* phrase : {"привет", "ну ты и дебил", "Совсем новая фраза.", "ты кто?",
                               "Ещё одна новая фраза?", "Иван."})
        dialogue.say(cp(phrase));
    dialogue.startAfresh();
    dialogue.say(cp("Третья новая фраза."));
    EXPECT_EQ(contentsOf(base.root() / "Base"), before);
}

TEST_F(DryRunTest, AFarewellLineAnswersOnlyAPhraseThatTakesLeave) {
    EXPECT_EQ(why(dialogue, "ну всё, до завтра!"), "whole-key 4 ДО ЗАВТРА -> До завтра! (closes)");
    // The search goes on past the farewell line to what else the sentence holds.
    EXPECT_EQ(why(dialogue, "я отложу это до завтра"), "whole-key 5 ЗАВТРА -> Что будет завтра?");
    EXPECT_EQ(why(dialogue, "до завтра?"), "whole-key 5 ЗАВТРА -> Что будет завтра?");
}

TEST(FarewellTest, AGoodbyeTakesLeaveASentenceThatMentionsOneDoesNot) {
    const auto leaves = [](std::string_view phrase, std::string_view key) {
        return takesLeave(cp(phrase), cp(key));
    };
    EXPECT_TRUE(leaves("Пока!", "ПОКА!"));
    EXPECT_TRUE(leaves("Ну ладно, пока-пока.", "ПОКА-ПОКА"));
    EXPECT_TRUE(leaves("Спасибо за беседу, до свидания.", "ДО СВИДАНИЯ"));
    EXPECT_TRUE(leaves("Всё, я пошёл спать.", "ПОШЁЛ СПАТЬ"));
    EXPECT_TRUE(leaves("Всё, я пошел спать.", "ПОШЁЛ СПАТЬ"));
    EXPECT_TRUE(leaves("Спокойной тебе ночи!", "СПОКОЙНОЙ НОЧИ"));
    EXPECT_TRUE(leaves("Мне пора, увидимся завтра)", "УВИДИМСЯ"));

    EXPECT_FALSE(leaves("Когда мы увидимся?", "УВИДИМСЯ"));
    EXPECT_FALSE(leaves("Детям пора спать.", "ПОРА СПАТЬ"));
    EXPECT_FALSE(leaves("Я ухожу с работы в сумерках.", "Я УХОЖУ"));
    EXPECT_FALSE(leaves("Я отложу это до завтра.", "ДО ЗАВТРА"));
    EXPECT_FALSE(leaves("Покажи, что умеешь.", "ПОКА"));
    EXPECT_FALSE(leaves("Он сказал до свидания и ушёл.", "ДО СВИДАНИЯ"));
    EXPECT_FALSE(leaves("Фильм \"Прощай, оружие\" я не смотрел.", "ПРОЩАЙ"));
    EXPECT_FALSE(leaves("Песня «Прощай» грустная.", "ПРОЩАЙ"));
}

class WrongLayoutTest : public EngineTest {
protected:
    WrongLayoutTest() {
        base.write("dictionary.dat", {"привет", "как", "дело", "любишь", "чай", "ты", "да"});
    }
    // The phrase as the transcript shows it.
    std::string shown(std::string_view phrase) {
        view.events.clear();
        say(phrase, {1, 0, 1});
        return view.events.size() > 2 ? view.events[2] : "nothing shown";
    }
};

TEST_F(WrongLayoutTest, RussianTypedInTheLatinLayoutIsShownAnsweredAndLearnedInRussian) {
    EXPECT_EQ(shown("ghbdtn"), "user Привет.");
    EXPECT_EQ(reply(), "Привет!");
    EXPECT_EQ(shown("rfr ltkf?"), "user Как дела?");
    // Between two letters the period and comma keys are ю and б.
    EXPECT_EQ(shown("ns k.,bim xfq"), "user Ты любишь чай.");
    EXPECT_EQ(base.read("Words.Dat").back(), "ТЫ ЛЮБИШЬ ЧАЙ.^");
    for (const auto& line : base.read("Words.Dat"))
        EXPECT_EQ(line.find_first_of("abcdefghijklmnopqrstuvwxyz"), std::string::npos) << line;
}

TEST_F(WrongLayoutTest, EnglishAndMixedPhrasesStayAsTyped) {
    EXPECT_EQ(shown("Hello, how are you?"), "user Hello, how are you?");
    EXPECT_EQ(shown("ok"), "user ok.");
    // One lucky word among others is not "mostly": "lf" alone would be "да".
    EXPECT_EQ(shown("lf I am here"), "user lf I am here.");
    EXPECT_EQ(shown("привет, ghbdtn"), "user Привет, ghbdtn.");
    // Nothing but one-letter words: a smiley is no Russian phrase.
    EXPECT_EQ(shown(":-D"), "user :-D.");
}

TEST_F(WrongLayoutTest, WithoutTheDictionaryAPhraseIsTakenAsTyped) {
    base.remove("dictionary.dat");
    EXPECT_EQ(shown("ghbdtn"), "user ghbdtn.");
}

TEST(WhyCommandTest, PrintsEachPhraseWithItsStageAndASummaryOfShares) {
    BaseFolder base;
    base.writeExampleBase();
    base.write("Words.Dat", {"Фразы", "ПРИВЕТ.^Привет!;", "_КАК ДЕЛА?^Хорошо.;", "ПОКА.^Пока!;@"});
    const auto before = contentsOf(base.root() / "Base");
    const std::string why = std::string("'") + BESEDKA_CLI + "' why ";
    // An empty line starts a new dialogue, so the second "как дела?" finds no branch.
    const ProgramRun lines =
        runInFolder(base.folder(), why, "# a note\nпривет\nкак дела?\n\nкак дела?\n");
    EXPECT_EQ(lines.status, 0) << lines.err;
    EXPECT_EQ(lines.out, "Привет. → Привет! [whole-key, line 2: ПРИВЕТ.]\n"
                         "Как дела? → Хорошо. [branch-walk, line 3: _КАК ДЕЛА?]\n"
                         "Как дела? → Не знаю. [catch-all]\n");
    const ProgramRun summary =
        runInFolder(base.folder(), why + "--summary --fresh привет 'как дела?' пока.");
    EXPECT_EQ(summary.status, 0) << summary.err;
    EXPECT_NE(summary.out.find("3 phrases\n"), std::string::npos) << summary.out;
    EXPECT_NE(summary.out.find("whole-key          2   66.7%"), std::string::npos) << summary.out;
    EXPECT_NE(summary.out.find("catch-all          1   33.3%"), std::string::npos) << summary.out;
    EXPECT_EQ(contentsOf(base.root() / "Base"), before);
}

TEST(WhyCommandTest, ExpectReportsEveryPhraseThatAnotherLineAnswered) {
    BaseFolder base;
    base.writeExampleBase();
    base.write("Words.Dat", {"Фразы", "БОРЩ^Вкусно!;", "ВАРЮ БОРЩ^Какой?;", "ГОЛОЛЁД^Скользко.;",
                             "ПРИВЕТ^Привет!;", "_КАК ДЕЛА?^Хорошо.;", "КАК ДЕЛА?^Отлично.;"});
    const auto before = contentsOf(base.root() / "Base");
    const std::string why = std::string("'") + BESEDKA_CLI + "' why --expect expected.txt";
    // Each phrase starts a dialogue of its own: "как дела?" finds no branch after "привет".
    base.folder().write("expected.txt", "# a note\nпривет \u2192 привет\n\nкак дела?\tКАК ДЕЛА?\r\n"
                                        "борщ, конечно \u2192 БОРЩ\n");
    const ProgramRun pass = runInFolder(base.folder(), why);
    EXPECT_EQ(pass.status, 0) << pass.err;
    EXPECT_EQ(pass.out, "3 phrases, 0 answered by another line than expected\n");

    base.folder().write("expected.txt", "привет → ПРИВЕТ\nя варю борщ → ВАРЮ БОРЩ\n"
                                        "гололед → ГОЛОЛЁД\n");
    const ProgramRun miss = runInFolder(base.folder(), why);
    EXPECT_EQ(miss.status, 1) << miss.err;
    EXPECT_EQ(miss.out, "expected.txt:2: \"я варю борщ\" expected ВАРЮ БОРЩ, answered by line 2: "
                        "БОРЩ [whole-key]\n"
                        "expected.txt:3: \"гололед\" expected ГОЛОЛЁД, answered by no line "
                        "[catch-all]\n"
                        "3 phrases, 2 answered by another line than expected\n");

    base.folder().write("expected.txt", "привет ПРИВЕТ\n");
    const ProgramRun malformed = runInFolder(base.folder(), why);
    EXPECT_EQ(malformed.status, 2);
    EXPECT_EQ(malformed.err,
              "besedka-cli: expected.txt:1: no arrow or tab between a phrase and a key\n");
    EXPECT_EQ(contentsOf(base.root() / "Base"), before);
}

} // namespace besedka::test
