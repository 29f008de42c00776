// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "modes/exchange_editor.h"
#include "platform/qt/look.h"
#include "platform/qt/transcript_view.h"
#include "shell/about_window.h"
#include "shell/chosen_settings.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <array>

namespace besedka {

// The settings of the menu "Настройки": colours and fonts, and the reset to the values of the
// start, whose mark any other setting takes off. Every command puts what it chose into the
// settings in force.
// Copies what the look's choosers hold into the chosen settings.
void rememberChoosers(ChosenSettings& chosen, const LookChoosers& choosers);

class Appearance {
public:
    struct Controls {
        QWidget* window;
        QWidget* background;
        TranscriptView* transcript;
        QLineEdit* inputLine;
        // The buttons of the input row, in the order the caption colour is asked for.
        std::array<QPushButton*, 3> buttons;
        QAction* resetSettingsAction; // checked while all are default
    };

    Appearance(Controls controls, LookChoosers& choosers, ExchangeEditor& editor,
               AboutWindow& aboutWindow, SettingsModel& settings);

    // Shows chosen colours and fonts where they differ from the start, so that a start with
    // nothing kept is the start as ever.
    void show(const ChosenSettings& chosen, const ChosenSettings& start);

    void chooseWindowColor();
    void chooseTranscriptColor();
    void chooseInputColor();
    // One opening of the shared colour for each button.
    void chooseButtonTextColors();
    void chooseUserLineColor();
    void chooseSystemLineColor();
    void chooseInputTextColor();
    void chooseUserLineFont();
    void chooseSystemLineFont();
    void chooseInputFont();
    void resetSettings();

private:
    template <typename Chooser> bool choose(Chooser& chooser);
    void chooseLineFont(FontChooser& chooser);
    // The shared colour, confirmed, as the background of one widget.
    void chooseBackground(QWidget* widget, QPalette::ColorRole role, QColor ChosenSettings::*field);
    // The choosers' values, confirmed or not, and what the command painted.
    void announce(const std::function<void(ChosenSettings&)>& painted = {});

    Controls controls_;
    LookChoosers& choosers_;
    ExchangeEditor& editor_;
    AboutWindow& aboutWindow_;
    SettingsModel& settings_;
};

} // namespace besedka
