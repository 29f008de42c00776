// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/session_log.h"
#include "tests/engine/engine_fixture.h"

#include <gtest/gtest.h>

namespace besedka::test {

using Lines = std::vector<std::string>;

namespace {

const std::string kRule(80, '-');
const std::string kClosingRule(53, '=');
const std::string kMargin(22, ' ');

Lines recordHead(int phrases) {
    return {"",
            kRule,
            kMargin + std::string(30, '_'),
            kMargin + "Дата - 07.12.2025   |   Время - 10:00:00",
            kMargin + std::string(30, '~'),
            "//Загружено фраз выученных программой: " + std::to_string(phrases)};
}

} // namespace

class SessionLogTest : public ::testing::Test {
protected:
    void append() {
        appendSessionRecord(working, session, cp("07.12.2025"), cp("10:00:00"), base.working());
    }

    BaseFolder base;
    LineList working, session;
};

TEST_F(SessionLogTest, ARecordHoldsTheHeaderThePhraseCountTheSessionAndTheClosingRule) {
    base.write("Words.Dat", {"Фразы", "ПРИВЕТ.^Привет!;", "_КАК ДЕЛА?^Хорошо.;"});
    base.write("Log.Quorel", {});
    session = LineList({cp("USER:     Привет."), cp("CPU:     Здравствуй!")});
    append();
    Lines expected = recordHead(2);
    expected.insert(expected.end(), {"USER:     Привет.", "CPU:     Здравствуй!", kClosingRule});
    EXPECT_EQ(base.read("Log.Quorel"), expected);
}

TEST_F(SessionLogTest, RecordsFollowOneAnotherAndAnEmptySessionAddsNoLines) {
    base.write("Words.Dat", {"Фразы"});
    base.write("Log.Quorel", {"Старая запись"});
    append();
    append();
    Lines expected{"Старая запись"};
    for (int i = 0; i < 2; ++i) {
        const Lines head = recordHead(0);
        expected.insert(expected.end(), head.begin(), head.end());
        expected.push_back(kClosingRule);
    }
    EXPECT_EQ(base.read("Log.Quorel"), expected);
}

TEST_F(SessionLogTest, AnEmptyPhraseBaseCountsNoPhrases) {
    base.write("Words.Dat", {});
    base.write("Log.Quorel", {});
    append();
    EXPECT_EQ(base.read("Log.Quorel")[5], "//Загружено фраз выученных программой: 0");
}

TEST_F(SessionLogTest, AMissingFileStopsTheStepAndTheLogIsNeverCreated) {
    base.write("Words.Dat", {"Фразы"});
    EXPECT_EQ(fileErrorOf([this] { append(); }), "Cannot open file Base\\Log.Quorel");
    EXPECT_FALSE(std::filesystem::exists(base.path("Log.Quorel")));

    base.remove("Words.Dat");
    base.write("Log.Quorel", {"Старая запись"});
    EXPECT_EQ(fileErrorOf([this] { append(); }), "Cannot open file Base\\Words.dat");
    EXPECT_EQ(base.read("Log.Quorel"), Lines{"Старая запись"});
}

} // namespace besedka::test
