#pragma once

#include "engine/turn.h"
#include "input_aids/speed_word.h"
#include "platform/core/line_list.h"
#include "platform/core/random_source.h"
#include "platform/qt/choosers.h"
#include "platform/qt/sound_player.h"
#include "platform/qt/timer.h"
#include "platform/qt/transcript_view.h"
#include "shell/status_bar.h"

#include <QAction>
#include <QFrame>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QPushButton>
#include <string>

namespace besedka {

class TForm2;
class TForm3;
class TForm4;

// The main window. Its controls and timers are the program's state, as the other windows and
// the tests see it; its handlers are plain methods, run by the controls and timers through
// the error guard, and by tests directly, one tick at a time.
class TForm1 : public QMainWindow, private TurnView {
public:
    // Opens the six sounds (a missing one throws FileError: start-up cannot go on) and runs
    // FormCreate. Files are found beside the program, in the current directory.
    explicit TForm1(RandomSource& random);

    // Controls.
    QFrame* TabControl1 = nullptr;
    TranscriptView* RE1 = nullptr;
    QFrame* TabControl2 = nullptr;
    QLineEdit* Input = nullptr;
    QPushButton* Cancel = nullptr;
    QPushButton* EnRus = nullptr;
    QPushButton* Speak = nullptr;
    // The default button: Enter clicks it, and it clicks Speak.
    QPushButton* Talk = nullptr;
    StatusBar* SB1 = nullptr;

    // Menu "&Система".
    QMenu* N1 = nullptr;
    QAction* N2 = nullptr;  // "&Новый диалог"
    QAction* N23 = nullptr; // Speed Word completion, F5; a separator line in the menu
    QMenu* N17 = nullptr;   // "&Подробнее о базе:"
    QAction* N18 = nullptr; // "&Входящие выражения:"
    QAction* N19 = nullptr; // "&Исходящие выражения:"
    QAction* N20 = nullptr; // "&Итого:"
    QAction* N3 = nullptr;  // undo, Ctrl+Z; a separator line in the menu
    QAction* N4 = nullptr;  // "В&ыход"

    // Menu "&Настройки".
    QMenu* N5 = nullptr;
    QAction* N6 = nullptr;  // "&Цвет основного фона "
    QAction* N21 = nullptr; // "Ц&вет фона поля вывода реплик"
    QAction* N16 = nullptr; // "Цв&ет фона поля ввода реплик"
    QAction* N9 = nullptr;  // "Цве&т шрифтов кнопок на панели"
    QMenu* N7 = nullptr;    // "Цвет &реплик"
    QAction* User1 = nullptr;
    QAction* Cpu1 = nullptr;
    QAction* Mystring2 = nullptr;
    QMenu* N10 = nullptr; // "&Параметры шрифта"
    QAction* User2 = nullptr;
    QAction* Cpu2 = nullptr;
    QAction* Mystring1 = nullptr;
    QAction* N13 = nullptr; // "Вернуть первоначальные настройки", checked while all are default

    // Menu "Сервис".
    QMenu* N25 = nullptr;
    QAction* N22 = nullptr; // "&Вызвать виртуальную клавиатуру"
    QAction* N24 = nullptr; // "Speed Word"
    QAction* N40 = nullptr; // "&Full Screen"
    QMenu* N37 = nullptr;   // "&Режим"
    QAction* CpuUser1 = nullptr;
    QAction* Cpu31 = nullptr;
    QAction* N38 = nullptr; // "Ре&дактор"

    // Menu "С&правка".
    QMenu* N11 = nullptr;
    QAction* N12 = nullptr; // "&О программе..."

    // The other windows, created hidden after this one; the main window shows and hides them.
    TForm2* Form2 = nullptr;
    TForm3* Form3 = nullptr;
    TForm4* Form4 = nullptr;

    // Hidden line lists: the knowledge-base working list, the session buffer and the
    // exchange buffer.
    LineList RE2;
    LineList Log;
    LineList LoadtxtCpuCpu;

    SoundPlayer MP1; // key click
    SoundPlayer MP2; // a turn starts
    SoundPlayer MP3; // layout conversion
    SoundPlayer MP4; // dialogue-start animation
    SoundPlayer MP5; // the program says something
    SoundPlayer MP6; // closing animation

    ColorChooser ColorDialog1; // shared colour
    ColorChooser ColorDialog2; // user lines
    ColorChooser ColorDialog3; // the program's lines
    FontChooser FontDialog1;   // user lines
    FontChooser FontDialog2;   // the program's lines
    FontChooser FontDialog3;   // the input line

    Timer T1;  // user-interface state
    Timer T2;  // idle remark
    Timer T3;  // knowledge-base load at start
    Timer T4;  // closing animation
    Timer T5;  // reserved-character guard
    Timer T6;  // exchange-file poll
    Timer T7;  // dialogue-start animation
    Timer T8;  // knowledge-base statistics
    Timer T9;  // follow-up remark
    Timer T10; // greeting
    Timer T11; // Speed Word suggestion

    // Seconds of silence counted for the idle remark.
    int IdleTicks = 0;
    // Ticks of the closing animation so far; never reset, so an interrupted farewell resumes.
    int ClosingTicks = 0;

    Engine& engine() { return engine_; }

    // Handlers.
    void FormCreate();
    void T1Timer();
    void T3Timer();
    void T4Timer();
    void T7Timer();
    void SpeakClick();
    void TalkClick();
    void CancelClick();
    void InputChange();
    void N2Click();
    void N3Click();
    void N4Click();

    void centreOnDesktop();

    // Conversation modes and autonomous remarks (modes/).
    // Milliseconds counted by T9 towards the follow-up remark; kept when a turn stops T9.
    int FollowUpWait = 0;
    void T2Timer();
    void T9Timer();
    void T10Timer();
    void T6Timer();
    void CpuUser1Click();
    void Cpu31Click();
    void N38Click();

    // Input aids (input_aids/).
    LineList SpeedWord; // the Speed Word dictionary, loaded at each switch
    SpeedWordOffer Suggestion;
    // The position of Input that the reserved-character guard inspected last.
    int ScanPosition = 0;
    void T5Timer();
    void T11Timer();
    void EnRusClick();
    void N22Click();
    void N23Click();
    void N24Click();
    // Every key press of the application comes here first: Up and Down step through the offers.
    void ApplicationKeyDown(int key);
    // Whether status panel 0 shows a dictionary entry, the only time F5 has something to add.
    bool showsSuggestion() const;

    // Statistics, appearance, full screen and the About window (shell/).
    void T8Timer();
    void N6Click();
    void N21Click();
    void N16Click();
    void N9Click();
    void User1Click();
    void Cpu1Click();
    void Mystring2Click();
    void User2Click();
    void Cpu2Click();
    void Mystring1Click();
    void N13Click();
    void N40Click();
    void N12Click();

protected:
    void closeEvent(QCloseEvent* event) override;
    // While another window has it disabled, the line and the status bar stay readable: the
    // on-screen keyboard types into the one, Speed Word shows its offer in the other.
    void changeEvent(QEvent* event) override;
    // The status bar keeps to the bottom; at full screen the controls follow the maximised size.
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildControls();
    void buildMenu();
    QAction* addSeparatorCommand(QMenu* menu, QKeyCombination key);
    QAction* addCheckItem(QMenu* menu, const QString& text, bool checked);
    void connectCheckCommand(QAction* item, void (TForm1::*handler)());
    void connectHandlers();
    void finishLoading();
    void connectModeHandlers();
    // The path in the editor window, as the engine spells paths.
    std::string exchangePath() const;
    // Every top-level menu of the menu bar.
    void setMenusEnabled(bool enabled);
    int drawBetween(int lowest, int highest);
    void layOutFullScreen();

    // What the engine shows through the window during a turn.
    void setBusyCursor(bool busy) override;
    void playPhraseSound() override;
    void playSystemSound() override;
    void showUserLine(const std::string& phrase) override;
    void showSystemLine(const std::string& line) override;
    void setClosingTimer(bool enabled) override;
    void setFollowUpTimer(bool enabled) override;

    RandomSource& random_;
    Engine engine_;
};

} // namespace besedka
