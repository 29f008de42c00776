// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_test.h"

#include <QCoreApplication>
#include <QMenuBar>

namespace besedka::test {
namespace {

// Full screen on the test platform's screen; the platform resizes the window when the events
// of the state change are handled.
class FullScreenTest : public WindowTest {
protected:
    void toggle() {
        menu().fullScreen->trigger();
        QCoreApplication::processEvents();
    }

    // The controls full screen moves, and the status bar.
    std::vector<QRect> layout() const {
        const std::vector<const QWidget*> moved = {
            controls().transcriptFrame, controls().transcript, controls().inputFrame,
            controls().inputLine,       controls().undoButton, controls().layoutButton,
            controls().sayButton,       controls().statusBar};
        std::vector<QRect> geometries;
        for (const QWidget* control : moved)
            geometries.push_back(control->geometry());
        return geometries;
    }
};

TEST_F(FullScreenTest, TheMaximisedLayoutKeepsItsOffsetsFromTheOuterSize) {
    openReady();
    const QSize normal = window->size();
    toggle();
    ASSERT_TRUE(window->isMaximized());
    EXPECT_TRUE(menu().fullScreen->isChecked());
    EXPECT_EQ(menu().fullScreen->text(), u"Normal"_s);
    const int w = window->frameGeometry().width();
    const int h = window->frameGeometry().height();
    ASSERT_GT(w, normal.width());
    ASSERT_GT(h, normal.height());

    EXPECT_EQ(controls().transcriptFrame->geometry(), QRect(0, 0, w - 4, h - 92));
    EXPECT_EQ(controls().transcript->geometry(), QRect(3, 5, w - 11, h - 101));
    EXPECT_EQ(controls().inputFrame->geometry(), QRect(0, h - 93, w - 5, 30));
    EXPECT_EQ(controls().inputLine->geometry(), QRect(3, 5, w - 167, 21));
    // The buttons touch each other, the input ends a pixel before them, and "Сказать" ends
    // seven pixels before the outer width.
    EXPECT_EQ(controls().undoButton->geometry().right() + 1, controls().layoutButton->x());
    EXPECT_EQ(controls().layoutButton->geometry().right() + 1, controls().sayButton->x());
    EXPECT_EQ(controls().inputLine->geometry().right() + 2, controls().undoButton->x());
    EXPECT_EQ(controls().sayButton->x() + controls().sayButton->width(), w - 7);

    // The status bar keeps to the bottom, the whole width.
    const QSize client = window->centralWidget()->size();
    EXPECT_EQ(controls().statusBar->geometry(), QRect(0, client.height() - 19, client.width(), 19));
    EXPECT_EQ(window->menuBar()->width(), window->width());
}

TEST_F(FullScreenTest, BackFromFullScreenIsTheInitialLayoutButAPixelTallerTranscript) {
    openReady();
    const QSize normal = window->size();
    std::vector<QRect> expected = layout();
    expected[1].setHeight(305);

    toggle();
    toggle();
    EXPECT_FALSE(window->isMaximized());
    EXPECT_FALSE(menu().fullScreen->isChecked());
    EXPECT_EQ(menu().fullScreen->text(), u"Full Screen"_s);
    EXPECT_EQ(window->size(), normal);
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    EXPECT_EQ(layout(), expected);
}

TEST_F(FullScreenTest, ANewDialogueKeepsTheFullScreenLayout) {
    openReady();
    toggle();
    const std::vector<QRect> maximised = layout();
    window->conversation().startNewDialogue();
    window->conversation().playDialogueStartAnimation();
    QCoreApplication::processEvents();
    EXPECT_TRUE(menu().fullScreen->isChecked());
    EXPECT_EQ(layout(), maximised);
}

} // namespace
} // namespace besedka::test
