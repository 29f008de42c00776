// SPDX-License-Identifier: GPL-3.0-or-later
// A first conversation with the shipped knowledge base, as a new user would have it.
#include "engine/plain_view.h"
#include "platform/core/cp1251.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

namespace besedka {
namespace {

using test::TempFolder;

struct Step {
    const char* phrase;
    int depthAfter; // the branch depth the answer leaves: 1 a main phrase, 2 its branch, ...
};

TEST(ShippedConversation, AFirstDialogueIsAnsweredFromThePhraseBase) {
    TempFolder folder;
    std::filesystem::copy(std::filesystem::path(BESEDKA_DATA_DIR) / "Base", folder.path() / "Base",
                          std::filesystem::copy_options::recursive);
    LineList workingList, session, exchange;
    SeededRandom random(2024);
    PlainView view;
    Engine engine({workingList, session, exchange, random, view}, folder.working());

    const Step script[] = {
        {"привет", 1},
        {"как дела?", 1},
        {"хорошо", 2},
        {"как тебя зовут?", 1},
        {"сколько тебе лет?", 1},
        {"какая сегодня погода?", 1},
        {"что ты любишь?", 1},
        {"музыку", 2},
        {"расскажи анекдот", 1},
        {"спасибо", 1},
        {"до свидания", 1},
    };
    for (const auto& [phrase, depth] : script) {
        ASSERT_TRUE(
            engine.runTurn(cp1251::fromUtf8(phrase), view.previousTranscriptLine(), Mode::CpuUser))
            << phrase;
        EXPECT_EQ(engine.state().branchDepth, depth)
            << phrase << " -> " << cp1251::toUtf8(engine.state().reply);
        EXPECT_FALSE(engine.state().reply.empty()) << phrase;
    }
    EXPECT_TRUE(view.closing()) << "the farewell starts the closing animation";
}

} // namespace
} // namespace besedka
