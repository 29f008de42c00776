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
        form->N40->trigger();
        QCoreApplication::processEvents();
    }

    // The controls full screen moves, and the status bar.
    std::vector<QRect> layout() const {
        const std::vector<const QWidget*> controls = {
            form->TabControl1, form->RE1,   form->TabControl2, form->Input,
            form->Cancel,      form->EnRus, form->Speak,       form->SB1};
        std::vector<QRect> geometries;
        for (const QWidget* control : controls)
            geometries.push_back(control->geometry());
        return geometries;
    }
};

TEST_F(FullScreenTest, TheMaximisedLayoutKeepsItsOffsetsFromTheOuterSize) {
    openReady();
    const QSize normal = form->size();
    toggle();
    ASSERT_TRUE(form->isMaximized());
    EXPECT_TRUE(form->N40->isChecked());
    EXPECT_EQ(form->N40->text(), u"Normal"_s);
    const int w = form->frameGeometry().width();
    const int h = form->frameGeometry().height();
    ASSERT_GT(w, normal.width());
    ASSERT_GT(h, normal.height());

    EXPECT_EQ(form->TabControl1->geometry(), QRect(0, 0, w - 4, h - 92));
    EXPECT_EQ(form->RE1->geometry(), QRect(3, 5, w - 11, h - 101));
    EXPECT_EQ(form->TabControl2->geometry(), QRect(0, h - 93, w - 5, 30));
    EXPECT_EQ(form->Input->geometry(), QRect(3, 5, w - 167, 21));
    // The buttons touch each other, the input ends a pixel before them, and "Сказать" ends
    // seven pixels before the outer width.
    EXPECT_EQ(form->Cancel->geometry().right() + 1, form->EnRus->x());
    EXPECT_EQ(form->EnRus->geometry().right() + 1, form->Speak->x());
    EXPECT_EQ(form->Input->geometry().right() + 2, form->Cancel->x());
    EXPECT_EQ(form->Speak->x() + form->Speak->width(), w - 7);

    // The status bar keeps to the bottom, the whole width.
    const QSize client = form->centralWidget()->size();
    EXPECT_EQ(form->SB1->geometry(), QRect(0, client.height() - 19, client.width(), 19));
    EXPECT_EQ(form->menuBar()->width(), form->width());
}

TEST_F(FullScreenTest, BackFromFullScreenIsTheInitialLayoutButAPixelTallerTranscript) {
    openReady();
    const QSize normal = form->size();
    std::vector<QRect> expected = layout();
    expected[1].setHeight(305);

    toggle();
    toggle();
    EXPECT_FALSE(form->isMaximized());
    EXPECT_FALSE(form->N40->isChecked());
    EXPECT_EQ(form->N40->text(), u"Full Screen"_s);
    EXPECT_EQ(form->size(), normal);
    EXPECT_EQ(form->minimumSize(), form->maximumSize());
    EXPECT_EQ(layout(), expected);
}

TEST_F(FullScreenTest, ANewDialogueKeepsTheFullScreenLayout) {
    openReady();
    toggle();
    const std::vector<QRect> maximised = layout();
    form->N2Click();
    form->T7Timer();
    QCoreApplication::processEvents();
    EXPECT_TRUE(form->N40->isChecked());
    EXPECT_EQ(layout(), maximised);
}

} // namespace
} // namespace besedka::test
