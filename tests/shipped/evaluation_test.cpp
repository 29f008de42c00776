// SPDX-License-Identifier: GPL-3.0-or-later
// Everyday phrases on the shipped knowledge base: how many find nothing better than a catch-all
// reply, and whether sentences that only mention parting close the program.
#include "engine/dry_run.h"
#include "platform/core/cp1251.h"
#include "tests/support/temp_folder.h"

#include <fstream>
#include <gtest/gtest.h>

namespace besedka {
namespace {

using test::TempFolder;

// The phrases of a file of tests/data/conversation/, UTF-8, '#' lines being headings.
std::vector<std::string> phrasesOf(const char* name) {
    std::ifstream in(std::filesystem::path(BESEDKA_CONVERSATION_DIR) / name);
    std::vector<std::string> phrases;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && !line.starts_with('#'))
            phrases.push_back(line);
    }
    return phrases;
}

class ShippedEvaluation : public ::testing::Test {
protected:
    ShippedEvaluation() {
        std::filesystem::copy(std::filesystem::path(BESEDKA_DATA_DIR) / "Base",
                              folder.path() / "Base", std::filesystem::copy_options::recursive);
    }

    // Each phrase as the first of a dialogue, as a newcomer would say it.
    DryRun::Answer firstAnswerTo(const std::string& utf8) {
        dialogue.startAfresh();
        return dialogue.say(cp1251::fromUtf8(utf8)).value();
    }

    TempFolder folder;
    SeededRandom random{7};
    DryRun dialogue{random, folder.working()};
};

TEST_F(ShippedEvaluation, FewEverydayPhrasesFallToACatchAllReply) {
    const auto phrases = phrasesOf("everyday.txt");
    ASSERT_GE(phrases.size(), 300u);
    std::vector<std::string> unanswered;
    for (const auto& phrase : phrases) {
        if (firstAnswerTo(phrase).stage == Stage::CatchAll)
            unanswered.push_back(phrase);
    }
    // At most one phrase in twelve.
    EXPECT_LE(unanswered.size() * 12, phrases.size())
        << unanswered.size() << " of " << phrases.size() << ", first: " << unanswered.front();
}

TEST_F(ShippedEvaluation, OnlyATrueGoodbyeClosesTheProgram) {
    for (const auto& sentence : phrasesOf("parting-words.txt"))
        EXPECT_FALSE(firstAnswerTo(sentence).closes) << sentence;
    const auto farewells = phrasesOf("farewells.txt");
    ASSERT_GE(farewells.size(), 30u);
    for (const auto& farewell : farewells)
        EXPECT_TRUE(firstAnswerTo(farewell).closes) << farewell;
}

} // namespace
} // namespace besedka
