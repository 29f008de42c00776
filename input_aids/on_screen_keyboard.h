// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "conversation/control_states.h"
#include "conversation/conversation.h"
#include "input_aids/speed_word.h"
#include "platform/qt/timer.h"

#include <QAction>
#include <QGroupBox>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QPushButton>
#include <QString>

namespace besedka {

// The on-screen keyboard: Cyrillic letters, signs, space, Backspace and Enter, typed with the
// mouse into the main window's input line. Created once, hidden, and only shown and hidden
// afterwards; while it is shown the main window is disabled.
class OnScreenKeyboard : public QMainWindow {
    Q_OBJECT

public:
    OnScreenKeyboard(QLineEdit* inputLine, Conversation& conversation, SpeedWord& speedWord,
                     ControlStates& controlStates, const QFont& font);

    QGroupBox* signsGroup = nullptr;   // "Знаки:"
    QGroupBox* lettersGroup = nullptr; // "Буквы:"
    QPushButton* spaceKey = nullptr;
    QPushButton* backspaceKey = nullptr;
    QPushButton* capsLockKey = nullptr;
    QPushButton* enterKey = nullptr;

    // Menu "&Система".
    QMenu* systemMenu = nullptr;
    QAction* hideAction = nullptr;
    QAction* completeWordAction = nullptr; // F5; a separator line in the menu

    // Enables the keys and F5 while the keyboard is shown.
    const Timer& keyStateTimer() const { return keyStateTimer_; }
    // Off, the letter keys give lower case. Kept while the window is hidden.
    bool capsLockOn() const { return capsLockOn_; }

    void open();
    // Every sign key and the space key: one operation with a different character.
    void typeSign(char sign);
    // Every letter key: the lower-case or the upper-case letter, by the Caps Lock state.
    void typeLetter(char upperCaseLetter);
    void deleteLastCharacter();
    void toggleCapsLock();
    void sayLine();
    void dismiss();
    void completeWord();
    void updateKeys();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildKeys();
    void buildMenu();
    void connectHandlers();
    QPushButton* addKey(QWidget* parent, const QString& caption, const QRect& geometry);
    void appendToInput(char character);

    QLineEdit* inputLine_;
    Conversation& conversation_;
    SpeedWord& speedWord_;
    ControlStates& controlStates_;
    bool capsLockOn_ = false;
    Timer keyStateTimer_;
};

} // namespace besedka
