// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/file_error.h"
#include "window_test.h"

#include <QTest>

namespace besedka::test {
namespace {

using GuardTest = WindowTest;

// Ticks the guard once per character: one full pass over the line as it stands.
void tickOnePass(MainWindow& guarded) {
    for (qsizetype i = 0; i < guarded.controls().inputLine->text().size(); ++i)
        guarded.reservedCharacterGuard().scanNextCharacter();
}

TEST_F(GuardTest, AReservedCharacterIsFoundWithinOnePassAndTheTranscriptStaysDisabled) {
    for (const QString& reserved : {u"^"_s, u"_"_s, u";"_s, u"@"_s}) {
        openReady();
        type(u"привет"_s + reserved);
        for (int tick = 0; tick < 6; ++tick)
            window->reservedCharacterGuard().scanNextCharacter();
        EXPECT_EQ(controls().inputLine->text(), u"привет"_s + reserved);
        EXPECT_TRUE(controls().transcript->isEnabled());

        const int keyClicks = window->sounds().keyClickSound.playRequests();
        window->reservedCharacterGuard().scanNextCharacter();
        EXPECT_EQ(controls().inputLine->text(), QString()) << reserved.toStdString();
        EXPECT_FALSE(controls().transcript->isEnabled());
        EXPECT_EQ(window->sounds().keyClickSound.playRequests(), keyClicks + 1);

        type(u"снова"_s);
        tickOnePass(*window);
        tickOnePass(*window);
        EXPECT_EQ(controls().inputLine->text(), u"снова"_s);
        EXPECT_FALSE(controls().transcript->isEnabled());
        say(u"привет"_s);
        EXPECT_EQ(transcript().last(), u"Привет, человек!"_s);
    }
}

TEST_F(GuardTest, AShorterTextIsScannedAgainFromItsFirstCharacter) {
    openReady();
    type(u"абвгд"_s);
    for (int tick = 0; tick < 4; ++tick)
        window->reservedCharacterGuard().scanNextCharacter();
    EXPECT_EQ(window->reservedCharacterGuard().scanPosition(), 4);
    type(u"@б"_s);
    window->reservedCharacterGuard().scanNextCharacter();
    EXPECT_EQ(controls().inputLine->text(), QString());
}

TEST_F(GuardTest, ALineWithoutReservedCharactersIsScannedOverAndOverUnchanged) {
    openReady();
    window->reservedCharacterGuard().scanNextCharacter();
    EXPECT_EQ(window->reservedCharacterGuard().scanPosition(), 0);
    type(u"как дела? 100% - ok!"_s);
    const int keyClicks = window->sounds().keyClickSound.playRequests();
    for (int pass = 0; pass < 3; ++pass) {
        tickOnePass(*window);
        EXPECT_EQ(window->reservedCharacterGuard().scanPosition(), 0);
    }
    window->reservedCharacterGuard().scanNextCharacter();
    EXPECT_EQ(window->reservedCharacterGuard().scanPosition(), 1);
    EXPECT_EQ(controls().inputLine->text(), u"как дела? 100% - ok!"_s);
    EXPECT_EQ(window->sounds().keyClickSound.playRequests(), keyClicks);
    EXPECT_TRUE(controls().transcript->isEnabled());
}

using LayoutTest = WindowTest;

TEST_F(LayoutTest, TheButtonConvertsTheLineInOnePassWithOneChangeReaction) {
    openReady();
    type(u"<jkmijq"_s);
    const int keyClicks = window->sounds().keyClickSound.playRequests();
    controls().layoutButton->click();
    EXPECT_EQ(controls().inputLine->text(), u"большой"_s);
    EXPECT_EQ(window->sounds().layoutConversionSound.playRequests(), 1);
    EXPECT_EQ(window->sounds().keyClickSound.playRequests(), keyClicks + 1);

    type(u"a|b/c"_s);
    controls().layoutButton->click();
    EXPECT_EQ(controls().inputLine->text(), u"ф/и.с"_s);
    controls().layoutButton->click();
    EXPECT_EQ(controls().inputLine->text(), u"ф.и.с"_s);
}

TEST_F(LayoutTest, NothingToConvertPlaysTheSoundButChangesNothing) {
    openReady();
    type(u"уже по-русски 123"_s);
    const int keyClicks = window->sounds().keyClickSound.playRequests();
    controls().layoutButton->click();
    EXPECT_EQ(controls().inputLine->text(), u"уже по-русски 123"_s);
    EXPECT_EQ(window->sounds().layoutConversionSound.playRequests(), 1);
    EXPECT_EQ(window->sounds().keyClickSound.playRequests(), keyClicks);

    // Characters without a Windows-1251 form are left alone, not spoiled.
    type(u"ghbdtn ✓ 日本"_s);
    controls().layoutButton->click();
    EXPECT_EQ(controls().inputLine->text(), u"привет ✓ 日本"_s);
}

TEST_F(LayoutTest, CtrlSConvertsOnlyWhileTheButtonIsEnabled) {
    open();
    controls().inputLine->setText(u"ghbdtn"_s);
    controls().inputLine->setFocus();
    QTest::keyClick(controls().inputLine, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(controls().inputLine->text(), u"ghbdtn"_s);
    EXPECT_EQ(window->sounds().layoutConversionSound.playRequests(), 0);

    window->controlStates().updateControls();
    QTest::keyClick(controls().inputLine, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(controls().inputLine->text(), u"привет"_s);
    EXPECT_EQ(window->sounds().layoutConversionSound.playRequests(), 1);
}

TEST_F(LayoutTest, ADollarBecomesASemicolonThatTheGuardThenEmpties) {
    openReady();
    type(u"$"_s);
    controls().layoutButton->click();
    EXPECT_EQ(controls().inputLine->text(), u";"_s);
    window->reservedCharacterGuard().scanNextCharacter();
    EXPECT_EQ(controls().inputLine->text(), QString());
    EXPECT_FALSE(controls().transcript->isEnabled());
}

class SpeedWordWindowTest : public WindowTest {
protected:
    SpeedWordWindowTest() {
        folder.writeLines("Base/dictionary.dat", {"привет", "приветствие", "пример"});
    }

    // Ready, Speed Word switched on and its first check made on the empty line.
    void openWithSpeedWord() {
        openReady();
        menu().speedWord->trigger();
        window->speedWord().checkSuggestion();
    }
    // Types the text, lets Speed Word check it and the window update its commands.
    QString offerFor(const QString& text) {
        type(text);
        return check();
    }
    QString check() {
        window->speedWord().checkSuggestion();
        window->controlStates().updateControls();
        return panel();
    }
    QString panel() const { return controls().statusBar->panelText(0); }
    void press(Qt::Key key) { QTest::keyClick(controls().inputLine, key); }
};

TEST_F(SpeedWordWindowTest, TheFirstCheckAtStartShowsNoneAndStops) {
    open();
    EXPECT_TRUE(window->speedWord().suggestionCheckTimer().enabled());
    window->speedWord().checkSuggestion();
    EXPECT_EQ(panel(), u"[NONE]"_s);
    EXPECT_FALSE(window->speedWord().suggestionCheckTimer().enabled());
    // Off, the change reaction keeps the check stopped.
    type(u"при"_s);
    EXPECT_FALSE(window->speedWord().suggestionCheckTimer().enabled());
}

TEST_F(SpeedWordWindowTest, TheSwitchLoadsTheDictionaryEachTime) {
    openReady();
    menu().speedWord->trigger();
    EXPECT_TRUE(menu().speedWord->isChecked());
    EXPECT_EQ(panel(), u"[NONE]"_s);
    EXPECT_TRUE(window->speedWord().suggestionCheckTimer().enabled());
    EXPECT_EQ(window->speedWord().dictionary().count(), 3);

    folder.writeLines("Base/dictionary.dat", {"пример"});
    menu().speedWord->trigger();
    EXPECT_FALSE(menu().speedWord->isChecked());
    EXPECT_EQ(panel(), u"Загрузка окончена"_s);
    EXPECT_FALSE(window->speedWord().suggestionCheckTimer().enabled());
    EXPECT_EQ(window->speedWord().dictionary().count(), 1);
    EXPECT_TRUE(boxes.texts().isEmpty());
}

TEST_F(SpeedWordWindowTest, AMissingDictionaryLeavesTheSwitchAsItWas) {
    openWithSpeedWord();
    folder.remove("Base/dictionary.dat");
    menu().speedWord->trigger();
    EXPECT_EQ(boxes.texts(), QStringList{u"Cannot open file Base\\dictionary.dat"_s});
    EXPECT_TRUE(menu().speedWord->isChecked());
    EXPECT_EQ(panel(), u"[NONE]"_s);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    // Back in place, the file switches as before.
    folder.writeLines("Base/dictionary.dat", {"пример"});
    menu().speedWord->trigger();
    EXPECT_FALSE(menu().speedWord->isChecked());
    EXPECT_EQ(panel(), u"Загрузка окончена"_s);
}

TEST_F(SpeedWordWindowTest, F5CompletesTheWordThenOffersTheNextEntry) {
    openWithSpeedWord();
    EXPECT_EQ(offerFor(u"при"_s), u"привет"_s);
    EXPECT_TRUE(menu().completeWord->isEnabled());
    press(Qt::Key_F5);
    EXPECT_EQ(controls().inputLine->text(), u"привет"_s);
    EXPECT_TRUE(window->speedWord().suggestionCheckTimer().enabled());
    EXPECT_EQ(check(), u"привет"_s);

    const int keyClicks = window->sounds().keyClickSound.playRequests();
    press(Qt::Key_F5);
    EXPECT_EQ(controls().inputLine->text(), u"привет"_s);
    EXPECT_EQ(window->sounds().keyClickSound.playRequests(), keyClicks);
    EXPECT_EQ(check(), u"приветствие"_s);
    press(Qt::Key_F5);
    EXPECT_EQ(controls().inputLine->text(), u"приветствие"_s);
}

TEST_F(SpeedWordWindowTest, TheTypedPartKeepsItsCaseAndTheCompletionIsLowerCase) {
    folder.writeLines("Base/dictionary.dat", {"ПРИВЕТСТВИЕ"});
    openWithSpeedWord();
    EXPECT_EQ(offerFor(u"как дела, Прив"_s), u"ПРИВЕТСТВИЕ"_s);
    press(Qt::Key_F5);
    EXPECT_EQ(controls().inputLine->text(), u"как дела, Приветствие"_s);
}

TEST_F(SpeedWordWindowTest, UpAndDownStepThroughTheOffersAndStillReachTheLine) {
    openWithSpeedWord();
    EXPECT_EQ(offerFor(u"при"_s), u"привет"_s);
    press(Qt::Key_Down);
    // The filter shows the stepped-to entry at once; the check then passes over it.
    EXPECT_EQ(panel(), u"приветствие"_s);
    EXPECT_TRUE(window->speedWord().suggestionCheckTimer().enabled());
    EXPECT_EQ(check(), u"пример"_s);
    press(Qt::Key_Up);
    EXPECT_EQ(check(), u"приветствие"_s);
    press(Qt::Key_Up);
    EXPECT_EQ(check(), u"приветствие"_s);
    // Down passes over the next entry, here the last one.
    press(Qt::Key_Down);
    EXPECT_EQ(check(), u"[NONE]"_s);
    EXPECT_EQ(window->speedWord().offer().entryIndex, -1);
    EXPECT_FALSE(menu().completeWord->isEnabled());

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
    EXPECT_EQ(controls().inputLine->cursorPosition(), 2);
    press(Qt::Key_Backspace);
    EXPECT_EQ(controls().inputLine->text(), u"пи"_s);
    press(Qt::Key_End);
    press(Qt::Key_Backspace);
    EXPECT_EQ(controls().inputLine->text(), u"п"_s);
    EXPECT_EQ(check(), u"привет"_s);
}

TEST_F(SpeedWordWindowTest, ALineEndingInADelimiterOrAnUnknownWordOffersNone) {
    openWithSpeedWord();
    for (const QString& line :
         {u"привет "_s, u"привет,"_s, u"привет."_s, u"привет!"_s, u"привет?"_s, u"приветики"_s}) {
        EXPECT_EQ(offerFor(u"при"_s), u"привет"_s);
        EXPECT_EQ(offerFor(line), u"[NONE]"_s) << line.toStdString();
        EXPECT_FALSE(menu().completeWord->isEnabled());
    }
}

TEST_F(SpeedWordWindowTest, AnEmptyLineKeepsNoneOnThePanelThroughTheStateUpdate) {
    openWithSpeedWord();
    offerFor(u"при"_s);
    window->speedWord().checkSuggestion();
    type(QString());
    window->speedWord().checkSuggestion();
    window->controlStates().updateControls();
    EXPECT_TRUE(window->speedWord().suggestionCheckTimer().enabled());
    EXPECT_EQ(check(), u"[NONE]"_s);
    type(u"при"_s);
    window->speedWord().checkSuggestion();
    window->controlStates().updateControls();
    EXPECT_FALSE(window->speedWord().suggestionCheckTimer().enabled());
}

TEST_F(SpeedWordWindowTest, SwitchedOffTheKeysAndF5DoNothing) {
    openWithSpeedWord();
    EXPECT_EQ(offerFor(u"при"_s), u"привет"_s);
    menu().speedWord->trigger();
    window->controlStates().updateControls();
    EXPECT_EQ(panel(), u"Загрузка окончена"_s);
    EXPECT_FALSE(menu().completeWord->isEnabled());

    press(Qt::Key_Down);
    press(Qt::Key_F5);
    EXPECT_EQ(panel(), u"Загрузка окончена"_s);
    EXPECT_EQ(controls().inputLine->text(), u"при"_s);
    EXPECT_FALSE(window->speedWord().suggestionCheckTimer().enabled());
}

} // namespace
} // namespace besedka::test
