#include "window_test.h"

#include <QApplication>
#include <QScreen>
#include <QTest>
#include <algorithm>
#include <vector>

namespace besedka::test {
namespace {

using DialogueTest = WindowTest;

TEST_F(DialogueTest, TheStartAnimationClearsTheTranscriptAndArmsTheGreeting) {
    open();
    form->RE1->appendLine(u"старая строка"_s);
    form->move(0, 0);
    form->T7Timer();

    EXPECT_EQ(form->RE1->lineCount(), 0);
    EXPECT_FALSE(form->T7.enabled());
    EXPECT_TRUE(form->T10.enabled());
    EXPECT_TRUE(form->N1->menuAction()->isEnabled());
    EXPECT_FALSE(form->Input->isReadOnly());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(form->MP4.playRequests(), 1);
    const QRect desktop = form->screen()->geometry();
    const QPoint offCentre = form->frameGeometry().center() - desktop.center();
    EXPECT_LE(offCentre.manhattanLength(), 2);
}

// Always the largest value asked for, remembering every request.
class HighestRandom final : public RandomSource {
public:
    int below(int n) override {
        asked.push_back(n);
        return n - 1;
    }
    void reseed() override { ++reseeds; }

    std::vector<int> asked;
    int reseeds = 0;
};

TEST_F(DialogueTest, TheShakeJumpsUpTo250TimesWithinTheJumpSquare) {
    HighestRandom highest;
    TForm1 window(highest);
    window.T7Timer();

    EXPECT_EQ(highest.reseeds, 1);
    ASSERT_EQ(highest.asked.size(), 1u + 2 * 250);
    EXPECT_EQ(highest.asked.front(), 250);
    EXPECT_TRUE(std::all_of(highest.asked.begin() + 1, highest.asked.end(),
                            [](int n) { return n == 105; }));
}

TEST_F(DialogueTest, UndoRemovesTheLastLineOfTranscriptAndSessionThenRestarts) {
    openReady();
    say(u"привет"_s);
    form->T1Timer();
    form->Cancel->click();

    EXPECT_EQ(transcript(), QStringList{u"Привет."_s});
    EXPECT_EQ(session(), QStringList{u"USER:     Привет."_s});
    EXPECT_TRUE(form->T7.enabled());

    form->T7Timer();
    EXPECT_EQ(form->RE1->lineCount(), 0);
    EXPECT_EQ(session(), QStringList{u"USER:     Привет."_s});
    form->T1Timer();
    EXPECT_FALSE(form->Cancel->isEnabled());
}

TEST_F(DialogueTest, UndoTakesTheSessionsLastLineWhateverTheTranscriptShows) {
    openReady();
    form->RE1->appendLine(u"строка, которой нет в сеансе"_s);
    form->CancelClick();
    EXPECT_EQ(form->RE1->lineCount(), 0);
    EXPECT_EQ(form->Log.count(), 0);
}

TEST_F(DialogueTest, CtrlZUndoesOnlyWhileTheTranscriptHasLines) {
    openReady();
    QTest::keyClicks(form->Input, u"abc"_s);
    form->T1Timer();
    QTest::keyClick(form->Input, Qt::Key_Z, Qt::ControlModifier);
    // Neither the menu nor the input line's own undo.
    EXPECT_EQ(form->Input->text(), u"abc"_s);
    EXPECT_FALSE(form->T7.enabled());

    say(u"привет"_s);
    form->T1Timer();
    QTest::keyClick(form->Input, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(session(), QStringList{u"USER:     Привет."_s});
    EXPECT_EQ(transcript(), QStringList{u"Привет."_s});
    EXPECT_TRUE(form->T7.enabled());
}

TEST_F(DialogueTest, ANewDialogueStartsFromNothingButKeepsTheTurnState) {
    openReady();
    say(u"привет"_s);
    type(u"недописанная фраза"_s);
    const int keyClicks = form->MP1.playRequests();
    form->N2->trigger();

    EXPECT_EQ(form->RE1->lineCount(), 0);
    EXPECT_EQ(form->Log.count(), 0);
    EXPECT_EQ(form->Input->text(), QString());
    EXPECT_EQ(form->MP1.playRequests(), keyClicks + 1);
    EXPECT_TRUE(form->T7.enabled());
    EXPECT_TRUE(form->T10.enabled());
    EXPECT_FALSE(form->engine().state().PreviousReply.empty());
}

} // namespace
} // namespace besedka::test
