// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/engine/engine_fixture.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <sstream>

namespace besedka::test {
namespace {

// Every file of Base\ by name, with its bytes.
std::map<std::string, std::string> baseFiles(const BaseFolder& base) {
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(base.root() / "Base")) {
        std::ifstream in(entry.path(), std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        files[entry.path().filename().string()] = bytes.str();
    }
    return files;
}

class CoarseLearningTest : public EngineTest {
protected:
    // A turn nothing in the phrase base answers, after a reply of the program's own.
    void tell(std::string_view phrase) {
        engine.state().previousReply = cp("Как дела?");
        say(phrase, {1, 1});
    }
};

} // namespace

// Learned, a phrase would be said to the next person: the spellings nobody listed included.
TEST_F(CoarseLearningTest, AMaskedTransliteratedOrInsultingPhraseIsAnsweredButChangesNoFile) {
    base.write("Words.Dat", {"Фразы", "КАК ДЕЛА?^"});
    const auto before = baseFiles(base);
    for (const char* phrase : {"х у й тебе", "ну ты 3ае6ал", "Ты п*здец", "nahuy idi", "Лох.",
                               "Чтоб ты сдох!", "мозгоёб ты", "Ты идиот", "XYЙ", "Жиды!"}) {
        tell(phrase);
        EXPECT_EQ(reply(), "Понятно.") << phrase;
    }
    EXPECT_EQ(baseFiles(base), before);

    tell("Стюардесса принесла хлеба");
    EXPECT_NE(baseFiles(base), before);
    EXPECT_EQ(base.read("W1.Dat").back(), "Стюардесса принесла хлеба.");
}

} // namespace besedka::test
