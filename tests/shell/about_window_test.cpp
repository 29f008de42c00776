// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/file_error.h"
#include "window_test.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QScreen>

namespace besedka::test {
namespace {

class AboutWindowTest : public WindowTest {
protected:
    AboutWindowTest() {
        folder.writeLines("ReadMe.Txt", {"БЕСЕДКА, версия 2.4.0", "", "Пишите просто."});
    }

    AboutWindow& about() { return window->aboutWindow(); }
};

TEST_F(AboutWindowTest, IsCreatedHiddenWithItsPictureAndVersion) {
    open();
    ASSERT_TRUE(about().isWindow());
    EXPECT_FALSE(about().isVisible());
    EXPECT_EQ(about().windowTitle(), u"О программе"_s);
    EXPECT_FALSE(about().windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(about().windowFlags() & Qt::WindowSystemMenuHint);
    EXPECT_EQ(about().size(), QSize(377, 152));

    // The picture at its own size from the top-left corner of its box.
    EXPECT_EQ(about().picture->pixmap().size(), QSize(2, 2));
    EXPECT_EQ(about().picture->size(), QSize(179, 141));
    EXPECT_EQ(about().picture->alignment(), Qt::AlignLeft | Qt::AlignTop);
    EXPECT_FALSE(about().picture->hasScaledContents());

    EXPECT_EQ(about().versionLabel->text(), u"ВЕРСИЯ: 2.4.0."_s);
    const QFont version = about().versionLabel->font();
    EXPECT_EQ(version.family(), u"Arial Black"_s);
    EXPECT_EQ(version.pixelSize(), 29);
    EXPECT_TRUE(version.bold());
    EXPECT_TRUE(version.underline());
    EXPECT_EQ(about().versionLabel->palette().color(QPalette::WindowText), QColor(Qt::white));
    EXPECT_EQ(about().historyButton->text(), u"История"_s);
    EXPECT_EQ(about().closeButton->text(), u"Закрыть"_s);
    EXPECT_TRUE(about().historyView->toPlainText().isEmpty());
    EXPECT_TRUE(about().historyView->isReadOnly());
    EXPECT_TRUE(boxes.texts().isEmpty());
}

TEST_F(AboutWindowTest, OpeningShowsItFoldedAndHoldsTheMainWindow) {
    openReady();
    menu().about->trigger();
    EXPECT_TRUE(about().isVisible());
    EXPECT_TRUE(about().isEnabled());
    EXPECT_EQ(about().outerHeight(), 179);
    EXPECT_EQ(about().height(), 153);
    // Centred by its outer size, the title bar counted in.
    const QRect outer(about().pos(), QSize(about().width(), about().outerHeight()));
    EXPECT_EQ(outer.center(), about().screen()->geometry().center());
    EXPECT_FALSE(window->controlStates().controlStateTimer().enabled());
    EXPECT_FALSE(window->isEnabled());

    about().closeButton->click();
    EXPECT_FALSE(about().isVisible());
    EXPECT_TRUE(window->controlStates().controlStateTimer().enabled());
    EXPECT_TRUE(window->isEnabled());
}

TEST_F(AboutWindowTest, HistoryPressesUnfoldAndFoldReloadingTheFileEachTime) {
    openReady();
    about().open();

    about().historyButton->click();
    EXPECT_EQ(about().outerHeight(), 327);
    EXPECT_EQ(about().height(), 301);
    EXPECT_EQ(about().historyView->toPlainText(), u"БЕСЕДКА, версия 2.4.0\n\nПишите просто."_s);

    folder.writeLines("ReadMe.Txt", {"Вторая редакция."});
    about().historyButton->click();
    EXPECT_EQ(about().outerHeight(), 179);
    EXPECT_EQ(about().historyView->toPlainText(), u"Вторая редакция."_s);

    about().historyButton->click();
    EXPECT_EQ(about().outerHeight(), 327);
    EXPECT_TRUE(boxes.texts().isEmpty());
}

TEST_F(AboutWindowTest, ReopeningAfterClosingUnfoldedStartsFoldedWithTheTextKept) {
    openReady();
    about().open();
    about().toggleHistory();
    about().dismiss();

    about().open();
    EXPECT_EQ(about().outerHeight(), 179);
    EXPECT_EQ(about().historyView->toPlainText(), u"БЕСЕДКА, версия 2.4.0\n\nПишите просто."_s);
    about().toggleHistory();
    EXPECT_EQ(about().outerHeight(), 327);
}

TEST_F(AboutWindowTest, AMissingHistoryIsReportedAndChangesNothing) {
    openReady();
    about().open();
    about().toggleHistory();
    folder.remove("ReadMe.Txt");

    about().historyButton->click();
    EXPECT_EQ(boxes.texts(), QStringList{u"Cannot open file ReadMe.Txt"_s});
    EXPECT_EQ(about().outerHeight(), 327);
    EXPECT_EQ(about().historyView->toPlainText(), u"БЕСЕДКА, версия 2.4.0\n\nПишите просто."_s);
    EXPECT_TRUE(about().isVisible());
}

TEST_F(AboutWindowTest, AMissingPictureIsReportedAndStartUpGoesOn) {
    folder.remove("Images/Inform.bmp");
    openReady();
    EXPECT_EQ(boxes.texts(), QStringList{u"Cannot open file Images\\Inform.bmp"_s});
    EXPECT_TRUE(about().picture->pixmap().isNull());
    EXPECT_TRUE(window->isVisible());

    about().open();
    about().toggleHistory();
    EXPECT_EQ(about().outerHeight(), 327);
}

TEST_F(AboutWindowTest, AFileThatIsNoPictureIsReportedToo) {
    folder.write("Images/Inform.bmp", "not a picture");
    open();
    EXPECT_EQ(boxes.texts(), QStringList{u"Cannot open file Images\\Inform.bmp"_s});
}

TEST_F(AboutWindowTest, ClosingItFromTheDesktopIsClosingItWithItsButton) {
    openReady();
    about().open();
    QCloseEvent close;
    QCoreApplication::sendEvent(&about(), &close);
    EXPECT_FALSE(about().isVisible());
    EXPECT_TRUE(window->isEnabled());
    EXPECT_TRUE(window->controlStates().controlStateTimer().enabled());
}

} // namespace
} // namespace besedka::test
