// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_test.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>
#include <QTextBlock>

namespace besedka::test {
namespace {

using TurnTest = WindowTest;

TEST_F(TurnTest, AClickOnSpeakRunsOneTurnThroughTheWindow) {
    openReady();
    for (int second = 0; second < 42; ++second)
        window->conversation().countIdleSecond();
    say(u"привет"_s);

    EXPECT_EQ(transcript(), (QStringList{u"Привет."_s, u"Привет, человек!"_s}));
    EXPECT_EQ(session(), (QStringList{u"USER:     Привет."_s, u"CPU:     Привет, человек!"_s}));
    EXPECT_EQ(controls().inputLine->text(), QString());
    EXPECT_EQ(window->conversation().idleSeconds(), 0);
    EXPECT_EQ(window->sounds().phraseSound.playRequests(), 1);
    EXPECT_EQ(window->sounds().systemSound.playRequests(), 1);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(boxes.texts().isEmpty());
}

TEST_F(TurnTest, UserLinesAndRepliesTakeTheirOwnChoosersStyle) {
    openReady();
    window->choosers().userLineColor.setColor(Qt::darkGreen);
    window->choosers().userLineFont.setFont({u"Serif"_s, 10, false, true});
    window->choosers().systemLineColor.setColor(Qt::darkRed);
    window->choosers().systemLineFont.setFont({u"Sans"_s, 12, true});
    say(u"привет"_s);

    const QTextBlock userLine = controls().transcript->document()->firstBlock();
    const QTextCharFormat user = userLine.begin().fragment().charFormat();
    EXPECT_EQ(user.foreground().color(), QColor(Qt::darkGreen));
    EXPECT_EQ(user.fontFamilies().toStringList(), QStringList{u"Serif"_s});
    EXPECT_EQ(user.fontPointSize(), 10);
    EXPECT_TRUE(user.fontItalic());

    const QTextCharFormat reply = userLine.next().begin().fragment().charFormat();
    EXPECT_EQ(reply.foreground().color(), QColor(Qt::darkRed));
    EXPECT_EQ(reply.fontFamilies().toStringList(), QStringList{u"Sans"_s});
    EXPECT_EQ(reply.fontPointSize(), 12);
    EXPECT_EQ(reply.fontWeight(), QFont::Bold);
}

TEST_F(TurnTest, EnterRunsATurnButNotOnAnEmptyInput) {
    openReady();
    QTest::keyClick(controls().inputLine, Qt::Key_Return);
    EXPECT_EQ(controls().transcript->lineCount(), 0);
    EXPECT_EQ(window->conversation().sessionLog().count(), 0);
    EXPECT_EQ(window->sounds().phraseSound.playRequests(), 0);

    type(u"привет"_s);
    QTest::keyClick(controls().inputLine, Qt::Key_Return);
    EXPECT_EQ(transcript(), (QStringList{u"Привет."_s, u"Привет, человек!"_s}));
    EXPECT_EQ(controls().inputLine->text(), QString());

    type(u"как дела?"_s);
    QTest::keyClick(controls().inputLine, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(window->conversation().sessionLog().count(), 4);
}

TEST_F(TurnTest, TheRepeatCheckSeesTheLineBeforeTheLastOne) {
    openReady();
    say(u"привет"_s);
    say(u"привет"_s);
    EXPECT_EQ(transcript().last(), u"Ты повторяешься."_s);
}

TEST_F(TurnTest, AFarewellStartsTheClosingAnimation) {
    openReady();
    say(u"пока"_s);
    EXPECT_EQ(transcript().last(), u"До свидания!"_s);
    EXPECT_TRUE(window->conversation().closingAnimationTimer().enabled());
}

TEST_F(TurnTest, AMissingReplyFileEndsTheTurnAfterTheUserLine) {
    openReady();
    folder.remove("Base/W2.Dat");
    for (int second = 0; second < 17; ++second)
        window->conversation().countIdleSecond();
    say(u"ну и ладно"_s);

    EXPECT_EQ(transcript(), QStringList{u"Ну и ладно."_s});
    EXPECT_EQ(session(), QStringList{u"USER:     Ну и ладно."_s});
    EXPECT_EQ(boxes.texts(), QStringList{u"Cannot open file Base\\W2.Dat"_s});
    EXPECT_EQ(controls().inputLine->text(), u"ну и ладно"_s);
    EXPECT_EQ(window->conversation().idleSeconds(), 17);
    EXPECT_EQ(window->conversation().engine().state().previousReply, std::string());
    EXPECT_NE(QApplication::overrideCursor(), nullptr);

    // Sent again while its box is still open: the same failure opens no second box.
    controls().sayButton->click();
    EXPECT_EQ(boxes.texts().size(), 1);

    folder.writeLines("Base/W2.Dat", {"Понятно."});
    say(u"ладно"_s);
    EXPECT_EQ(transcript().last(), u"Понятно."_s);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(TurnTest, APastedLineBreakBecomesASpaceBeforeAnythingIsLearned) {
    openReady();
    say(u"привет"_s);
    QApplication::clipboard()->setText(u"Иван\r\nПетров\n"_s);
    controls().inputLine->paste();
    QTest::keyClick(controls().inputLine, Qt::Key_Return);

    EXPECT_EQ(transcript().at(2), u"Иван Петров."_s);
    EXPECT_EQ(fileLines("Base/W2.Dat").last(), u"Иван Петров."_s);
    EXPECT_EQ(fileLines("Base/Words.Dat").last(), u"ИВАН ПЕТРОВ.^"_s);
}

TEST_F(TurnTest, TheTranscriptCopiesWhatIsSelectedInItAndHandsTypingToTheInputLine) {
    openReady();
    say(u"привет"_s);
    controls().transcript->setFocus();
    QTest::keyClick(controls().transcript, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(controls().transcript, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), u"Привет.\nПривет, человек!"_s);

    QTest::keyClicks(controls().transcript, u"da"_s);
    EXPECT_EQ(controls().inputLine->text(), u"da"_s);
    EXPECT_EQ(window->focusWidget(), controls().inputLine);
}

} // namespace
} // namespace besedka::test
