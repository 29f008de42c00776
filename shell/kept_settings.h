// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "input_aids/speed_word.h"
#include "modes/exchange_editor.h"
#include "platform/qt/look.h"
#include "platform/qt/settings_file.h"
#include "shell/chosen_settings.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <array>

namespace besedka {

// Keeps what the user chooses in "Настройки", in the exchange editor and with the Speed Word and
// sound switches from one start to the next: applied before the window is first shown, written as
// soon as a choice is confirmed (so that a crash or a window closed without "Выход" loses nothing),
// and forgotten by the reset.
class KeptSettings {
public:
    struct Controls {
        QWidget* window;
        QWidget* background;
        QWidget* transcript;
        QLineEdit* inputLine;
        // The buttons of the input row: "Сказать", "<", "E/R".
        std::array<QPushButton*, 3> buttons;
        QAction* resetSettingsAction;
        QAction* speedWordAction;
        QAction* soundsAction;
    };

    KeptSettings(Controls controls, LookChoosers& choosers, ExchangeEditor& editor,
                 SpeedWord& speedWord, SettingsFile file = SettingsFile());

    // Takes the values of the start as they are now, then the kept ones over them. A value the
    // file does not hold in good form keeps its start value, without a word: the file is
    // rewritten at the next confirmed choice.
    void applyAtStart();
    // After a command that may have changed a choice: writes them all when one did.
    void keepChanges();
    // After the reset: the next start has the start values too. Says so when it cannot.
    void forget();

private:
    ChosenSettings current() const;
    void apply(const ChosenSettings& chosen);

    Controls controls_;
    LookChoosers& choosers_;
    ExchangeEditor& editor_;
    SpeedWord& speedWord_;
    SettingsFile file_;
    ChosenSettings start_;
    ChosenSettings kept_;
    bool toldNotKept_ = false;
};

} // namespace besedka
