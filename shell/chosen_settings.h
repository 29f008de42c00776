// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/qt/choosers.h"
#include "platform/qt/settings_file.h"

#include <QColor>
#include <QString>

namespace besedka {

// Everything the settings menu, the exchange editor and the Speed Word and sound switches let a
// user choose:
// what the program keeps between starts. The conversation mode, full screen and the window's
// place are not among it: a start always talks to the person, in a window.
struct ChosenSettings {
    QColor windowBackground;
    QColor transcriptBackground;
    QColor inputBackground;
    QColor inputText;
    QColor sayCaption;
    QColor undoCaption;
    QColor layoutCaption;
    // The colour the shared chooser holds: the next one it opens with, and the idle remarks' colour.
    QColor sharedColor;
    QColor userLineColor;
    QColor systemLineColor;
    FontSpec userLineFont;
    FontSpec systemLineFont;
    // The input line's chooser, and the name and style the line shows; its size never changes.
    FontSpec inputChooserFont;
    FontSpec inputFont;
    QString exchangeFile;
    bool exchangeOnPeriod = false;
    // In milliseconds, as the poll counts it.
    int exchangePeriod = 1;
    bool speedWord = false;
    bool sounds = true;

    bool operator==(const ChosenSettings&) const = default;
};

// The choices the file keeps, each in place of its value in `start` when it is there in good form.
ChosenSettings readChosenSettings(const SettingsFile& file, ChosenSettings start);

// Keeps the choices in the file, in place of whatever it held. False when they could not be kept.
bool keepChosenSettings(SettingsFile& file, const ChosenSettings& chosen);

} // namespace besedka
