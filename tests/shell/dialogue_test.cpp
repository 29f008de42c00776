// SPDX-License-Identifier: GPL-3.0-or-later
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
    controls().transcript->appendLine(u"старая строка"_s);
    window->move(0, 0);
    window->conversation().playDialogueStartAnimation();

    EXPECT_EQ(controls().transcript->lineCount(), 0);
    EXPECT_FALSE(window->conversation().dialogueStartTimer().enabled());
    EXPECT_TRUE(window->remarks().greetingTimer().enabled());
    EXPECT_TRUE(menu().systemMenu->menuAction()->isEnabled());
    EXPECT_FALSE(controls().inputLine->isReadOnly());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(window->sounds().dialogueStartSound.playRequests(), 1);
    const QRect desktop = window->screen()->geometry();
    const QPoint offCentre = window->frameGeometry().center() - desktop.center();
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
    MainWindow shaken(highest, clock, folder.working());
    shaken.conversation().playDialogueStartAnimation();

    EXPECT_EQ(highest.reseeds, 1);
    ASSERT_EQ(highest.asked.size(), 1u + 2 * 250);
    EXPECT_EQ(highest.asked.front(), 250);
    EXPECT_TRUE(std::all_of(highest.asked.begin() + 1, highest.asked.end(),
                            [](int n) { return n == 105; }));
}

TEST_F(DialogueTest, UndoRemovesTheLastLineOfTranscriptAndSessionThenRestarts) {
    openReady();
    say(u"привет"_s);
    window->controlStates().updateControls();
    controls().undoButton->click();

    EXPECT_EQ(transcript(), QStringList{u"Привет."_s});
    EXPECT_EQ(session(), QStringList{u"USER:     Привет."_s});
    EXPECT_TRUE(window->conversation().dialogueStartTimer().enabled());

    window->conversation().playDialogueStartAnimation();
    EXPECT_EQ(controls().transcript->lineCount(), 0);
    EXPECT_EQ(session(), QStringList{u"USER:     Привет."_s});
    window->controlStates().updateControls();
    EXPECT_FALSE(controls().undoButton->isEnabled());
}

TEST_F(DialogueTest, UndoTakesTheSessionsLastLineWhateverTheTranscriptShows) {
    openReady();
    controls().transcript->appendLine(u"строка, которой нет в сеансе"_s);
    window->conversation().undo();
    EXPECT_EQ(controls().transcript->lineCount(), 0);
    EXPECT_EQ(window->conversation().sessionLog().count(), 0);
}

TEST_F(DialogueTest, CtrlZUndoesOnlyWhileTheTranscriptHasLines) {
    openReady();
    QTest::keyClicks(controls().inputLine, u"abc"_s);
    window->controlStates().updateControls();
    QTest::keyClick(controls().inputLine, Qt::Key_Z, Qt::ControlModifier);
    // Neither the menu nor the input line's own undo.
    EXPECT_EQ(controls().inputLine->text(), u"abc"_s);
    EXPECT_FALSE(window->conversation().dialogueStartTimer().enabled());

    say(u"привет"_s);
    window->controlStates().updateControls();
    QTest::keyClick(controls().inputLine, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(session(), QStringList{u"USER:     Привет."_s});
    EXPECT_EQ(transcript(), QStringList{u"Привет."_s});
    EXPECT_TRUE(window->conversation().dialogueStartTimer().enabled());
}

TEST_F(DialogueTest, ANewDialogueStartsFromNothingButKeepsTheTurnState) {
    openReady();
    say(u"привет"_s);
    type(u"недописанная фраза"_s);
    const int keyClicks = window->sounds().keyClickSound.playRequests();
    menu().newDialogue->trigger();

    EXPECT_EQ(controls().transcript->lineCount(), 0);
    EXPECT_EQ(window->conversation().sessionLog().count(), 0);
    EXPECT_EQ(controls().inputLine->text(), QString());
    EXPECT_EQ(window->sounds().keyClickSound.playRequests(), keyClicks + 1);
    EXPECT_TRUE(window->conversation().dialogueStartTimer().enabled());
    EXPECT_TRUE(window->remarks().greetingTimer().enabled());
    EXPECT_FALSE(window->conversation().engine().state().previousReply.empty());
}

} // namespace
} // namespace besedka::test
