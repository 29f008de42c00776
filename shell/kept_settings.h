// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "input_aids/speed_word.h"
#include "modes/exchange_editor.h"
#include "platform/qt/settings_file.h"
#include "shell/appearance.h"
#include "shell/chosen_settings.h"

#include <QAction>

namespace besedka {

// Keeps what the user chooses in "Настройки", in the exchange editor and with the Speed Word and
// sound switches from one start to the next: applied before the window is first shown, written as
// soon as the settings in force announce a change (so that a crash or a window closed without
// "Выход" loses nothing), and forgotten by the reset.
class KeptSettings {
public:
    // The parts that show a kept choice at the start; the settings in force are followed from then.
    struct Parts {
        Appearance& appearance;
        ExchangeEditor& editor;
        SpeedWord& speedWord;
        QAction* speedWordAction;
        QAction* soundsAction;
        QAction* resetSettingsAction;
    };

    KeptSettings(SettingsModel& settings, Parts parts, SettingsFile file = SettingsFile());

    // Takes the settings in force as the start values, then the kept ones over them. A value the
    // file does not hold in good form keeps its start value, without a word: the file is
    // rewritten at the next change.
    void applyAtStart();
    // Writes the settings in force when they differ from the kept ones.
    void keepChanges();
    // After the reset: the next start has the start values too. Says so when it cannot.
    void forget();

private:
    SettingsModel& settings_;
    Parts parts_;
    SettingsFile file_;
    ChosenSettings kept_;
    bool applying_ = false;
    bool toldNotKept_ = false;
};

} // namespace besedka
