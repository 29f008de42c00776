// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "modes/exchange_editor.h"
#include "platform/qt/font_spec.h"
#include "platform/qt/settings_file.h"

#include <QColor>
#include <QObject>
#include <QString>
#include <functional>

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
    // The colour the shared chooser holds: the next one it opens with, and the idle remarks'
    // colour.
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

// The exchange settings as the editor puts them in force.
void takeExchange(ChosenSettings& chosen, const ExchangeSettings& exchange);

// The settings in force this session, one value that every part which changes a setting updates.
// A change is announced once, after the value holds it, so whoever follows the settings depends
// neither on the order in which the parts were connected nor on reading the widgets back.
class SettingsModel : public QObject {
    Q_OBJECT

public:
    SettingsModel(const ChosenSettings& start, QObject* parent) : QObject(parent), chosen_(start) {}

    const ChosenSettings& chosen() const { return chosen_; }
    // Takes the edited value; announces it when it differs from the one held.
    void change(const std::function<void(ChosenSettings&)>& edit);
    // The reset's values, announced as the reset and never as a choice.
    void reset(const ChosenSettings& chosen);

signals:
    void changed(const ChosenSettings& chosen);
    void wasReset();

private:
    ChosenSettings chosen_;
};

// The choices the file keeps, each in place of its value in `start` when it is there in good form.
ChosenSettings readChosenSettings(const SettingsFile& file, ChosenSettings start);

// Keeps the choices in the file, in place of whatever it held. False when they could not be kept.
bool keepChosenSettings(SettingsFile& file, const ChosenSettings& chosen);

} // namespace besedka
