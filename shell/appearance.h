// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "modes/exchange_editor.h"
#include "platform/qt/look.h"
#include "platform/qt/transcript_view.h"
#include "shell/about_window.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <array>

namespace besedka {

// The settings of the menu "Настройки": colours and fonts, for the session only, and the reset to
// the values of the start, whose mark any other setting takes off.
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
               AboutWindow& aboutWindow);

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

    Controls controls_;
    LookChoosers& choosers_;
    ExchangeEditor& editor_;
    AboutWindow& aboutWindow_;
};

} // namespace besedka
