// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/file_error.h"
#include "window_test.h"

namespace besedka::test {
namespace {

// The window over a phrase base and six reply files of its own.
class StatisticsTest : public WindowTest {
protected:
    void writeBase(const std::vector<std::string>& phraseBase) {
        folder.writeLines("Base/Words.Dat", phraseBase);
        for (const char* file :
             {"BigString.Dat", "Pause.Dat", "Povtor.Dat", "W1.Dat", "W2.Dat", "X.Dat"})
            folder.writeLines(std::string("Base/") + file, {});
    }

    QStringList captions() const {
        return {menu().incomingCount->text(), menu().outgoingCount->text(),
                menu().totalCount->text()};
    }

    static QStringList countsOf(int incoming, int outgoing, int total) {
        return {u"&Входящие выражения: [%1]"_s.arg(incoming),
                u"&Исходящие выражения: [%1]"_s.arg(outgoing), u"&Итого: [%1]"_s.arg(total)};
    }
};

TEST_F(StatisticsTest, APhraseBaseWithItsHeaderOnlyCountsNothing) {
    writeBase({"БАЗА ФРАЗ"});
    open();
    window->statistics().showKnowledgeCounts();
    EXPECT_EQ(captions(), countsOf(0, 0, 0));
    EXPECT_FALSE(window->statistics().statisticsTimer().enabled());
    // The turns find the phrase base where start-up left it.
    EXPECT_EQ(utf8Lines(window->conversation().workingList()),
              std::vector<std::string>{"БАЗА ФРАЗ"});
}

TEST_F(StatisticsTest, EachAnswerOfALineCountsAsOneOutgoingExpression) {
    writeBase({"БАЗА ФРАЗ", "ПРИВЕТ.^Привет!;Здравствуй.;"});
    open();
    window->statistics().showKnowledgeCounts();
    EXPECT_EQ(captions(), countsOf(1, 2, 3));
}

TEST_F(StatisticsTest, AnOpenKeyIsIncomingWithoutAnswers) {
    writeBase(
        {"БАЗА ФРАЗ", "ПРИВЕТ.^Привет!;", "КАК ТЕБЯ ЗОВУТ?^", "_КАК ДЕЛА?^Хорошо.;Так себе.;"});
    open();
    window->statistics().showKnowledgeCounts();
    EXPECT_EQ(captions(), countsOf(3, 3, 6));
}

TEST_F(StatisticsTest, EveryLineOfTheSixReplyFilesCountsAndNoOtherFile) {
    writeBase({"БАЗА ФРАЗ", "ПРИВЕТ.^Привет!;"});
    // Written with CR LF after every line: two line breaks, two lines.
    folder.writeLines("Base/W1.Dat", {"Не знаю.", "Может быть."});
    // The last line without its line break is a line all the same.
    folder.write("Base/X.Dat", "\xcd\xe5 \xe3\xf0\xf3\xe1\xe8.\r\n\xd4\xf3.");
    folder.writeLines("Base/Pause.Dat", {"Ты здесь?"});
    folder.writeLines("Base/Begin.dat", {"Здравствуй!", "Привет!"});
    folder.writeLines("Base/AI.dat", {"Кстати.", "А ещё..."});
    open();
    window->statistics().showKnowledgeCounts();
    EXPECT_EQ(captions(), countsOf(1, 1 + 2 + 2 + 1, 7));
}

TEST_F(StatisticsTest, ARetryAfterAMissingReplyFileReplacesTheCountInsteadOfAddingOne) {
    writeBase({"БАЗА ФРАЗ", "ПРИВЕТ.^Привет!;"});
    folder.remove("Base/W2.Dat");
    open();
    for (int tick = 0; tick < 3; ++tick)
        runGuarded([this] { window->statistics().showKnowledgeCounts(); }, ErrorSource::TimerTick);

    EXPECT_EQ(captions(), (QStringList{u"&Входящие выражения: [1]"_s, u"&Исходящие выражения:"_s,
                                       u"&Итого:"_s}));
    EXPECT_TRUE(window->statistics().statisticsTimer().enabled());
    EXPECT_EQ(boxes.texts(), QStringList{u"Cannot open file Base\\W2.Dat"_s});

    folder.writeLines("Base/W2.Dat", {"Понятно."});
    window->statistics().showKnowledgeCounts();
    EXPECT_EQ(captions(), countsOf(1, 2, 3));
    EXPECT_FALSE(window->statistics().statisticsTimer().enabled());
}

TEST_F(StatisticsTest, AMissingPhraseBaseChangesNoCaption) {
    open();
    folder.remove("Base/Words.Dat");
    EXPECT_THROW(window->statistics().showKnowledgeCounts(), FileError);
    EXPECT_EQ(captions(),
              (QStringList{u"&Входящие выражения:"_s, u"&Исходящие выражения:"_s, u"&Итого:"_s}));
    EXPECT_TRUE(window->statistics().statisticsTimer().enabled());
}

} // namespace
} // namespace besedka::test
