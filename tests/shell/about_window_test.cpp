#include "platform/core/file_error.h"
#include "window_test.h"

#include <QCloseEvent>
#include <QCoreApplication>

namespace besedka::test {
namespace {

class AboutWindowTest : public WindowTest {
protected:
    AboutWindowTest() {
        folder.writeLines("ReadMe.Txt", {"БЕСЕДКА, версия 2.4.0", "", "Пишите просто."});
    }

    TForm3& about() { return windows->form3(); }
};

TEST_F(AboutWindowTest, IsCreatedHiddenWithItsPictureAndVersion) {
    open();
    ASSERT_EQ(form->Form3, &about());
    EXPECT_FALSE(about().isVisible());
    EXPECT_EQ(about().windowTitle(), u"О программе"_s);
    EXPECT_FALSE(about().windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(about().windowFlags() & Qt::WindowSystemMenuHint);
    EXPECT_EQ(about().size(), QSize(377, 152));

    // The picture at its own size from the top-left corner of its box.
    EXPECT_EQ(about().Inform->pixmap().size(), QSize(2, 2));
    EXPECT_EQ(about().Inform->size(), QSize(179, 141));
    EXPECT_EQ(about().Inform->alignment(), Qt::AlignLeft | Qt::AlignTop);
    EXPECT_FALSE(about().Inform->hasScaledContents());

    EXPECT_EQ(about().Label1->text(), u"ВЕРСИЯ: 2.4.0."_s);
    const QFont version = about().Label1->font();
    EXPECT_EQ(version.family(), u"Arial Black"_s);
    EXPECT_EQ(version.pixelSize(), 29);
    EXPECT_TRUE(version.bold());
    EXPECT_TRUE(version.underline());
    EXPECT_EQ(about().Label1->palette().color(QPalette::WindowText), QColor(Qt::white));
    EXPECT_EQ(about().Button1->text(), u"История"_s);
    EXPECT_EQ(about().Button2->text(), u"Закрыть"_s);
    EXPECT_TRUE(about().Memo1->toPlainText().isEmpty());
    EXPECT_TRUE(about().Memo1->isReadOnly());
    EXPECT_TRUE(boxes.texts().isEmpty());
}

TEST_F(AboutWindowTest, OpeningShowsItFoldedAndHoldsTheMainWindow) {
    openReady();
    form->N12->trigger();
    EXPECT_TRUE(about().isVisible());
    EXPECT_TRUE(about().isEnabled());
    EXPECT_EQ(about().outerHeight(), 179);
    EXPECT_EQ(about().height(), 153);
    EXPECT_FALSE(form->T1.enabled());
    EXPECT_FALSE(form->isEnabled());

    about().Button2->click();
    EXPECT_FALSE(about().isVisible());
    EXPECT_TRUE(form->T1.enabled());
    EXPECT_TRUE(form->isEnabled());
}

TEST_F(AboutWindowTest, HistoryPressesUnfoldAndFoldReloadingTheFileEachTime) {
    openReady();
    form->N12Click();

    about().Button1->click();
    EXPECT_EQ(about().outerHeight(), 327);
    EXPECT_EQ(about().height(), 301);
    EXPECT_EQ(about().Memo1->toPlainText(), u"БЕСЕДКА, версия 2.4.0\n\nПишите просто."_s);

    folder.writeLines("ReadMe.Txt", {"Вторая редакция."});
    about().Button1->click();
    EXPECT_EQ(about().outerHeight(), 179);
    EXPECT_EQ(about().Memo1->toPlainText(), u"Вторая редакция."_s);

    about().Button1->click();
    EXPECT_EQ(about().outerHeight(), 327);
    EXPECT_TRUE(boxes.texts().isEmpty());
}

TEST_F(AboutWindowTest, ReopeningAfterClosingUnfoldedStartsFoldedWithTheTextKept) {
    openReady();
    form->N12Click();
    about().Button1Click();
    about().Button2Click();

    form->N12Click();
    EXPECT_EQ(about().outerHeight(), 179);
    EXPECT_EQ(about().Memo1->toPlainText(), u"БЕСЕДКА, версия 2.4.0\n\nПишите просто."_s);
    about().Button1Click();
    EXPECT_EQ(about().outerHeight(), 327);
}

TEST_F(AboutWindowTest, AMissingHistoryIsReportedAndChangesNothing) {
    openReady();
    form->N12Click();
    about().Button1Click();
    folder.remove("ReadMe.Txt");

    about().Button1->click();
    EXPECT_EQ(boxes.texts(), QStringList{u"Cannot open file ReadMe.Txt"_s});
    EXPECT_EQ(about().outerHeight(), 327);
    EXPECT_EQ(about().Memo1->toPlainText(), u"БЕСЕДКА, версия 2.4.0\n\nПишите просто."_s);
    EXPECT_TRUE(about().isVisible());
}

TEST_F(AboutWindowTest, AMissingPictureIsReportedAndStartUpGoesOn) {
    folder.remove("Images/Inform.bmp");
    openReady();
    EXPECT_EQ(boxes.texts(), QStringList{u"Cannot open file Images\\Inform.bmp"_s});
    EXPECT_TRUE(about().Inform->pixmap().isNull());
    EXPECT_TRUE(form->isVisible());

    form->N12Click();
    about().Button1Click();
    EXPECT_EQ(about().outerHeight(), 327);
}

TEST_F(AboutWindowTest, AFileThatIsNoPictureIsReportedToo) {
    folder.write("Images/Inform.bmp", "not a picture");
    open();
    EXPECT_EQ(boxes.texts(), QStringList{u"Cannot open file Images\\Inform.bmp"_s});
}

TEST_F(AboutWindowTest, ClosingItFromTheDesktopIsClosingItWithItsButton) {
    openReady();
    form->N12Click();
    QCloseEvent close;
    QCoreApplication::sendEvent(&about(), &close);
    EXPECT_FALSE(about().isVisible());
    EXPECT_TRUE(form->isEnabled());
    EXPECT_TRUE(form->T1.enabled());
}

} // namespace
} // namespace besedka::test
