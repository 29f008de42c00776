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
    form->N4->trigger();
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(folder.read("Base/Log.Quorel").starts_with("{\\rtf"));

    open();
    form->N4->trigger();

    const QStringList first = recordOf({u"USER:     Привет."_s, u"CPU:     Привет, человек!"_s});
    EXPECT_EQ(withoutDates(fileLines("Base/Log.Quorel")), first + recordOf({}));
    EXPECT_TRUE(boxes.texts().isEmpty());
}

TEST_F(ExitTest, TheRecordHoldsOnlyWhatWasSaidAfterTheLastNewDialogue) {
    openReady();
    say(u"привет"_s);
    form->N2->trigger();
    form->T7Timer();
    say(u"пока"_s);
    form->N4Click();
    EXPECT_EQ(withoutDates(fileLines("Base/Log.Quorel")),
              recordOf({u"USER:     Пока."_s, u"CPU:     До свидания!"_s}));
}

TEST_F(ExitTest, WithoutASessionLogTheExitFailsAndTheWindowStays) {
    openReady();
    folder.remove("Base/Log.Quorel");
    form->N4->trigger();
    EXPECT_EQ(boxes.texts(), QStringList{u"Cannot open file Base\\Log.Quorel"_s});
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(folder.exists("Base/Log.Quorel"));
}

TEST_F(ExitTest, TheClosingAnimationShrinksDriftsAndWritesTheRecordOnTick80) {
    openReady();
    say(u"пока"_s);
    ASSERT_TRUE(form->T4.enabled());
    const QPoint start = form->pos();
    const QSize startSize = form->size();

    form->T4Timer();
    EXPECT_EQ(form->pos(), start + QPoint(-3, -2));
    EXPECT_EQ(form->size(), startSize - QSize(10, 8));
    for (int tick = 2; tick <= 9; ++tick)
        form->T4Timer();
    EXPECT_EQ(form->MP6.playRequests(), 0);
    form->T4Timer();
    EXPECT_EQ(form->MP6.playRequests(), 1);

    for (int tick = 11; tick <= 79; ++tick)
        form->T4Timer();
    EXPECT_EQ(form->ClosingTicks, 79);
    EXPECT_EQ(form->MP6.playRequests(), 70);
    EXPECT_TRUE(fileLines("Base/Log.Quorel").isEmpty());
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->pos(), start + QPoint(-3 * 79, -2 * 79));
    EXPECT_LT(form->width(), 200);

    form->T4Timer();
    EXPECT_FALSE(form->T4.enabled());
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(withoutDates(fileLines("Base/Log.Quorel")),
              recordOf({u"USER:     Пока."_s, u"CPU:     До свидания!"_s}));
}

TEST_F(ExitTest, AFailingExitStopsTheClosingAnimation) {
    openReady();
    folder.remove("Base/Log.Quorel");
    form->T4.setEnabled(true);
    form->ClosingTicks = 79;
    EXPECT_THROW(form->T4Timer(), FileError);
    EXPECT_FALSE(form->T4.enabled());
    EXPECT_TRUE(form->isVisible());
}

} // namespace
} // namespace besedka::test
