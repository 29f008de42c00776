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
    form->IdleTicks = 42;
    say(u"привет"_s);

    EXPECT_EQ(transcript(), (QStringList{u"Привет."_s, u"Привет, человек!"_s}));
    EXPECT_EQ(session(), (QStringList{u"USER:     Привет."_s, u"CPU:     Привет, человек!"_s}));
    EXPECT_EQ(form->Input->text(), QString());
    EXPECT_EQ(form->IdleTicks, 0);
    EXPECT_EQ(form->MP2.playRequests(), 1);
    EXPECT_EQ(form->MP5.playRequests(), 1);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(boxes.texts().isEmpty());
}

TEST_F(TurnTest, UserLinesAndRepliesTakeTheirOwnChoosersStyle) {
    openReady();
    form->ColorDialog2.setColor(Qt::darkGreen);
    form->FontDialog1.setFont({u"Serif"_s, 10, false, true});
    form->ColorDialog3.setColor(Qt::darkRed);
    form->FontDialog2.setFont({u"Sans"_s, 12, true});
    say(u"привет"_s);

    const QTextBlock userLine = form->RE1->document()->firstBlock();
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
    QTest::keyClick(form->Input, Qt::Key_Return);
    EXPECT_EQ(form->RE1->lineCount(), 0);
    EXPECT_EQ(form->Log.count(), 0);
    EXPECT_EQ(form->MP2.playRequests(), 0);

    type(u"привет"_s);
    QTest::keyClick(form->Input, Qt::Key_Return);
    EXPECT_EQ(transcript(), (QStringList{u"Привет."_s, u"Привет, человек!"_s}));
    EXPECT_EQ(form->Input->text(), QString());

    type(u"как дела?"_s);
    QTest::keyClick(form->Input, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(form->Log.count(), 4);
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
    EXPECT_TRUE(form->T4.enabled());
}

TEST_F(TurnTest, AMissingReplyFileEndsTheTurnAfterTheUserLine) {
    openReady();
    folder.remove("Base/W2.Dat");
    form->IdleTicks = 17;
    say(u"ну и ладно"_s);

    EXPECT_EQ(transcript(), QStringList{u"Ну и ладно."_s});
    EXPECT_EQ(session(), QStringList{u"USER:     Ну и ладно."_s});
    EXPECT_EQ(boxes.texts(), QStringList{u"Cannot open file Base\\W2.Dat"_s});
    EXPECT_EQ(form->Input->text(), u"ну и ладно"_s);
    EXPECT_EQ(form->IdleTicks, 17);
    EXPECT_EQ(form->engine().state().PreviousReply, std::string());
    EXPECT_NE(QApplication::overrideCursor(), nullptr);

    // Sent again while its box is still open: the same failure opens no second box.
    form->Speak->click();
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
    form->Input->paste();
    QTest::keyClick(form->Input, Qt::Key_Return);

    EXPECT_EQ(transcript().at(2), u"Иван Петров."_s);
    EXPECT_EQ(fileLines("Base/W2.Dat").last(), u"Иван Петров."_s);
    EXPECT_EQ(fileLines("Base/Words.Dat").last(), u"ИВАН ПЕТРОВ.^"_s);
}

TEST_F(TurnTest, TheTranscriptCopiesWhatIsSelectedInItAndHandsTypingToTheInputLine) {
    openReady();
    say(u"привет"_s);
    form->RE1->setFocus();
    QTest::keyClick(form->RE1, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(form->RE1, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), u"Привет.\nПривет, человек!"_s);

    QTest::keyClicks(form->RE1, u"da"_s);
    EXPECT_EQ(form->Input->text(), u"da"_s);
    EXPECT_EQ(form->focusWidget(), form->Input);
}

} // namespace
} // namespace besedka::test
