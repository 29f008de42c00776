// SPDX-License-Identifier: GPL-3.0-or-later
// Two copies of the program in one working folder: what either learns stays.
#include "tests/engine/engine_fixture.h"
#include "tests/support/lock_holder.h"
#include "tests/support/lock_waiter.h"

#include <chrono>
#include <gtest/gtest.h>
#include <set>

namespace besedka::test {

namespace {

using Lines = std::vector<std::string>;

// Phrases that nothing matches and no filter takes, each its own key; every tenth is abuse.
Lines phrasesOf(const std::string& copy, int count) {
    Lines phrases;
    for (int i = 1; i <= count; ++i) {
        const std::string number = std::to_string(1000 + i);
        phrases.push_back(i % 10 == 0 ? "ТЫ ЛОХ " + copy + number + "."
                                      : "ЪЫЪ " + copy + number + " Q.");
    }
    return phrases;
}

std::string joined(const Lines& lines) {
    std::string text;
    for (const auto& line : lines)
        text += line + '\n';
    return text;
}

std::set<std::string> keysOf(const Lines& phraseBase) {
    std::set<std::string> keys;
    for (const auto& line : phraseBase)
        keys.insert(line.substr(0, line.find('^')));
    return keys;
}

template <typename Set> Lines missingFrom(const Set& found, const Lines& wanted) {
    Lines missing;
    for (const auto& line : wanted) {
        if (found.count(line) == 0)
            missing.push_back(line);
    }
    return missing;
}

// Whether the besedka-cli run in the folder comes to wait for the lock of Base. The wait only
// guards against a hang: the run gets there at once.
bool waitsForTheBaseLock(const BaseFolder& folder) {
    return seenWaitingForLock(BESEDKA_CLI, folder.root(), folder.root() / "Base",
                              std::chrono::seconds(10));
}

std::set<std::string> setOf(const Lines& a, const Lines& b = {}) {
    std::set<std::string> set(a.begin(), a.end());
    set.insert(b.begin(), b.end());
    return set;
}

} // namespace

TEST(TwoCopies, LearningIntoOneFolderAtOnceLosesNoLine) {
    constexpr int kPhrases = 60;
    BaseFolder folder;
    folder.writeExampleBase();
    const Lines first = phrasesOf("A", kPhrases), second = phrasesOf("B", kPhrases);
    {
        Background a(folder, "chat --seed 1", joined(first), "a");
        Background b(folder, "chat --seed 2", joined(second), "b");
        ASSERT_EQ(a.finish(), 0);
        ASSERT_EQ(b.finish(), 0);
    }

    // Each chat learns what follows a reply of its own: all but its first phrase and abuse.
    Lines learned, abuse;
    for (const Lines* phrases : {&first, &second}) {
        for (std::size_t i = 1; i < phrases->size(); ++i) {
            const std::string& phrase = (*phrases)[i];
            (phrase.starts_with("ТЫ ЛОХ") ? abuse : learned).push_back(phrase);
        }
    }
    EXPECT_EQ(missingFrom(keysOf(folder.read("Words.Dat")), learned), Lines{});
    EXPECT_EQ(missingFrom(setOf(folder.read("W1.Dat"), folder.read("W2.Dat")), learned), Lines{});
    Lines collected;
    for (const auto& phrase : abuse)
        collected.push_back(">>> " + phrase);
    EXPECT_EQ(missingFrom(setOf(folder.read("Collection.Dat")), collected), Lines{});
    const Lines log = folder.read("Log.Quorel");
    EXPECT_EQ(std::count(log.begin(), log.end(), std::string(53, '=')), 2);
}

TEST(TwoCopies, ACopyWaitsForTheLockAndGoesOnWhenTheHolderIsKilled) {
    BaseFolder folder;
    folder.writeExampleBase();
    LockHolder other("Base\\Words.Dat", folder.working());
    Background chat(folder, "chat --seed 3", "ЪЫЪ A1.\nЪЫЪ A2.\n", "chat");
    ASSERT_TRUE(waitsForTheBaseLock(folder)) << "the chat never waited for the lock of Base";
    // The first phrase is answered from W2.Dat, which the chat may not extend while it waits,
    // nor learn the second phrase.
    EXPECT_EQ(folder.read("W2.Dat"), Lines{"Понятно."});
    EXPECT_EQ(folder.read("Words.Dat"), examplePhraseBase());

    other.kill();
    EXPECT_EQ(chat.finish(), 0);
    EXPECT_EQ(keysOf(folder.read("Words.Dat")).count("ЪЫЪ A2."), 1u);
    EXPECT_EQ(folder.read("W2.Dat"), (Lines{"Понятно.", "ЪЫЪ A2."}));
}

TEST(TwoCopies, WritingABaseWaitsForALearningStep) {
    BaseFolder folder;
    folder.writeExampleBase();
    LockHolder other("Base\\Words.Dat", folder.working());
    Background write(folder, "write Base/Words.Dat", "Фразы\nНОВОЕ.^Да.;\n", "write");
    ASSERT_TRUE(waitsForTheBaseLock(folder)) << "write never waited for the lock of Base";
    EXPECT_EQ(folder.read("Words.Dat"), examplePhraseBase());

    other.kill();
    EXPECT_EQ(write.finish(), 0);
    EXPECT_EQ(folder.read("Words.Dat"), (Lines{"Фразы", "НОВОЕ.^Да.;"}));
}

TEST_F(EngineTest, ATurnLearnsInAFolderWhoseLockHolderWasKilled) {
    LockHolder other("Base\\Words.Dat", base.working());
    other.kill();
    engine.state().previousReply = cp("Как ты?");
    ASSERT_TRUE(say("ты кто такой"));
    EXPECT_EQ(base.read("Words.Dat").back(), "ТЫ КТО ТАКОЙ.^");
    EXPECT_EQ(base.read("W1.Dat").back(), "Ты кто такой.");
}

} // namespace besedka::test
