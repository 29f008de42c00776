// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_test.h"

#include <QApplication>
#include <QTest>
#include <QTextBlock>

namespace besedka::test {
namespace {

constexpr const char* kToday = "History/2026-12-07.txt";

class HistoryTest : public WindowTest {
protected:
    // The greeting comes in one draw of three.
    void greet() {
        for (int draw = 0; draw < 100 && !window->conversation().engine().greet(); ++draw) {
        }
    }
    void sayIdleRemark() {
        for (int second = 0; second < 89; ++second)
            window->conversation().countIdleSecond();
        window->remarks().countSilentSecond();
    }
    HistoryWindow& historyWindow() { return window->historyWindow(); }
    QStringList shownLines() const {
        return window->historyWindow().conversationView->toPlainText().split(u'\n');
    }
    QStringList days() const {
        QStringList items;
        for (int row = 0; row < window->historyWindow().dayList->count(); ++row)
            items.append(window->historyWindow().dayList->item(row)->text());
        return items;
    }
};

TEST_F(HistoryTest, EveryLineShownIsKeptWhateverBecomesOfTheDialogue) {
    openReady();
    greet();
    say(u"привет"_s);
    clock.time.minute = 4;
    sayIdleRemark();
    window->conversation().undo();
    menu().newDialogue->trigger();
    clock.time.minute = 5;
    say(u"как дела?"_s);
    const QStringList kept = {u"14:03:27 Беседка: Здравствуй!"_s,
                              u"14:03:27 Вы: Привет."_s,
                              u"14:03:27 Беседка: Привет, человек!"_s,
                              u"14:04:27 Беседка: Ты здесь?"_s,
                              u"14:05:27 Вы: Как дела?"_s,
                              u"14:05:27 Беседка: Хорошо."_s};
    EXPECT_EQ(fileLines(kToday), kept);
    EXPECT_EQ(transcript(), (QStringList{u"Как дела?"_s, u"Хорошо."_s}));

    // Closed by its close box, without "Выход".
    window->close();
    window.reset();
    EXPECT_EQ(fileLines(kToday), kept);
    EXPECT_TRUE(boxes.texts().isEmpty());
}

TEST_F(HistoryTest, AHistoryThatCannotBeWrittenIsToldOnceAndTheDialogueGoesOn) {
    folder.write("History", "a file where the folder should be");
    openReady();
    say(u"привет"_s);
    say(u"как дела?"_s);
    sayIdleRemark();
    EXPECT_EQ(transcript().size(), 5);
    ASSERT_EQ(boxes.texts().size(), 1);
    const QStringList told = boxes.texts().front().split(u'\n');
    ASSERT_EQ(told.size(), 2);
    EXPECT_EQ(told[0], u"История бесед не записывается в "_s +
                           QString::fromStdString((folder.path() / kToday).string()));
    EXPECT_FALSE(told[1].isEmpty());
}

TEST_F(HistoryTest, TheWindowListsTheDaysNewestFirstAndShowsWhoSpoke) {
    folder.write("History/2026-12-05.txt", "09:00:00 Вы: Доброе утро.\n");
    folder.write("History/2026-12-06.txt", "21:00:00 Беседка: Кстати.\n");
    openReady();
    say(u"привет"_s);
    menu().history->trigger();

    ASSERT_TRUE(historyWindow().isVisible());
    EXPECT_TRUE(window->isEnabled()) << "the conversation goes on beside it";
    EXPECT_EQ(days(), (QStringList{u"2026-12-07"_s, u"2026-12-06"_s, u"2026-12-05"_s}));
    EXPECT_EQ(historyWindow().dayList->currentRow(), 0);
    EXPECT_EQ(shownLines(),
              (QStringList{u"14:03:27 Вы: Привет."_s, u"14:03:27 Беседка: Привет, человек!"_s}));
    // The time, the speaker, the text: the speaker is the second piece of a line.
    const auto speaker = [](const QTextBlock& block) { return (++block.begin()).fragment(); };
    const auto speakerFormat = [&](const QTextBlock& block) { return speaker(block).charFormat(); };
    const QTextBlock person = historyWindow().conversationView->document()->firstBlock();
    EXPECT_EQ(speaker(person).text(), u"Вы:"_s);
    EXPECT_EQ(speakerFormat(person).fontWeight(), QFont::Bold);
    EXPECT_EQ(person.begin().fragment().charFormat().fontWeight(), QFont::Normal);
    EXPECT_NE(speakerFormat(person).foreground().color(),
              speakerFormat(person.next()).foreground().color());

    historyWindow().dayList->setCurrentRow(2);
    EXPECT_EQ(shownLines(), QStringList{u"09:00:00 Вы: Доброе утро."_s});

    // A line said while it is open is there at the next opening.
    say(u"как дела?"_s);
    menu().history->trigger();
    EXPECT_EQ(shownLines().size(), 4);
}

TEST_F(HistoryTest, TheSearchFindsAWordInEveryDayWithLetterCaseAside) {
    folder.write("History/2026-12-06.txt", "21:00:00 Вы: ПРИВЕТСТВУЮ всех.\n"
                                           "21:00:01 Беседка: Понятно.\n");
    openReady();
    say(u"привет"_s);
    menu().history->trigger();
    // As the desktop does for the window the person types in.
    QApplication::setActiveWindow(&historyWindow());
    historyWindow().searchField->setText(u"приВет"_s);
    QTest::keyClick(historyWindow().searchField, Qt::Key_Return);
    EXPECT_EQ(shownLines(), (QStringList{u"2026-12-07 14:03:27 Вы: Привет."_s,
                                         u"2026-12-07 14:03:27 Беседка: Привет, человек!"_s,
                                         u"2026-12-06 21:00:00 Вы: ПРИВЕТСТВУЮ всех."_s}));

    historyWindow().searchField->setText(u"погода"_s);
    historyWindow().searchButton->click();
    EXPECT_EQ(shownLines(), QStringList{u"«погода» не найдено."_s});

    // A click on a day shows the day again.
    QListWidget* dayList = historyWindow().dayList;
    QTest::mouseClick(dayList->viewport(), Qt::LeftButton, {},
                      dayList->visualItemRect(dayList->item(1)).center());
    EXPECT_EQ(shownLines(),
              (QStringList{u"21:00:00 Вы: ПРИВЕТСТВУЮ всех."_s, u"21:00:01 Беседка: Понятно."_s}));
}

TEST_F(HistoryTest, AnEmptyHistorySaysSo) {
    openReady();
    menu().history->trigger();
    EXPECT_EQ(days(), QStringList());
    EXPECT_EQ(shownLines(), QStringList{u"История бесед пока пуста."_s});
}

} // namespace
} // namespace besedka::test
