// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor_fields.h"
#include "platform/qt/choosers.h"
#include "platform/qt/look.h"
#include "platform/qt/settings_file.h"
#include "shell/chosen_settings.h"
#include "window_test.h"

#include <QPushButton>
#include <QSignalSpy>

namespace besedka::test {
namespace {

constexpr const char* kSettings = "config/besedka/besedka.conf";

class KeptSettingsTest : public WindowTest {
protected:
    // As the program starts again: a new window over the same folders.
    void restart() {
        window.reset();
        open();
    }
    QColor background() const {
        return window->centralWidget()->palette().color(QPalette::Active, QPalette::Window);
    }
    void chooseWindowColor(const QColor& color) {
        ChooserAnswers answers;
        answers.confirmColor(color);
        menu().windowColor->trigger();
    }
    ExchangeEditor& editor() { return window->exchangeMode().editor(); }
};

TEST_F(KeptSettingsTest, ChoicesConfirmedAreThereAtTheNextStart) {
    folder.writeLines("Base/dictionary.dat", {"привет"});
    open();
    EXPECT_TRUE(menu().resetSettings->isChecked());
    chooseWindowColor(QColor(0, 128, 0));
    {
        ChooserAnswers answers;
        answers.confirmFont({u"Liberation Serif"_s, 14, true, false});
        menu().userLineFont->trigger();
    }
    menu().openEditor->trigger();
    pathEdit(editor())->setText(u"/tmp/обмен.txt"_s);
    readByTimerButton(editor())->click();
    periodBox(editor())->setValue(5);
    okButton(editor())->click();
    menu().speedWord->trigger();
    ASSERT_TRUE(folder.exists(kSettings)) << "written at once, without an exit";

    restart();
    EXPECT_EQ(background(), QColor(0, 128, 0));
    EXPECT_EQ(window->choosers().userLineFont.font(),
              (FontSpec{u"Liberation Serif"_s, 14, true, false}));
    EXPECT_EQ(editor().settings(), (ExchangeSettings{u"/tmp/обмен.txt"_s, true, 5000}));
    EXPECT_TRUE(menu().speedWord->isChecked());
    EXPECT_FALSE(menu().resetSettings->isChecked());
    EXPECT_TRUE(menu().conversationMode->isChecked()) << "a start always talks to the person";
    EXPECT_TRUE(boxes.texts().isEmpty());
}

// The caption colour is chosen for each of the three buttons in turn, and each keeps its own.
TEST_F(KeptSettingsTest, EachButtonKeepsItsOwnCaptionColourAtTheNextStart) {
    open();
    {
        ChooserAnswers answers;
        answers.confirmColor(Qt::darkRed);
        answers.confirmColor(Qt::darkGreen);
        answers.confirmColor(Qt::darkBlue);
        menu().buttonTextColor->trigger();
    }
    restart();
    const auto caption = [this](const QString& text) {
        for (const auto* button : window->findChildren<QPushButton*>()) {
            if (button->text() == text)
                return button->palette().color(QPalette::Active, QPalette::ButtonText);
        }
        return QColor();
    };
    EXPECT_EQ(caption(u"Сказать"_s), QColor(Qt::darkRed));
    EXPECT_EQ(caption(u"<"_s), QColor(Qt::darkGreen));
    EXPECT_EQ(caption(u"E/R"_s), QColor(Qt::darkBlue));
}

// The settings in force are one value. Each choice that changes it, whichever part makes it, is
// announced once, after the value holds it, and what is written is that value; a cancelled
// chooser and the reset are no choice.
TEST_F(KeptSettingsTest, EachChoiceIsAnnouncedOnceAndWrittenAsTheSettingsInForce) {
    folder.writeLines("Base/dictionary.dat", {"привет"});
    open();
    const auto* settings = window->findChild<SettingsModel*>();
    ASSERT_NE(settings, nullptr);
    QSignalSpy changes(settings, &SettingsModel::changed);
    QSignalSpy resets(settings, &SettingsModel::wasReset);
    {
        ChooserAnswers answers;
        answers.cancelColor();
        menu().windowColor->trigger();
    }
    EXPECT_EQ(changes.count(), 0);

    chooseWindowColor(Qt::darkBlue);
    menu().speedWord->trigger();
    menu().sounds->trigger();
    menu().openEditor->trigger();
    pathEdit(editor())->setText(u"/tmp/обмен.txt"_s);
    okButton(editor())->click();
    EXPECT_EQ(changes.count(), 4);
    const ChosenSettings& chosen = settings->chosen();
    EXPECT_EQ(chosen.windowBackground, QColor(Qt::darkBlue));
    EXPECT_TRUE(chosen.speedWord);
    EXPECT_FALSE(chosen.sounds);
    EXPECT_EQ(chosen.exchangeFile, u"/tmp/обмен.txt"_s);
    EXPECT_EQ(readChosenSettings(SettingsFile(), ChosenSettings{}), chosen);

    menu().resetSettings->trigger();
    EXPECT_EQ(changes.count(), 4);
    EXPECT_EQ(resets.count(), 1);
    EXPECT_EQ(settings->chosen().windowBackground, kSilver);
    EXPECT_FALSE(folder.exists(kSettings));
}

TEST_F(KeptSettingsTest, ACancelledChooserWritesNothingAndTheResetForgets) {
    open();
    {
        ChooserAnswers answers;
        answers.cancelColor();
        menu().windowColor->trigger();
    }
    EXPECT_FALSE(folder.exists(kSettings));

    chooseWindowColor(Qt::darkBlue);
    ASSERT_TRUE(folder.exists(kSettings));
    menu().resetSettings->trigger();
    EXPECT_FALSE(folder.exists(kSettings));
    restart();
    EXPECT_EQ(background(), kSilver);
    EXPECT_TRUE(menu().resetSettings->isChecked());
}

TEST_F(KeptSettingsTest, AGarbledFileGivesTheStartValuesSilentlyAndIsRewrittenOnlyByAChoice) {
    const std::string garbage = "\x89PNG\n[colors]\nwindowBackground=#12\nshared=blue\n"
                                "[exchange]\nperiod=99999\nfile=\x01\n[fonts]\nuserLines\\size=0\n";
    folder.write(kSettings, garbage);
    open();
    EXPECT_EQ(background(), kSilver);
    EXPECT_EQ(window->choosers().sharedColor.color(), QColor(Qt::black));
    EXPECT_EQ(editor().settings(), (ExchangeSettings{u"D:\\Txt.Dat"_s, false, 1}));
    EXPECT_TRUE(menu().resetSettings->isChecked());
    EXPECT_TRUE(boxes.texts().isEmpty());
    EXPECT_EQ(folder.read(kSettings), garbage);

    chooseWindowColor(Qt::darkRed);
    EXPECT_EQ(folder.read(kSettings).find("PNG"), std::string::npos);
}

TEST_F(KeptSettingsTest, TheEditorOpensOnTheKeptExchangeSettingsAndCancelKeepsThem) {
    folder.write(kSettings, "[exchange]\nfile=/tmp/kept.txt\nonPeriod=true\nperiod=3000\n");
    open();
    menu().openEditor->trigger();
    EXPECT_EQ(pathEdit(editor())->text(), u"/tmp/kept.txt"_s);
    EXPECT_TRUE(readByTimerButton(editor())->isChecked());
    EXPECT_EQ(periodBox(editor())->value(), 3);
    periodBox(editor())->setValue(1);
    cancelButton(editor())->click();
    EXPECT_EQ(editor().settings(), (ExchangeSettings{u"/tmp/kept.txt"_s, true, 3000}));

    // A timer under a second would poll at every tick: the start's trigger instead.
    folder.write(kSettings, "[exchange]\nonPeriod=true\nperiod=1\n");
    restart();
    EXPECT_EQ(editor().settings(), (ExchangeSettings{u"D:\\Txt.Dat"_s, false, 1}));
}

TEST_F(KeptSettingsTest, AnUnwritableFolderSaysSoOnceAndTheChoiceStillHolds) {
    folder.write("config", "a file where the folder should be");
    open();
    chooseWindowColor(Qt::darkGreen);
    chooseWindowColor(Qt::darkCyan);
    EXPECT_EQ(background(), QColor(Qt::darkCyan));
    ASSERT_EQ(boxes.texts().size(), 1);
    EXPECT_TRUE(boxes.texts().front().startsWith(u"Настройки не удалось сохранить"_s));
}

// The reset once did nothing and said nothing where the file could not be removed: the choices
// the user meant to drop came back at the next start.
TEST_F(KeptSettingsTest, AResetThatCannotForgetTheKeptSettingsSaysSo) {
    folder.write(std::string(kSettings) + "/in the way", "a folder where the file should be");
    open();
    menu().resetSettings->trigger();
    ASSERT_EQ(boxes.texts().size(), 1);
    EXPECT_TRUE(boxes.texts().front().startsWith(u"Настройки не удалось сбросить"_s));
}

} // namespace
} // namespace besedka::test
