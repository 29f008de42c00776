// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/file_error.h"
#include "window_test.h"

#include <QRegularExpression>

namespace besedka::test {
namespace {

using ExitTest = WindowTest;

QStringList recordOf(const QStringList& dialogue) {
    QStringList record{QString(),
                       QString(80, u'-'),
                       QString(22, u' ') + QString(30, u'_'),
                       u"<date and time>"_s,
                       QString(22, u' ') + QString(30, u'~'),
                       u"//Загружено фраз выученных программой: 3"_s};
    record += dialogue;
    record.append(QString(53, u'='));
    return record;
}

// The log with each date line checked against the user's formats and then set aside.
QStringList withoutDates(QStringList log) {
    // The C locale of the tests writes dates as 12/31/24 and times as 23:59:59.
    static const QRegularExpression dateLine(
        u"^ {22}Дата - \\d\\d/\\d\\d/\\d\\d   \\|   Время - \\d\\d:\\d\\d:\\d\\d$"_s);
    for (QString& line : log) {
        if (line.contains(u"Дата - "_s)) {
            EXPECT_TRUE(dateLine.match(line).hasMatch()) << line.toStdString();
            line = u"<date and time>"_s;
        }
    }
    return log;
}

TEST_F(ExitTest, EachExitAppendsOneRecordToTheSessionLog) {
    openReady();
    say(u"привет"_s);
    menu().exit->trigger();
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(folder.read("Base/Log.Quorel").starts_with("{\\rtf"));

    open();
    menu().exit->trigger();

    const QStringList first = recordOf({u"USER:     Привет."_s, u"CPU:     Привет, человек!"_s});
    EXPECT_EQ(withoutDates(fileLines("Base/Log.Quorel")), first + recordOf({}));
    EXPECT_TRUE(boxes.texts().isEmpty());
}

TEST_F(ExitTest, TheRecordHoldsOnlyWhatWasSaidAfterTheLastNewDialogue) {
    openReady();
    say(u"привет"_s);
    menu().newDialogue->trigger();
    window->conversation().playDialogueStartAnimation();
    say(u"пока"_s);
    window->conversation().exitWithRecord();
    EXPECT_EQ(withoutDates(fileLines("Base/Log.Quorel")),
              recordOf({u"USER:     Пока."_s, u"CPU:     До свидания!"_s}));
}

TEST_F(ExitTest, WithoutASessionLogTheExitFailsAndTheWindowStays) {
    openReady();
    folder.remove("Base/Log.Quorel");
    menu().exit->trigger();
    EXPECT_EQ(boxes.texts(), QStringList{u"Cannot open file Base\\Log.Quorel"_s});
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(folder.exists("Base/Log.Quorel"));
}

TEST_F(ExitTest, TheClosingAnimationShrinksDriftsAndWritesTheRecordOnTick80) {
    openReady();
    say(u"пока"_s);
    ASSERT_TRUE(window->conversation().closingAnimationTimer().enabled());
    const QPoint start = window->pos();
    const QSize startSize = window->size();

    window->conversation().stepClosingAnimation();
    EXPECT_EQ(window->pos(), start + QPoint(-3, -2));
    EXPECT_EQ(window->size(), startSize - QSize(10, 8));
    for (int tick = 2; tick <= 9; ++tick)
        window->conversation().stepClosingAnimation();
    EXPECT_EQ(window->sounds().closingSound.playRequests(), 0);
    window->conversation().stepClosingAnimation();
    EXPECT_EQ(window->sounds().closingSound.playRequests(), 1);

    for (int tick = 11; tick <= 79; ++tick)
        window->conversation().stepClosingAnimation();
    EXPECT_EQ(window->conversation().closingTicks(), 79);
    EXPECT_EQ(window->sounds().closingSound.playRequests(), 70);
    EXPECT_TRUE(fileLines("Base/Log.Quorel").isEmpty());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->pos(), start + QPoint(-3 * 79, -2 * 79));
    EXPECT_LT(window->width(), 200);

    window->conversation().stepClosingAnimation();
    EXPECT_FALSE(window->conversation().closingAnimationTimer().enabled());
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(withoutDates(fileLines("Base/Log.Quorel")),
              recordOf({u"USER:     Пока."_s, u"CPU:     До свидания!"_s}));
}

TEST_F(ExitTest, AFailingExitStopsTheClosingAnimation) {
    openReady();
    say(u"пока"_s);
    for (int tick = 1; tick <= 79; ++tick)
        window->conversation().stepClosingAnimation();
    folder.remove("Base/Log.Quorel");
    ASSERT_TRUE(window->conversation().closingAnimationTimer().enabled());
    EXPECT_THROW(window->conversation().stepClosingAnimation(), FileError);
    EXPECT_FALSE(window->conversation().closingAnimationTimer().enabled());
    EXPECT_TRUE(window->isVisible());
}

} // namespace
} // namespace besedka::test
