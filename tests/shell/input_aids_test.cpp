#include "platform/core/file_error.h"
#include "window_test.h"

#include <QTest>

namespace besedka::test {
namespace {

using GuardTest = WindowTest;

// Ticks the guard once per character: one full pass over the line as it stands.
void tickOnePass(TForm1& form) {
    for (qsizetype i = 0; i < form.Input->text().size(); ++i)
        form.T5Timer();
}

TEST_F(GuardTest, AReservedCharacterIsFoundWithinOnePassAndTheTranscriptStaysDisabled) {
    for (const QString& reserved : {u"^"_s, u"_"_s, u";"_s, u"@"_s}) {
        openReady();
        type(u"привет"_s + reserved);
        for (int tick = 0; tick < 6; ++tick)
            form->T5Timer();
        EXPECT_EQ(form->Input->text(), u"привет"_s + reserved);
        EXPECT_TRUE(form->RE1->isEnabled());

        const int keyClicks = form->MP1.playRequests();
        form->T5Timer();
        EXPECT_EQ(form->Input->text(), QString()) << reserved.toStdString();
        EXPECT_FALSE(form->RE1->isEnabled());
        EXPECT_EQ(form->MP1.playRequests(), keyClicks + 1);

        type(u"снова"_s);
        tickOnePass(*form);
        tickOnePass(*form);
        EXPECT_EQ(form->Input->text(), u"снова"_s);
        EXPECT_FALSE(form->RE1->isEnabled());
        say(u"привет"_s);
        EXPECT_EQ(transcript().last(), u"Привет, человек!"_s);
    }
}

TEST_F(GuardTest, AShorterTextIsScannedAgainFromItsFirstCharacter) {
    openReady();
    type(u"абвгд"_s);
    for (int tick = 0; tick < 4; ++tick)
        form->T5Timer();
    EXPECT_EQ(form->ScanPosition, 4);
    type(u"@б"_s);
    form->T5Timer();
    EXPECT_EQ(form->Input->text(), QString());
}

TEST_F(GuardTest, ALineWithoutReservedCharactersIsScannedOverAndOverUnchanged) {
    openReady();
    form->T5Timer();
    EXPECT_EQ(form->ScanPosition, 0);
    type(u"как дела? 100% - ok!"_s);
    const int keyClicks = form->MP1.playRequests();
    for (int pass = 0; pass < 3; ++pass) {
        tickOnePass(*form);
        EXPECT_EQ(form->ScanPosition, 0);
    }
    form->T5Timer();
    EXPECT_EQ(form->ScanPosition, 1);
    EXPECT_EQ(form->Input->text(), u"как дела? 100% - ok!"_s);
    EXPECT_EQ(form->MP1.playRequests(), keyClicks);
    EXPECT_TRUE(form->RE1->isEnabled());
}

using LayoutTest = WindowTest;

TEST_F(LayoutTest, TheButtonConvertsTheLineInOnePassWithOneChangeReaction) {
    openReady();
    type(u"<jkmijq"_s);
    const int keyClicks = form->MP1.playRequests();
    form->EnRus->click();
    EXPECT_EQ(form->Input->text(), u"большой"_s);
    EXPECT_EQ(form->MP3.playRequests(), 1);
    EXPECT_EQ(form->MP1.playRequests(), keyClicks + 1);

    type(u"a|b/c"_s);
    form->EnRus->click();
    EXPECT_EQ(form->Input->text(), u"ф/и.с"_s);
    form->EnRus->click();
    EXPECT_EQ(form->Input->text(), u"ф.и.с"_s);
}

TEST_F(LayoutTest, NothingToConvertPlaysTheSoundButChangesNothing) {
    openReady();
    type(u"уже по-русски 123"_s);
    const int keyClicks = form->MP1.playRequests();
    form->EnRus->click();
    EXPECT_EQ(form->Input->text(), u"уже по-русски 123"_s);
    EXPECT_EQ(form->MP3.playRequests(), 1);
    EXPECT_EQ(form->MP1.playRequests(), keyClicks);

    // Characters without a Windows-1251 form are left alone, not spoiled.
    type(u"ghbdtn ✓ 日本"_s);
    form->EnRus->click();
    EXPECT_EQ(form->Input->text(), u"привет ✓ 日本"_s);
}

TEST_F(LayoutTest, CtrlSConvertsOnlyWhileTheButtonIsEnabled) {
    open();
    form->Input->setText(u"ghbdtn"_s);
    form->Input->setFocus();
    QTest::keyClick(form->Input, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(form->Input->text(), u"ghbdtn"_s);
    EXPECT_EQ(form->MP3.playRequests(), 0);

    form->T1Timer();
    QTest::keyClick(form->Input, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(form->Input->text(), u"привет"_s);
    EXPECT_EQ(form->MP3.playRequests(), 1);
}

TEST_F(LayoutTest, ADollarBecomesASemicolonThatTheGuardThenEmpties) {
    openReady();
    type(u"$"_s);
    form->EnRus->click();
    EXPECT_EQ(form->Input->text(), u";"_s);
    form->T5Timer();
    EXPECT_EQ(form->Input->text(), QString());
    EXPECT_FALSE(form->RE1->isEnabled());
}

class SpeedWordWindowTest : public WindowTest {
protected:
    SpeedWordWindowTest() {
        folder.writeLines("Base/dictionary.dat", {"привет", "приветствие", "пример"});
    }

    // Ready, Speed Word switched on and its first check made on the empty line.
    void openWithSpeedWord() {
        openReady();
        form->N24->trigger();
        form->T11Timer();
    }
    // Types the text, lets Speed Word check it and the window update its commands.
    QString offerFor(const QString& text) {
        type(text);
        return check();
    }
    QString check() {
        form->T11Timer();
        form->T1Timer();
        return panel();
    }
    QString panel() const { return form->SB1->panelText(0); }
    void press(Qt::Key key) { QTest::keyClick(form->Input, key); }
};

TEST_F(SpeedWordWindowTest, TheFirstCheckAtStartShowsNoneAndStops) {
    open();
    EXPECT_TRUE(form->T11.enabled());
    form->T11Timer();
    EXPECT_EQ(panel(), u"[NONE]"_s);
    EXPECT_FALSE(form->T11.enabled());
    // Off, the change reaction keeps the check stopped.
    type(u"при"_s);
    EXPECT_FALSE(form->T11.enabled());
}

TEST_F(SpeedWordWindowTest, TheSwitchLoadsTheDictionaryEachTime) {
    openReady();
    form->N24->trigger();
    EXPECT_TRUE(form->N24->isChecked());
    EXPECT_EQ(panel(), u"[NONE]"_s);
    EXPECT_TRUE(form->T11.enabled());
    EXPECT_EQ(form->SpeedWord.count(), 3);

    folder.writeLines("Base/dictionary.dat", {"пример"});
    form->N24->trigger();
    EXPECT_FALSE(form->N24->isChecked());
    EXPECT_EQ(panel(), u"Загрузка окончена"_s);
    EXPECT_FALSE(form->T11.enabled());
    EXPECT_EQ(form->SpeedWord.count(), 1);
    EXPECT_TRUE(boxes.texts().isEmpty());
}

TEST_F(SpeedWordWindowTest, AMissingDictionaryLeavesTheSwitchAsItWas) {
    openWithSpeedWord();
    folder.remove("Base/dictionary.dat");
    form->N24->trigger();
    EXPECT_EQ(boxes.texts(), QStringList{u"Cannot open file Base\\dictionary.dat"_s});
    EXPECT_TRUE(form->N24->isChecked());
    EXPECT_EQ(panel(), u"[NONE]"_s);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    // Back in place, the file switches as before.
    folder.writeLines("Base/dictionary.dat", {"пример"});
    form->N24->trigger();
    EXPECT_FALSE(form->N24->isChecked());
    EXPECT_EQ(panel(), u"Загрузка окончена"_s);
}

TEST_F(SpeedWordWindowTest, F5CompletesTheWordThenOffersTheNextEntry) {
    openWithSpeedWord();
    EXPECT_EQ(offerFor(u"при"_s), u"привет"_s);
    EXPECT_TRUE(form->N23->isEnabled());
    press(Qt::Key_F5);
    EXPECT_EQ(form->Input->text(), u"привет"_s);
    EXPECT_TRUE(form->T11.enabled());
    EXPECT_EQ(check(), u"привет"_s);

    const int keyClicks = form->MP1.playRequests();
    press(Qt::Key_F5);
    EXPECT_EQ(form->Input->text(), u"привет"_s);
    EXPECT_EQ(form->MP1.playRequests(), keyClicks);
    EXPECT_EQ(check(), u"приветствие"_s);
    press(Qt::Key_F5);
    EXPECT_EQ(form->Input->text(), u"приветствие"_s);
}

TEST_F(SpeedWordWindowTest, TheTypedPartKeepsItsCaseAndTheCompletionIsLowerCase) {
    folder.writeLines("Base/dictionary.dat", {"ПРИВЕТСТВИЕ"});
    openWithSpeedWord();
    EXPECT_EQ(offerFor(u"как дела, Прив"_s), u"ПРИВЕТСТВИЕ"_s);
    press(Qt::Key_F5);
    EXPECT_EQ(form->Input->text(), u"как дела, Приветствие"_s);
}

TEST_F(SpeedWordWindowTest, UpAndDownStepThroughTheOffersAndStillReachTheLine) {
    openWithSpeedWord();
    EXPECT_EQ(offerFor(u"при"_s), u"привет"_s);
    press(Qt::Key_Down);
    // The filter shows the stepped-to entry at once; the check then passes over it.
    EXPECT_EQ(panel(), u"приветствие"_s);
    EXPECT_TRUE(form->T11.enabled());
    EXPECT_EQ(check(), u"пример"_s);
    press(Qt::Key_Up);
    EXPECT_EQ(check(), u"приветствие"_s);
    press(Qt::Key_Up);
    EXPECT_EQ(check(), u"приветствие"_s);
    // Down passes over the next entry, here the last one.
    press(Qt::Key_Down);
    EXPECT_EQ(check(), u"[NONE]"_s);
    EXPECT_EQ(form->Suggestion.SuggestionIndex, -1);
    EXPECT_FALSE(form->N23->isEnabled());

    // Right after "[NONE]", a key that changes nothing skips entry 0.
    press(Qt::Key_Left);
    EXPECT_EQ(check(), u"приветствие"_s);
    press(Qt::Key_Right);
    EXPECT_EQ(check(), u"пример"_s);
    // Down from the last entry finds nothing after it.
    press(Qt::Key_Down);
    EXPECT_EQ(panel(), u"пример"_s);
    EXPECT_EQ(check(), u"[NONE]"_s);

    // Every key goes on to the line: the caret moved, and editing edits.
    press(Qt::Key_Left);
    EXPECT_EQ(form->Input->cursorPosition(), 2);
    press(Qt::Key_Backspace);
    EXPECT_EQ(form->Input->text(), u"пи"_s);
    press(Qt::Key_End);
    press(Qt::Key_Backspace);
    EXPECT_EQ(form->Input->text(), u"п"_s);
    EXPECT_EQ(check(), u"привет"_s);
}

TEST_F(SpeedWordWindowTest, ALineEndingInADelimiterOrAnUnknownWordOffersNone) {
    openWithSpeedWord();
    for (const QString& line :
         {u"привет "_s, u"привет,"_s, u"привет."_s, u"привет!"_s, u"привет?"_s, u"приветики"_s}) {
        EXPECT_EQ(offerFor(u"при"_s), u"привет"_s);
        EXPECT_EQ(offerFor(line), u"[NONE]"_s) << line.toStdString();
        EXPECT_FALSE(form->N23->isEnabled());
    }
}

TEST_F(SpeedWordWindowTest, AnEmptyLineKeepsNoneOnThePanelThroughTheStateUpdate) {
    openWithSpeedWord();
    offerFor(u"при"_s);
    form->T11Timer();
    type(QString());
    form->T11.setEnabled(false);
    form->T1Timer();
    EXPECT_TRUE(form->T11.enabled());
    EXPECT_EQ(check(), u"[NONE]"_s);
    type(u"при"_s);
    form->T11.setEnabled(false);
    form->T1Timer();
    EXPECT_FALSE(form->T11.enabled());
}

TEST_F(SpeedWordWindowTest, SwitchedOffTheKeysAndF5DoNothing) {
    openWithSpeedWord();
    EXPECT_EQ(offerFor(u"при"_s), u"привет"_s);
    form->N24->trigger();
    form->T1Timer();
    EXPECT_EQ(panel(), u"Загрузка окончена"_s);
    EXPECT_FALSE(form->N23->isEnabled());

    press(Qt::Key_Down);
    press(Qt::Key_F5);
    EXPECT_EQ(panel(), u"Загрузка окончена"_s);
    EXPECT_EQ(form->Input->text(), u"при"_s);
    EXPECT_FALSE(form->T11.enabled());
}

} // namespace
} // namespace besedka::test
