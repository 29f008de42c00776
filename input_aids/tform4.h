#pragma once

#include "platform/qt/timer.h"

#include <QAction>
#include <QGroupBox>
#include <QMainWindow>
#include <QMenu>
#include <QPushButton>
#include <QString>

namespace besedka {

class TForm1;

// The on-screen keyboard: Cyrillic letters, signs, space, Backspace and Enter, typed with the
// mouse into the main window's input line. Created once, hidden, and only shown and hidden
// afterwards; while it is shown the main window is disabled. Its keys carry their names as
// object names (SB2 ... SB66, Sd8).
class TForm4 : public QMainWindow {
public:
    explicit TForm4(TForm1& main);

    QGroupBox* GroupBox1 = nullptr; // "Знаки:"
    QGroupBox* GroupBox2 = nullptr; // "Буквы:"
    QPushButton* SB23 = nullptr;    // "Пробел"
    QPushButton* SB62 = nullptr;    // "Bcksp"
    QPushButton* SB63 = nullptr;    // Caps Lock
    QPushButton* SB66 = nullptr;    // "[Enter]"

    // Menu "&Система".
    QMenu* N1 = nullptr;
    QAction* N2 = nullptr; // "С&крыть виртуальную клавиатуру"
    QAction* N3 = nullptr; // Speed Word completion, F5; a separator line in the menu

    Timer T1; // enables the keys and F5 while the keyboard is shown

    // 0: the letter keys give lower case; 1: upper case. Kept while the window is hidden.
    int CapsLockState = 0;

    // Every sign key and the space key: one operation with a different character.
    void SignKeyClick(char sign);
    // Every letter key: the lower-case or the upper-case letter, by the Caps Lock state.
    void LetterKeyClick(char upperCaseLetter);
    void SB62Click();
    void SB63Click();
    void SB66Click();
    void N2Click();
    void N3Click();
    void T1Timer();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildKeys();
    void buildMenu();
    void connectHandlers();
    QPushButton* addKey(QWidget* parent, const char* name, const QString& caption,
                        const QRect& geometry);
    void appendToInput(char character);

    TForm1& main_;
};

} // namespace besedka
