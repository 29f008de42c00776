// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor_fields.h"
#include "modes/exchange_editor.h"
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
    QColor windowColour() const {
        return window->centralWidget()->palette().color(QPalette::Window);
    }
    QColor transcriptColour() const {
        return controls().transcript->palette().color(QPalette::Base);
    }
    QColor inputColour() const { return controls().inputLine->palette().color(QPalette::Base); }
    QColor inputTextColour() const { return controls().inputLine->palette().color(QPalette::Text); }
    static QColor captionColour(const QPushButton* button) {
        return button->palette().color(QPalette::Active, QPalette::ButtonText);
    }

    // The colour and font a transcript line was drawn with.
    QTextCharFormat lineFormat(int paragraph) const {
        return controls()
            .transcript->document()
            ->findBlockByNumber(paragraph)
            .begin()
            .fragment()
            .charFormat();
    }

    ChooserAnswers answers;
};

TEST_F(AppearanceTest, TheThreeBackgroundCommandsShareOneColour) {
    openReady();
    answers.confirmColor(kRed);
    menu().windowColor->trigger();
    EXPECT_EQ(windowColour(), kRed);

    answers.cancelColor();
    menu().transcriptColor->trigger();
    EXPECT_EQ(transcriptColour(), kSilver);

    answers.confirmColor(kGreen);
    menu().inputColor->trigger();
    EXPECT_EQ(inputColour(), kGreen);
    EXPECT_EQ(windowColour(), kRed);

    // Each opened showing the colour the one before had left.
    EXPECT_EQ(answers.colorsShown(), (QList<QColor>{Qt::black, kRed, kRed}));
    EXPECT_EQ(window->choosers().sharedColor.color(), kGreen);
}

TEST_F(AppearanceTest, ButtonCaptionsTakeThreeOpeningsEachConfirmedOrCancelledByItself) {
    openReady();
    const QColor speakBefore = captionColour(controls().sayButton);
    answers.cancelColor();
    answers.confirmColor(kGreen);
    answers.confirmColor(kBlue);
    menu().buttonTextColor->trigger();

    EXPECT_EQ(answers.colorsShown(), (QList<QColor>{Qt::black, Qt::black, kGreen}));
    EXPECT_EQ(captionColour(controls().sayButton), speakBefore);
    EXPECT_EQ(captionColour(controls().undoButton), kGreen);
    EXPECT_EQ(captionColour(controls().layoutButton), kBlue);
    // A disabled button still looks disabled.
    EXPECT_EQ(controls().undoButton->palette().color(QPalette::Disabled, QPalette::ButtonText),
              QColor(128, 128, 128));
}

TEST_F(AppearanceTest, LineColoursApplyToTheLinesWrittenAfterThem) {
    openReady();
    say(u"привет"_s);
    answers.confirmColor(kRed);
    menu().userLineColor->trigger();
    answers.confirmColor(kBlue);
    menu().systemLineColor->trigger();
    EXPECT_EQ(controls().transcript->lineColor(), kBlue);
    say(u"привет, как дела"_s);

    EXPECT_EQ(lineFormat(0).foreground().color(), QColor(Qt::black));
    EXPECT_EQ(lineFormat(1).foreground().color(), QColor(Qt::black));
    EXPECT_EQ(lineFormat(2).foreground().color(), kRed);
    EXPECT_EQ(lineFormat(3).foreground().color(), kBlue);
    EXPECT_EQ(window->choosers().sharedColor.color(), QColor(Qt::black));
}

TEST_F(AppearanceTest, TheInputTextColourComesFromTheSharedChooser) {
    openReady();
    answers.confirmColor(kRed);
    window->appearance().chooseWindowColor();
    answers.confirmColor(kBlue);
    window->appearance().chooseInputTextColor();
    EXPECT_EQ(answers.colorsShown(), (QList<QColor>{Qt::black, kRed}));
    EXPECT_EQ(inputTextColour(), kBlue);
}

TEST_F(AppearanceTest, AConfirmedLineFontIsUsedWholeWithoutTheEffectsItDoesNotOffer) {
    openReady();
    answers.confirmFont(withStyle(regular(u"DejaVu Serif"_s, 14), true, false, true, true));
    menu().userLineFont->trigger();
    const FontSpec chosen = withStyle(regular(u"DejaVu Serif"_s, 14), true, false);
    EXPECT_EQ(window->choosers().userLineFont.font(), chosen);
    EXPECT_EQ(controls().transcript->lineFont(), chosen);

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
    window->appearance().chooseSystemLineFont();
    controls().transcript->setLineFont(regular(u"Liberation Mono"_s, 20));

    answers.cancelFont();
    window->appearance().chooseSystemLineFont();
    EXPECT_EQ(answers.fontsShown().last(), withStyle(regular(u"DejaVu Serif"_s, 14), false, true));
    EXPECT_EQ(controls().transcript->lineFont(),
              withStyle(regular(u"Liberation Mono"_s, 14), false, true));
    EXPECT_EQ(window->choosers().systemLineFont.font(),
              withStyle(regular(u"DejaVu Serif"_s, 14), false, true));
}

TEST_F(AppearanceTest, TheInputFontTakesNameAndStyleButStaysAtEightPoints) {
    openReady();
    answers.confirmFont(withStyle(regular(u"DejaVu Serif"_s, 20), false, true, true));
    menu().inputFont->trigger();
    EXPECT_EQ(window->choosers().inputFont.font(),
              withStyle(regular(u"DejaVu Serif"_s, 8), false, true, true));
    EXPECT_EQ(controls().inputLine->font().family(), u"DejaVu Serif"_s);
    EXPECT_EQ(controls().inputLine->font().pointSize(), 8);
    EXPECT_TRUE(controls().inputLine->font().italic());
    EXPECT_TRUE(controls().inputLine->font().underline());

    controls().inputLine->setFont(QFont(u"Liberation Mono"_s, 8, QFont::Bold));
    answers.cancelFont();
    window->appearance().chooseInputFont();
    EXPECT_EQ(controls().inputLine->font().family(), u"Liberation Mono"_s);
    EXPECT_FALSE(controls().inputLine->font().bold());
    EXPECT_TRUE(controls().inputLine->font().italic());
}

TEST_F(AppearanceTest, EverySettingsCommandTakesTheResetMarkOffEvenWhenCancelled) {
    openReady();
    const std::pair<QAction*, const char*> commands[] = {
        {menu().windowColor, "window colour"},
        {menu().transcriptColor, "transcript colour"},
        {menu().inputColor, "input colour"},
        {menu().buttonTextColor, "button text colour"},
        {menu().userLineColor, "user line colour"},
        {menu().systemLineColor, "system line colour"},
        {menu().inputTextColor, "input text colour"},
        {menu().userLineFont, "user line font"},
        {menu().systemLineFont, "system line font"},
        {menu().inputFont, "input font"}};
    for (const auto& [command, name] : commands) {
        menu().resetSettings->setChecked(true);
        command->trigger();
        EXPECT_FALSE(menu().resetSettings->isChecked()) << name;
    }
    // Nothing was confirmed, so nothing changed.
    EXPECT_EQ(windowColour(), kSilver);
    EXPECT_EQ(window->choosers().sharedColor.color(), QColor(Qt::black));
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
         {menu().windowColor, menu().transcriptColor, menu().inputColor, menu().buttonTextColor,
          menu().inputTextColor, menu().userLineColor, menu().systemLineColor})
        command->trigger();
    answers.confirmFont(withStyle(regular(u"DejaVu Serif"_s, 14), true, true));
    answers.confirmFont(withStyle(regular(u"DejaVu Serif"_s, 16), false, true));
    answers.confirmFont(withStyle(regular(u"Liberation Mono"_s, 8), false, true, false, true));
    for (QAction* command : {menu().userLineFont, menu().systemLineFont, menu().inputFont})
        command->trigger();
    menu().openEditor->trigger();
    pathEdit(window->exchangeMode().editor())->setText(u"/tmp/exchange.txt"_s);
    okButton(window->exchangeMode().editor())->click();
    window->aboutWindow().setOuterHeight(327);
    const QColor lineColour = controls().transcript->lineColor();
    const FontSpec lineFont = controls().transcript->lineFont();

    menu().resetSettings->trigger();
    EXPECT_EQ(windowColour(), kSilver);
    EXPECT_EQ(transcriptColour(), kSilver);
    EXPECT_EQ(inputColour(), kSilver);
    EXPECT_EQ(inputTextColour(), QColor(Qt::black));
    for (const QPushButton* button :
         {controls().sayButton, controls().undoButton, controls().layoutButton})
        EXPECT_EQ(captionColour(button), QColor(Qt::black));
    for (const ColorChooser* chooser :
         {&window->choosers().sharedColor, &window->choosers().userLineColor,
          &window->choosers().systemLineColor})
        EXPECT_EQ(chooser->color(), QColor(Qt::black));
    EXPECT_EQ(window->choosers().userLineFont.font(), regular(u"MS Sans Serif"_s, 8));
    EXPECT_EQ(window->choosers().systemLineFont.font(), regular(u"MS Sans Serif"_s, 8));
    EXPECT_EQ(window->choosers().inputFont.font(),
              withStyle(regular(u"MS Sans Serif"_s, 8), false, true, false, true));

    // Bold, where the start was regular; the name and size stay.
    const QFont input = controls().inputLine->font();
    EXPECT_TRUE(input.bold());
    EXPECT_FALSE(input.italic());
    EXPECT_FALSE(input.strikeOut());
    EXPECT_EQ(input.family(), u"Liberation Mono"_s);
    EXPECT_EQ(input.pointSize(), 8);

    EXPECT_EQ(window->exchangeMode().editor().settings().path, u"D:\\Txt.Dat"_s);
    EXPECT_EQ(window->exchangeMode().editor().settings().periodMs, 1000);
    EXPECT_EQ(window->aboutWindow().outerHeight(), 179);
    // What the transcript draws next is the user's choice until the next line is written.
    EXPECT_EQ(controls().transcript->lineColor(), lineColour);
    EXPECT_EQ(controls().transcript->lineFont(), lineFont);
}

TEST_F(AppearanceTest, TheFirstResetChangesThePeriodAndSoLosesItsMarkTheSecondKeepsIt) {
    openReady();
    ASSERT_EQ(window->exchangeMode().editor().settings().periodMs, 1);
    window->appearance().resetSettings();
    EXPECT_EQ(window->exchangeMode().editor().settings().periodMs, 1000);
    EXPECT_FALSE(menu().resetSettings->isChecked());

    window->appearance().resetSettings();
    EXPECT_TRUE(menu().resetSettings->isChecked());

    // A click on the menu item turns its mark over before the reset runs.
    menu().resetSettings->trigger();
    EXPECT_TRUE(menu().resetSettings->isChecked());
}

TEST_F(AppearanceTest, TheResetLeavesFullScreenAlone) {
    openReady();
    window->fullScreen().toggleFullScreen();
    QCoreApplication::processEvents();
    const QRect transcript = controls().transcript->geometry();
    window->appearance().resetSettings();
    EXPECT_TRUE(menu().fullScreen->isChecked());
    EXPECT_EQ(controls().transcript->geometry(), transcript);
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
