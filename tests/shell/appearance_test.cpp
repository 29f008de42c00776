#include "modes/tform2.h"
#include "platform/qt/choosers.h"
#include "window_test.h"

#include <QCoreApplication>
#include <QTextBlock>
#include <functional>

namespace besedka {

void PrintTo(const FontSpec& font, std::ostream* out) {
    *out << font.name.toStdString() << ' ' << font.pointSize << (font.bold ? " bold" : "")
         << (font.italic ? " italic" : "") << (font.underline ? " underline" : "")
         << (font.strikeOut ? " strike-out" : "");
}

namespace test {
namespace {

const QColor kSilver(192, 192, 192);
const QColor kRed(200, 0, 0);
const QColor kGreen(0, 150, 0);
const QColor kBlue(0, 0, 220);

FontSpec regular(const QString& name, int size) {
    return {name, size};
}

FontSpec withStyle(FontSpec font, bool bold, bool italic, bool underline = false,
                   bool strikeOut = false) {
    font.bold = bold;
    font.italic = italic;
    font.underline = underline;
    font.strikeOut = strikeOut;
    return font;
}

// The settings answered through the choosers' test hook: no dialog opens.
class AppearanceTest : public WindowTest {
protected:
    QColor windowColour() const { return form->centralWidget()->palette().color(QPalette::Window); }
    QColor transcriptColour() const { return form->RE1->palette().color(QPalette::Base); }
    QColor inputColour() const { return form->Input->palette().color(QPalette::Base); }
    QColor inputTextColour() const { return form->Input->palette().color(QPalette::Text); }
    static QColor captionColour(const QPushButton* button) {
        return button->palette().color(QPalette::Active, QPalette::ButtonText);
    }

    // The colour and font a transcript line was drawn with.
    QTextCharFormat lineFormat(int paragraph) const {
        return form->RE1->document()->findBlockByNumber(paragraph).begin().fragment().charFormat();
    }

    ChooserAnswers answers;
};

TEST_F(AppearanceTest, TheThreeBackgroundCommandsShareOneColour) {
    openReady();
    answers.confirmColor(kRed);
    form->N6->trigger();
    EXPECT_EQ(windowColour(), kRed);

    answers.cancelColor();
    form->N21->trigger();
    EXPECT_EQ(transcriptColour(), kSilver);

    answers.confirmColor(kGreen);
    form->N16->trigger();
    EXPECT_EQ(inputColour(), kGreen);
    EXPECT_EQ(windowColour(), kRed);

    // Each opened showing the colour the one before had left.
    EXPECT_EQ(answers.colorsShown(), (QList<QColor>{Qt::black, kRed, kRed}));
    EXPECT_EQ(form->ColorDialog1.color(), kGreen);
}

TEST_F(AppearanceTest, ButtonCaptionsTakeThreeOpeningsEachConfirmedOrCancelledByItself) {
    openReady();
    const QColor speakBefore = captionColour(form->Speak);
    answers.cancelColor();
    answers.confirmColor(kGreen);
    answers.confirmColor(kBlue);
    form->N9->trigger();

    EXPECT_EQ(answers.colorsShown(), (QList<QColor>{Qt::black, Qt::black, kGreen}));
    EXPECT_EQ(captionColour(form->Speak), speakBefore);
    EXPECT_EQ(captionColour(form->Cancel), kGreen);
    EXPECT_EQ(captionColour(form->EnRus), kBlue);
    // A disabled button still looks disabled.
    EXPECT_EQ(form->Cancel->palette().color(QPalette::Disabled, QPalette::ButtonText),
              QColor(128, 128, 128));
}

TEST_F(AppearanceTest, LineColoursApplyToTheLinesWrittenAfterThem) {
    openReady();
    say(u"привет"_s);
    answers.confirmColor(kRed);
    form->User1->trigger();
    answers.confirmColor(kBlue);
    form->Cpu1->trigger();
    EXPECT_EQ(form->RE1->lineColor(), kBlue);
    say(u"привет, как дела"_s);

    EXPECT_EQ(lineFormat(0).foreground().color(), QColor(Qt::black));
    EXPECT_EQ(lineFormat(1).foreground().color(), QColor(Qt::black));
    EXPECT_EQ(lineFormat(2).foreground().color(), kRed);
    EXPECT_EQ(lineFormat(3).foreground().color(), kBlue);
    EXPECT_EQ(form->ColorDialog1.color(), QColor(Qt::black));
}

TEST_F(AppearanceTest, TheInputTextColourComesFromTheSharedChooser) {
    openReady();
    answers.confirmColor(kRed);
    form->N6Click();
    answers.confirmColor(kBlue);
    form->Mystring2Click();
    EXPECT_EQ(answers.colorsShown(), (QList<QColor>{Qt::black, kRed}));
    EXPECT_EQ(inputTextColour(), kBlue);
}

TEST_F(AppearanceTest, AConfirmedLineFontIsUsedWholeWithoutTheEffectsItDoesNotOffer) {
    openReady();
    answers.confirmFont(withStyle(regular(u"DejaVu Serif"_s, 14), true, false, true, true));
    form->User2->trigger();
    const FontSpec chosen = withStyle(regular(u"DejaVu Serif"_s, 14), true, false);
    EXPECT_EQ(form->FontDialog1.font(), chosen);
    EXPECT_EQ(form->RE1->lineFont(), chosen);

    say(u"привет"_s);
    EXPECT_EQ(lineFormat(0).fontFamilies().toStringList(), QStringList{u"DejaVu Serif"_s});
    EXPECT_EQ(lineFormat(0).fontPointSize(), 14);
    EXPECT_EQ(lineFormat(0).fontWeight(), QFont::Bold);
    EXPECT_FALSE(lineFormat(0).fontUnderline());
    EXPECT_EQ(lineFormat(1).fontPointSize(), 8);
}

TEST_F(AppearanceTest, ACancelledLineFontStillAppliesItsSizeAndStyleButNotItsName) {
    openReady();
    answers.confirmFont(withStyle(regular(u"DejaVu Serif"_s, 14), false, true));
    form->Cpu2Click();
    form->RE1->setLineFont(regular(u"Liberation Mono"_s, 20));

    answers.cancelFont();
    form->Cpu2Click();
    EXPECT_EQ(answers.fontsShown().last(), withStyle(regular(u"DejaVu Serif"_s, 14), false, true));
    EXPECT_EQ(form->RE1->lineFont(), withStyle(regular(u"Liberation Mono"_s, 14), false, true));
    EXPECT_EQ(form->FontDialog2.font(), withStyle(regular(u"DejaVu Serif"_s, 14), false, true));
}

TEST_F(AppearanceTest, TheInputFontTakesNameAndStyleButStaysAtEightPoints) {
    openReady();
    answers.confirmFont(withStyle(regular(u"DejaVu Serif"_s, 20), false, true, true));
    form->Mystring1->trigger();
    EXPECT_EQ(form->FontDialog3.font(),
              withStyle(regular(u"DejaVu Serif"_s, 8), false, true, true));
    EXPECT_EQ(form->Input->font().family(), u"DejaVu Serif"_s);
    EXPECT_EQ(form->Input->font().pointSize(), 8);
    EXPECT_TRUE(form->Input->font().italic());
    EXPECT_TRUE(form->Input->font().underline());

    form->Input->setFont(QFont(u"Liberation Mono"_s, 8, QFont::Bold));
    answers.cancelFont();
    form->Mystring1Click();
    EXPECT_EQ(form->Input->font().family(), u"Liberation Mono"_s);
    EXPECT_FALSE(form->Input->font().bold());
    EXPECT_TRUE(form->Input->font().italic());
}

TEST_F(AppearanceTest, EverySettingsCommandTakesTheResetMarkOffEvenWhenCancelled) {
    openReady();
    const std::pair<QAction*, const char*> commands[] = {{form->N6, "N6"},
                                                         {form->N21, "N21"},
                                                         {form->N16, "N16"},
                                                         {form->N9, "N9"},
                                                         {form->User1, "User1"},
                                                         {form->Cpu1, "Cpu1"},
                                                         {form->Mystring2, "Mystring2"},
                                                         {form->User2, "User2"},
                                                         {form->Cpu2, "Cpu2"},
                                                         {form->Mystring1, "Mystring1"}};
    for (const auto& [command, name] : commands) {
        form->N13->setChecked(true);
        command->trigger();
        EXPECT_FALSE(form->N13->isChecked()) << name;
    }
    // Nothing was confirmed, so nothing changed.
    EXPECT_EQ(windowColour(), kSilver);
    EXPECT_EQ(form->ColorDialog1.color(), QColor(Qt::black));
    EXPECT_EQ(answers.colorsShown().size(), 3 + 3 + 3);
    EXPECT_EQ(answers.fontsShown().size(), 3);
}

TEST_F(AppearanceTest, TheResetPutsTheInitialValuesBackWithABoldInput) {
    openReady();
    // Seven openings of the shared colour, then one of each line colour.
    for (int opening = 0; opening < 7; ++opening)
        answers.confirmColor(kRed);
    answers.confirmColor(kGreen);
    answers.confirmColor(kBlue);
    for (QAction* command :
         {form->N6, form->N21, form->N16, form->N9, form->Mystring2, form->User1, form->Cpu1})
        command->trigger();
    answers.confirmFont(withStyle(regular(u"DejaVu Serif"_s, 14), true, true));
    answers.confirmFont(withStyle(regular(u"DejaVu Serif"_s, 16), false, true));
    answers.confirmFont(withStyle(regular(u"Liberation Mono"_s, 8), false, true, false, true));
    for (QAction* command : {form->User2, form->Cpu2, form->Mystring1})
        command->trigger();
    form->Form2->Edit1->setText(u"/tmp/exchange.txt"_s);
    form->Form3->setOuterHeight(327);
    const QColor lineColour = form->RE1->lineColor();
    const FontSpec lineFont = form->RE1->lineFont();

    form->N13->trigger();
    EXPECT_EQ(windowColour(), kSilver);
    EXPECT_EQ(transcriptColour(), kSilver);
    EXPECT_EQ(inputColour(), kSilver);
    EXPECT_EQ(inputTextColour(), QColor(Qt::black));
    for (const QPushButton* button : {form->Speak, form->Cancel, form->EnRus})
        EXPECT_EQ(captionColour(button), QColor(Qt::black));
    for (const ColorChooser* chooser :
         {&form->ColorDialog1, &form->ColorDialog2, &form->ColorDialog3})
        EXPECT_EQ(chooser->color(), QColor(Qt::black));
    EXPECT_EQ(form->FontDialog1.font(), regular(u"MS Sans Serif"_s, 8));
    EXPECT_EQ(form->FontDialog2.font(), regular(u"MS Sans Serif"_s, 8));
    EXPECT_EQ(form->FontDialog3.font(),
              withStyle(regular(u"MS Sans Serif"_s, 8), false, true, false, true));

    // Bold, where the start was regular; the name and size stay.
    const QFont input = form->Input->font();
    EXPECT_TRUE(input.bold());
    EXPECT_FALSE(input.italic());
    EXPECT_FALSE(input.strikeOut());
    EXPECT_EQ(input.family(), u"Liberation Mono"_s);
    EXPECT_EQ(input.pointSize(), 8);

    EXPECT_EQ(form->Form2->Edit1->text(), u"D:\\Txt.Dat"_s);
    EXPECT_EQ(form->Form2->SpinEdit1->value(), 1000);
    EXPECT_EQ(form->Form3->outerHeight(), 179);
    // What the transcript draws next is the user's choice until the next line is written.
    EXPECT_EQ(form->RE1->lineColor(), lineColour);
    EXPECT_EQ(form->RE1->lineFont(), lineFont);
}

TEST_F(AppearanceTest, TheFirstResetChangesThePeriodAndSoLosesItsMarkTheSecondKeepsIt) {
    openReady();
    ASSERT_EQ(form->Form2->SpinEdit1->value(), 1);
    form->N13Click();
    EXPECT_EQ(form->Form2->SpinEdit1->value(), 1000);
    EXPECT_FALSE(form->N13->isChecked());

    form->N13Click();
    EXPECT_TRUE(form->N13->isChecked());

    // A click on the menu item turns its mark over before the reset runs.
    form->N13->trigger();
    EXPECT_TRUE(form->N13->isChecked());
}

TEST_F(AppearanceTest, TheResetLeavesFullScreenAlone) {
    openReady();
    form->N40Click();
    QCoreApplication::processEvents();
    const QRect transcript = form->RE1->geometry();
    form->N13Click();
    EXPECT_TRUE(form->N40->isChecked());
    EXPECT_EQ(form->RE1->geometry(), transcript);
}

// The choosers themselves, answered through the same hook.
class ChooserTest : public ::testing::Test {
protected:
    ChooserAnswers answers;
};

TEST_F(ChooserTest, AColourIsKeptOnlyWhenConfirmed) {
    ColorChooser chooser(Qt::black);
    answers.cancelColor();
    EXPECT_FALSE(chooser.execute(nullptr));
    EXPECT_EQ(chooser.color(), QColor(Qt::black));

    answers.confirmColor(kRed);
    EXPECT_TRUE(chooser.execute(nullptr));
    EXPECT_EQ(chooser.color(), kRed);

    // With no answer left the chooser is cancelled.
    EXPECT_FALSE(chooser.execute(nullptr));
    EXPECT_EQ(chooser.color(), kRed);
    EXPECT_EQ(answers.colorsShown(), (QList<QColor>{Qt::black, Qt::black, kRed}));
}

TEST_F(ChooserTest, AFontIsHeldToTheSizesAndEffectsItsChooserOffers) {
    FontChooser limited(regular(u"MS Sans Serif"_s, 8),
                        {.smallestSize = 8, .largestSize = 8, .effects = true});
    answers.confirmFont(withStyle(regular(u"DejaVu Sans"_s, 4), false, false, true, true));
    EXPECT_TRUE(limited.execute(nullptr));
    EXPECT_EQ(limited.font(), withStyle(regular(u"DejaVu Sans"_s, 8), false, false, true, true));

    FontChooser plain(withStyle(regular(u"MS Sans Serif"_s, 8), false, false, true, false),
                      {.effects = false});
    answers.confirmFont(withStyle(regular(u"DejaVu Sans"_s, 72), true, true, false, true));
    EXPECT_TRUE(plain.execute(nullptr));
    EXPECT_EQ(plain.font(), withStyle(regular(u"DejaVu Sans"_s, 72), true, true, true, false));

    answers.cancelFont();
    EXPECT_FALSE(plain.execute(nullptr));
    EXPECT_EQ(plain.font(), withStyle(regular(u"DejaVu Sans"_s, 72), true, true, true, false));
}

} // namespace
} // namespace test
} // namespace besedka
