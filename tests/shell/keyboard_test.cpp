// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_test.h"

#include <QAccessible>
#include <QApplication>
#include <QScreen>
#include <QTest>
#include <QWindow>

namespace besedka::test {
namespace {

class KeyboardTest : public WindowTest {
protected:
    // Ready, with the keyboard opened from the menu and its first tick done.
    OnScreenKeyboard& openKeyboard() {
        openReady();
        keyboard = &window->keyboard();
        menu().showKeyboard->trigger();
        // What the window manager does when the window shows.
        QApplication::setActiveWindow(keyboard);
        keyboard->updateKeys();
        return *keyboard;
    }
    // The key of a letter or a sign, by its place in its rows: the letters in the order of the
    // alphabet, the signs in the order they are laid out.
    QPushButton* key(QChar character) const {
        static const QString letters = u"АБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ"_s;
        static const QString signs = u"#$%&*+=\\|/[]{}~`,.!?()-:\"<>"_s;
        if (letters.contains(character))
            return keysOf(keyboard->lettersGroup).at(letters.indexOf(character));
        EXPECT_TRUE(signs.contains(character)) << QString(character).toStdString();
        return keysOf(keyboard->signsGroup).at(signs.indexOf(character));
    }
    // Clicks the keys of the characters in turn; letters are named by their upper case.
    void click(const QString& characters) const {
        for (const QChar character : characters)
            key(character)->click();
    }
    QList<QPushButton*> keysOf(QWidget* group) const {
        return group->findChildren<QPushButton*>(Qt::FindDirectChildrenOnly);
    }

    OnScreenKeyboard* keyboard = nullptr;
};

TEST_F(KeyboardTest, ItIsCreatedHiddenAndOpensOverADisabledMainWindow) {
    openReady();
    keyboard = &window->keyboard();
    EXPECT_TRUE(keyboard->isWindow());
    EXPECT_FALSE(keyboard->isVisible());
    EXPECT_EQ(keyboard->windowTitle(), u"Виртуальная клавиатура"_s);
    EXPECT_FALSE(keyboard->windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(keyboard->windowFlags() & Qt::WindowSystemMenuHint);
    EXPECT_TRUE(keyboard->windowFlags() & Qt::WindowStaysOnTopHint);
    // Centred on its screen as it is created.
    EXPECT_EQ(QRect(keyboard->pos(), keyboard->size()).center(),
              keyboard->screen()->geometry().center());

    menu().showKeyboard->trigger();
    EXPECT_EQ(keyboard->centralWidget()->size(), QSize(353, 145));
    EXPECT_FALSE(window->controlStates().controlStateTimer().enabled());
    EXPECT_FALSE(window->isEnabled());
    EXPECT_TRUE(keyboard->isVisible());
    EXPECT_TRUE(keyboard->isEnabled());
    EXPECT_TRUE(keyboard->keyStateTimer().enabled());

    // What is typed and offered stays readable in the disabled window.
    for (const QWidget* shown :
         {static_cast<QWidget*>(controls().inputLine), controls().statusBar->childAt(5, 5)}) {
        ASSERT_NE(shown, nullptr);
        const QPalette& palette = shown->palette();
        EXPECT_EQ(palette.color(QPalette::Disabled, shown->foregroundRole()),
                  palette.color(QPalette::Active, shown->foregroundRole()));
    }

    keyboard->hideAction->trigger();
    EXPECT_FALSE(keyboard->keyStateTimer().enabled());
    EXPECT_TRUE(window->controlStates().controlStateTimer().enabled());
    EXPECT_TRUE(window->isEnabled());
    EXPECT_FALSE(keyboard->isVisible());
}

TEST_F(KeyboardTest, TheMenuHidesTheKeyboardAndItsLineCarriesF5) {
    openKeyboard();
    ASSERT_EQ(keyboard->systemMenu->actions().size(), 2);
    EXPECT_EQ(keyboard->systemMenu->title(), u"&Система"_s);
    EXPECT_EQ(keyboard->systemMenu->actions()[0]->text(), u"С&крыть виртуальную клавиатуру"_s);
    EXPECT_TRUE(keyboard->systemMenu->actions()[1]->isSeparator());
    EXPECT_EQ(keyboard->completeWordAction->shortcut(), QKeySequence(Qt::Key_F5));
    EXPECT_TRUE(keyboard->actions().contains(keyboard->completeWordAction));
}

TEST_F(KeyboardTest, KeysSitInTheirRowsFlatUnfocusableAndNamedForScreenReaders) {
    openKeyboard();
    EXPECT_EQ(keyboard->signsGroup->geometry(), QRect(3, 3, 305, 57));
    EXPECT_EQ(keyboard->lettersGroup->geometry(), QRect(3, 60, 305, 57));
    EXPECT_EQ(keyboard->signsGroup->title(), u"Знаки:"_s);
    EXPECT_EQ(keyboard->lettersGroup->title(), u"Буквы:"_s);
    const QList<QPushButton*> signs = keysOf(keyboard->signsGroup);
    const QList<QPushButton*> letters = keysOf(keyboard->lettersGroup);
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
    EXPECT_EQ(keyboard->backspaceKey->geometry(), QRect(310, 9, 41, 50));
    EXPECT_EQ(keyboard->enterKey->geometry(), QRect(310, 65, 41, 51));
    EXPECT_EQ(keyboard->spaceKey->geometry(), QRect(26, 119, 134, 22));
    EXPECT_EQ(keyboard->capsLockKey->geometry(), QRect(161, 119, 123, 22));

    QString captions;
    for (const QPushButton* letter : letters)
        captions += letter->text();
    EXPECT_EQ(captions, u"АБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ"_s);
    EXPECT_EQ(key(u'&')->text(), u"&&"_s);
    EXPECT_EQ(keyboard->backspaceKey->text(), u"Bcksp"_s);
    EXPECT_EQ(keyboard->enterKey->text(), u"[Enter]"_s);
    EXPECT_EQ(keyboard->spaceKey->text(), u"Пробел"_s);
    EXPECT_EQ(keyboard->capsLockKey->text(), u"Caps Lock [не нажат]"_s);

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
    for (QPushButton* sign : keysOf(keyboard->signsGroup))
        sign->click();
    keyboard->spaceKey->click();
    EXPECT_EQ(controls().inputLine->text(), u"#$%&*+=\\|/[]{}~`,.!?()-:\"<> "_s);
    // The keys change the line and nothing else: each change sounds once.
    EXPECT_EQ(window->sounds().keyClickSound.playRequests(), 28);
}

TEST_F(KeyboardTest, CapsLockSwitchesTheLettersOnlyAndOutlivesHiding) {
    openKeyboard();
    click(u"ПРИ"_s);
    EXPECT_EQ(controls().inputLine->text(), u"при"_s);
    keyboard->capsLockKey->click();
    EXPECT_EQ(keyboard->capsLockKey->text(), u"Caps Lock [нажат]"_s);
    click(u"ПРИЁ,"_s);
    keyboard->spaceKey->click();
    EXPECT_EQ(controls().inputLine->text(), u"приПРИЁ, "_s);
    EXPECT_EQ(key(u'П')->text(), u"П"_s);

    keyboard->hideAction->trigger();
    menu().showKeyboard->trigger();
    EXPECT_TRUE(keyboard->capsLockOn());
    click(u"Я"_s);
    keyboard->capsLockKey->click();
    EXPECT_EQ(keyboard->capsLockKey->text(), u"Caps Lock [не нажат]"_s);
    click(u"ЯЁ"_s);
    EXPECT_EQ(controls().inputLine->text(), u"приПРИЁ, Яяё"_s);
}

TEST_F(KeyboardTest, BackspaceEmptiesTheLineAndThenTheTimerDisablesItAndEnter) {
    openKeyboard();
    EXPECT_FALSE(keyboard->backspaceKey->isEnabled());
    EXPECT_FALSE(keyboard->enterKey->isEnabled());
    click(u"АБ"_s);
    keyboard->updateKeys();
    EXPECT_TRUE(keyboard->backspaceKey->isEnabled());
    EXPECT_TRUE(keyboard->enterKey->isEnabled());

    keyboard->backspaceKey->click();
    EXPECT_EQ(controls().inputLine->text(), u"а"_s);
    keyboard->backspaceKey->click();
    EXPECT_EQ(controls().inputLine->text(), QString());
    // A second click before the tick finds nothing left to delete.
    keyboard->deleteLastCharacter();
    EXPECT_EQ(controls().inputLine->text(), QString());
    keyboard->updateKeys();
    EXPECT_FALSE(keyboard->backspaceKey->isEnabled());
    EXPECT_FALSE(keyboard->enterKey->isEnabled());
}

TEST_F(KeyboardTest, EnterRunsATurnAlthoughTheMainWindowIsDisabled) {
    openKeyboard();
    keyboard->sayLine();
    EXPECT_EQ(controls().transcript->lineCount(), 0);

    click(u"ПРИВЕТ"_s);
    keyboard->updateKeys();
    keyboard->enterKey->click();
    EXPECT_EQ(transcript(), (QStringList{u"Привет."_s, u"Привет, человек!"_s}));
    EXPECT_EQ(controls().inputLine->text(), QString());
    EXPECT_FALSE(window->isEnabled());
    EXPECT_TRUE(keyboard->isVisible());
}

TEST_F(KeyboardTest, KeysAppendAtTheEndWhateverTheCaretAndSelection) {
    openKeyboard();
    controls().inputLine->setText(u"абвгд"_s);
    controls().inputLine->setSelection(1, 2);
    click(u"Д"_s);
    EXPECT_EQ(controls().inputLine->text(), u"абвгдд"_s);
    controls().inputLine->setCursorPosition(0);
    keyboard->deleteLastCharacter();
    EXPECT_EQ(controls().inputLine->text(), u"абвгд"_s);
}

TEST_F(KeyboardTest, AKeyOnAFullLineDoesNothing) {
    openKeyboard();
    controls().inputLine->setText(QString(255, u'я'));
    const int keyClicks = window->sounds().keyClickSound.playRequests();
    click(u"А#"_s);
    keyboard->spaceKey->click();
    EXPECT_EQ(controls().inputLine->text(), QString(255, u'я'));
    EXPECT_EQ(window->sounds().keyClickSound.playRequests(), keyClicks);
    keyboard->deleteLastCharacter();
    click(u"А"_s);
    EXPECT_EQ(controls().inputLine->text(), QString(254, u'я') + u"а"_s);
}

TEST_F(KeyboardTest, F5CompletesFromTheKeyboardWhileThePanelShowsAnEntry) {
    folder.writeLines("Base/dictionary.dat", {"привет"});
    openKeyboard();
    window->speedWord().switchSpeedWord();
    click(u"ПР"_s);
    keyboard->updateKeys();
    EXPECT_FALSE(keyboard->completeWordAction->isEnabled());
    QTest::keyClick(keyboard, Qt::Key_F5);
    EXPECT_EQ(controls().inputLine->text(), u"пр"_s);
    // Like any key after "[NONE]", the press lets the check begin after entry 0.
    window->speedWord().checkSuggestion();
    EXPECT_EQ(controls().statusBar->panelText(0), u"[NONE]"_s);

    click(u"И"_s);
    window->speedWord().checkSuggestion();
    keyboard->updateKeys();
    EXPECT_TRUE(keyboard->completeWordAction->isEnabled());
    EXPECT_TRUE(menu().completeWord->isEnabled());
    QTest::keyClick(keyboard, Qt::Key_F5);
    EXPECT_EQ(controls().inputLine->text(), u"привет"_s);
    EXPECT_TRUE(window->speedWord().suggestionCheckTimer().enabled());
}

TEST_F(KeyboardTest, TheClosingAnimationOnlyHidesIt) {
    openKeyboard();
    window->conversation().stepClosingAnimation();
    EXPECT_FALSE(keyboard->isVisible());
    EXPECT_FALSE(window->isEnabled());
    EXPECT_EQ(window->conversation().closingTicks(), 1);
}

TEST_F(KeyboardTest, AWindowManagerCloseGivesTheMainWindowBack) {
    openKeyboard();
    ASSERT_NE(keyboard->windowHandle(), nullptr);
    keyboard->windowHandle()->close();
    EXPECT_FALSE(keyboard->isVisible());
    EXPECT_TRUE(window->isEnabled());
    EXPECT_TRUE(window->controlStates().controlStateTimer().enabled());
    EXPECT_FALSE(keyboard->keyStateTimer().enabled());
}

} // namespace
} // namespace besedka::test
