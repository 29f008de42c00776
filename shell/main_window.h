// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "conversation/control_states.h"
#include "conversation/conversation.h"
#include "conversation/sounds.h"
#include "input_aids/layout_fix.h"
#include "input_aids/on_screen_keyboard.h"
#include "input_aids/reserved_character_guard.h"
#include "input_aids/speed_word.h"
#include "modes/exchange_mode.h"
#include "modes/remarks.h"
#include "platform/core/clock.h"
#include "platform/core/random_source.h"
#include "platform/qt/look.h"
#include "platform/qt/status_bar.h"
#include "platform/qt/transcript_view.h"
#include "shell/about_window.h"
#include "shell/appearance.h"
#include "shell/chosen_settings.h"
#include "shell/full_screen.h"
#include "shell/history_window.h"
#include "shell/kept_settings.h"
#include "shell/main_menu.h"
#include "shell/statistics.h"

#include <QFrame>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <memory>

namespace besedka {

struct MainControls {
    QFrame* transcriptFrame;
    TranscriptView* transcript;
    QFrame* inputFrame;
    QLineEdit* inputLine;
    QPushButton* undoButton;   // "<"
    QPushButton* layoutButton; // "E/R"
    QPushButton* sayButton;    // "Сказать"
    // The default button, out of sight: Enter clicks it, and it says the line.
    QPushButton* enterButton;
    StatusBar* statusBar;
};

// The main window. It builds the controls and the menu, owns the sounds and the appearance
// choosers they share, and composes the parts that do the work, the secondary windows among them.
// The parts' handlers are plain methods, run by the controls and timers through the error guard,
// and by tests directly, one tick at a time.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    // Opens the six sounds first (a missing one throws FileError: start-up cannot go on). Files
    // are found in the working folder, the current one unless given. The clock dates the history.
    MainWindow(RandomSource& random, const Clock& clock, const WorkingFolder& folder);

    // Centred on the desktop, as the program shows it.
    void showCentred();

    const MainControls& controls() const { return controls_; }
    const MainMenu& menu() const { return menu_; }
    Sounds& sounds() { return sounds_; }
    LookChoosers& choosers() { return choosers_; }

    ControlStates& controlStates() { return *controlStates_; }
    Conversation& conversation() { return *conversation_; }
    SpeedWord& speedWord() { return *speedWord_; }
    ReservedCharacterGuard& reservedCharacterGuard() { return *reservedCharacterGuard_; }
    Remarks& remarks() { return *remarks_; }
    ExchangeMode& exchangeMode() { return *exchangeMode_; }
    AboutWindow& aboutWindow() { return *aboutWindow_; }
    HistoryWindow& historyWindow() { return *historyWindow_; }
    OnScreenKeyboard& keyboard() { return *keyboard_; }
    Statistics& statistics() { return *statistics_; }
    Appearance& appearance() { return *appearance_; }
    FullScreen& fullScreen() { return *fullScreen_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    // While another window has it disabled, the line and the status bar stay readable: the
    // on-screen keyboard types into the one, Speed Word shows its offer in the other.
    void changeEvent(QEvent* event) override;
    // The status bar keeps to the bottom; at full screen the controls follow the maximised size.
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildControls();
    void composeParts(RandomSource& random, const Clock& clock, const WorkingFolder& folder);
    void connectCommands();
    void connectSettings();
    ChosenSettings settingsAtStart() const;
    template <typename Sender, typename Signal, typename Part>
    void connectHandler(Sender* sender, Signal signal, Part& part, void (Part::*handler)());
    template <typename Part>
    void connectCheckCommand(QAction* item, Part& part, void (Part::*handler)());

    Sounds sounds_;
    LookChoosers choosers_;
    MainControls controls_{};
    MainMenu menu_{};
    std::unique_ptr<ControlStates> controlStates_;
    std::unique_ptr<Conversation> conversation_;
    std::unique_ptr<SpeedWord> speedWord_;
    std::unique_ptr<ReservedCharacterGuard> reservedCharacterGuard_;
    std::unique_ptr<LayoutFix> layoutFix_;
    std::unique_ptr<Remarks> remarks_;
    std::unique_ptr<Statistics> statistics_;
    std::unique_ptr<ExchangeMode> exchangeMode_;
    std::unique_ptr<AboutWindow> aboutWindow_;
    std::unique_ptr<HistoryWindow> historyWindow_;
    std::unique_ptr<OnScreenKeyboard> keyboard_;
    SettingsModel* settings_ = nullptr; // a child, found by its class
    std::unique_ptr<Appearance> appearance_;
    std::unique_ptr<FullScreen> fullScreen_;
    std::unique_ptr<KeptSettings> keptSettings_;
};

} // namespace besedka
