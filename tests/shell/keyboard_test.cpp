#include "window_test.h"

#include <QAccessible>
#include <QApplication>
#include <QTest>
#include <QWindow>

namespace besedka::test {
namespace {

class KeyboardTest : public WindowTest {
protected:
    // Ready, with the keyboard opened from the menu and its first tick done.
    TForm4& openKeyboard() {
        openReady();
        keyboard = &windows->form4();
        form->N22->trigger();
        // What the window manager does when the window shows.
        QApplication::setActiveWindow(keyboard);
        keyboard->T1Timer();
        return *keyboard;
    }
    QPushButton* key(const char* name) const {
        auto* button = keyboard->findChild<QPushButton*>(QString::fromLatin1(name));
        EXPECT_NE(button, nullptr) << name;
        return button;
    }
    void click(std::initializer_list<const char*> names) const {
        for (const char* name : names)
            key(name)->click();
    }
    QList<QPushButton*> keysOf(QWidget* group) const {
        return group->findChildren<QPushButton*>(Qt::FindDirectChildrenOnly);
    }

    TForm4* keyboard = nullptr;
};

TEST_F(KeyboardTest, ItIsCreatedHiddenAndOpensOverADisabledMainWindow) {
    openReady();
    keyboard = &windows->form4();
    EXPECT_EQ(form->Form4, keyboard);
    EXPECT_FALSE(keyboard->isVisible());
    EXPECT_EQ(keyboard->windowTitle(), u"Виртуальная клавиатура"_s);
    EXPECT_FALSE(keyboard->windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(keyboard->windowFlags() & Qt::WindowSystemMenuHint);
    EXPECT_TRUE(keyboard->windowFlags() & Qt::WindowStaysOnTopHint);

    form->N22->trigger();
    EXPECT_EQ(keyboard->centralWidget()->size(), QSize(353, 145));
    EXPECT_FALSE(form->T1.enabled());
    EXPECT_FALSE(form->isEnabled());
    EXPECT_TRUE(keyboard->isVisible());
    EXPECT_TRUE(keyboard->isEnabled());
    EXPECT_TRUE(keyboard->T1.enabled());

    // What is typed and offered stays readable in the disabled window.
    for (const QWidget* shown : {static_cast<QWidget*>(form->Input), form->SB1->childAt(5, 5)}) {
        ASSERT_NE(shown, nullptr);
        const QPalette& palette = shown->palette();
        EXPECT_EQ(palette.color(QPalette::Disabled, shown->foregroundRole()),
                  palette.color(QPalette::Active, shown->foregroundRole()));
    }

    keyboard->N2->trigger();
    EXPECT_FALSE(keyboard->T1.enabled());
    EXPECT_TRUE(form->T1.enabled());
    EXPECT_TRUE(form->isEnabled());
    EXPECT_FALSE(keyboard->isVisible());
}

TEST_F(KeyboardTest, TheMenuHidesTheKeyboardAndItsLineCarriesF5) {
    openKeyboard();
    ASSERT_EQ(keyboard->N1->actions().size(), 2);
    EXPECT_EQ(keyboard->N1->title(), u"&Система"_s);
    EXPECT_EQ(keyboard->N1->actions()[0]->text(), u"С&крыть виртуальную клавиатуру"_s);
    EXPECT_TRUE(keyboard->N1->actions()[1]->isSeparator());
    EXPECT_EQ(keyboard->N3->shortcut(), QKeySequence(Qt::Key_F5));
    EXPECT_TRUE(keyboard->actions().contains(keyboard->N3));
}

TEST_F(KeyboardTest, KeysSitInTheirRowsFlatUnfocusableAndNamedForScreenReaders) {
    openKeyboard();
    EXPECT_EQ(keyboard->GroupBox1->geometry(), QRect(3, 3, 305, 57));
    EXPECT_EQ(keyboard->GroupBox2->geometry(), QRect(3, 60, 305, 57));
    EXPECT_EQ(keyboard->GroupBox1->title(), u"Знаки:"_s);
    EXPECT_EQ(keyboard->GroupBox2->title(), u"Буквы:"_s);
    const QList<QPushButton*> signs = keysOf(keyboard->GroupBox1);
    const QList<QPushButton*> letters = keysOf(keyboard->GroupBox2);
    ASSERT_EQ(signs.size(), 27);
    ASSERT_EQ(letters.size(), 33);
    EXPECT_EQ(signs[0]->geometry(), QRect(25, 16, 16, 17));
    EXPECT_EQ(signs[15]->geometry(), QRect(265, 16, 16, 17));
    EXPECT_EQ(signs[16]->geometry(), QRect(65, 33, 16, 17));
    EXPECT_EQ(signs[26]->geometry(), QRect(225, 33, 16, 17));
    EXPECT_EQ(letters[0]->geometry(), QRect(8, 16, 17, 17));
    EXPECT_EQ(letters[16]->geometry(), QRect(280, 16, 17, 17));
    EXPECT_EQ(letters[17]->geometry(), QRect(16, 33, 17, 17));
    EXPECT_EQ(letters[32]->geometry(), QRect(271, 33, 17, 17));
    EXPECT_EQ(keyboard->SB62->geometry(), QRect(310, 9, 41, 50));
    EXPECT_EQ(keyboard->SB66->geometry(), QRect(310, 65, 41, 51));
    EXPECT_EQ(keyboard->SB23->geometry(), QRect(26, 119, 134, 22));
    EXPECT_EQ(keyboard->SB63->geometry(), QRect(161, 119, 123, 22));

    QString captions;
    for (const QPushButton* letter : letters)
        captions += letter->text();
    EXPECT_EQ(captions, u"АБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ"_s);
    EXPECT_EQ(key("SB7")->text(), u"&&"_s);
    EXPECT_EQ(keyboard->SB62->text(), u"Bcksp"_s);
    EXPECT_EQ(keyboard->SB66->text(), u"[Enter]"_s);
    EXPECT_EQ(keyboard->SB23->text(), u"Пробел"_s);
    EXPECT_EQ(keyboard->SB63->text(), u"Caps Lock [не нажат]"_s);

    const QList<QPushButton*> keys = keyboard->findChildren<QPushButton*>();
    EXPECT_EQ(keys.size(), 64);
    for (QPushButton* button : keys) {
        EXPECT_TRUE(button->isFlat());
        EXPECT_EQ(button->focusPolicy(), Qt::NoFocus);
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(button);
        ASSERT_NE(accessible, nullptr);
        const QString shown = QString(button->text()).replace(u"&&"_s, u"&"_s);
        EXPECT_EQ(accessible->text(QAccessible::Name), shown);
    }
}

TEST_F(KeyboardTest, SignKeysAppendTheirSignsAndNoneOfTheReservedOnes) {
    openKeyboard();
    for (QPushButton* sign : keysOf(keyboard->GroupBox1))
        sign->click();
    keyboard->SB23->click();
    EXPECT_EQ(form->Input->text(), u"#$%&*+=\\|/[]{}~`,.!?()-:\"<> "_s);
    // The keys change the line and nothing else: each change sounds once.
    EXPECT_EQ(form->MP1.playRequests(), 28);
}

TEST_F(KeyboardTest, CapsLockSwitchesTheLettersOnlyAndOutlivesHiding) {
    openKeyboard();
    click({"SB45", "SB46", "SB38"});
    EXPECT_EQ(form->Input->text(), u"при"_s);
    keyboard->SB63->click();
    EXPECT_EQ(keyboard->SB63->text(), u"Caps Lock [нажат]"_s);
    click({"SB45", "SB46", "SB38", "SB35", "SB28"});
    keyboard->SB23->click();
    EXPECT_EQ(form->Input->text(), u"приПРИЁ, "_s);
    EXPECT_EQ(key("SB45")->text(), u"П"_s);

    keyboard->N2->trigger();
    form->N22->trigger();
    EXPECT_EQ(keyboard->CapsLockState, 1);
    click({"SB61"});
    keyboard->SB63->click();
    EXPECT_EQ(keyboard->SB63->text(), u"Caps Lock [не нажат]"_s);
    click({"SB61", "SB35"});
    EXPECT_EQ(form->Input->text(), u"приПРИЁ, Яяё"_s);
}

TEST_F(KeyboardTest, BackspaceEmptiesTheLineAndThenTheTimerDisablesItAndEnter) {
    openKeyboard();
    EXPECT_FALSE(keyboard->SB62->isEnabled());
    EXPECT_FALSE(keyboard->SB66->isEnabled());
    click({"SB29", "SB30"});
    keyboard->T1Timer();
    EXPECT_TRUE(keyboard->SB62->isEnabled());
    EXPECT_TRUE(keyboard->SB66->isEnabled());

    keyboard->SB62->click();
    EXPECT_EQ(form->Input->text(), u"а"_s);
    keyboard->SB62->click();
    EXPECT_EQ(form->Input->text(), QString());
    // A second click before the tick finds nothing left to delete.
    keyboard->SB62Click();
    EXPECT_EQ(form->Input->text(), QString());
    keyboard->T1Timer();
    EXPECT_FALSE(keyboard->SB62->isEnabled());
    EXPECT_FALSE(keyboard->SB66->isEnabled());
}

TEST_F(KeyboardTest, EnterRunsATurnAlthoughTheMainWindowIsDisabled) {
    openKeyboard();
    keyboard->SB66Click();
    EXPECT_EQ(form->RE1->lineCount(), 0);

    click({"SB45", "SB46", "SB38", "SB31", "SB34", "SB48"});
    keyboard->T1Timer();
    keyboard->SB66->click();
    EXPECT_EQ(transcript(), (QStringList{u"Привет."_s, u"Привет, человек!"_s}));
    EXPECT_EQ(form->Input->text(), QString());
    EXPECT_FALSE(form->isEnabled());
    EXPECT_TRUE(keyboard->isVisible());
}

TEST_F(KeyboardTest, KeysAppendAtTheEndWhateverTheCaretAndSelection) {
    openKeyboard();
    form->Input->setText(u"абвгд"_s);
    form->Input->setSelection(1, 2);
    click({"SB33"});
    EXPECT_EQ(form->Input->text(), u"абвгдд"_s);
    form->Input->setCursorPosition(0);
    keyboard->SB62Click();
    EXPECT_EQ(form->Input->text(), u"абвгд"_s);
}

TEST_F(KeyboardTest, AKeyOnAFullLineDoesNothing) {
    openKeyboard();
    form->Input->setText(QString(255, u'я'));
    const int keyClicks = form->MP1.playRequests();
    click({"SB29", "SB4"});
    keyboard->SB23->click();
    EXPECT_EQ(form->Input->text(), QString(255, u'я'));
    EXPECT_EQ(form->MP1.playRequests(), keyClicks);
    keyboard->SB62Click();
    click({"SB29"});
    EXPECT_EQ(form->Input->text(), QString(254, u'я') + u"а"_s);
}

TEST_F(KeyboardTest, F5CompletesFromTheKeyboardWhileThePanelShowsAnEntry) {
    folder.writeLines("Base/dictionary.dat", {"привет"});
    openKeyboard();
    form->N24Click();
    click({"SB45", "SB46"});
    keyboard->T1Timer();
    EXPECT_FALSE(keyboard->N3->isEnabled());
    QTest::keyClick(keyboard, Qt::Key_F5);
    EXPECT_EQ(form->Input->text(), u"пр"_s);
    // Like any key after "[NONE]", the press lets the check begin after entry 0.
    form->T11Timer();
    EXPECT_EQ(form->SB1->panelText(0), u"[NONE]"_s);

    click({"SB38"});
    form->T11Timer();
    keyboard->T1Timer();
    EXPECT_TRUE(keyboard->N3->isEnabled());
    EXPECT_TRUE(form->N23->isEnabled());
    QTest::keyClick(keyboard, Qt::Key_F5);
    EXPECT_EQ(form->Input->text(), u"привет"_s);
    EXPECT_TRUE(form->T11.enabled());
}

TEST_F(KeyboardTest, TheClosingAnimationOnlyHidesIt) {
    openKeyboard();
    form->T4Timer();
    EXPECT_FALSE(keyboard->isVisible());
    EXPECT_FALSE(form->isEnabled());
    EXPECT_EQ(form->ClosingTicks, 1);
}

TEST_F(KeyboardTest, AWindowManagerCloseGivesTheMainWindowBack) {
    openKeyboard();
    ASSERT_NE(keyboard->windowHandle(), nullptr);
    keyboard->windowHandle()->close();
    EXPECT_FALSE(keyboard->isVisible());
    EXPECT_TRUE(form->isEnabled());
    EXPECT_TRUE(form->T1.enabled());
    EXPECT_FALSE(keyboard->T1.enabled());
}

} // namespace
} // namespace besedka::test
