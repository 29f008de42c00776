// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/chosen_settings.h"

#include "modes/exchange_editor.h"
#include "platform/qt/look.h"

namespace besedka {

namespace {

// The periods of the exchange poll, in milliseconds.
constexpr int kShortestPeriod = 1;
constexpr int kShortestTimerPeriod = 1000;

struct ColorSetting {
    const char* key;
    QColor ChosenSettings::*field;
};

constexpr ColorSetting kColors[] = {
    {"colors/windowBackground", &ChosenSettings::windowBackground},
    {"colors/transcriptBackground", &ChosenSettings::transcriptBackground},
    {"colors/inputBackground", &ChosenSettings::inputBackground},
    {"colors/inputText", &ChosenSettings::inputText},
    {"colors/sayCaption", &ChosenSettings::sayCaption},
    {"colors/undoCaption", &ChosenSettings::undoCaption},
    {"colors/layoutCaption", &ChosenSettings::layoutCaption},
    {"colors/shared", &ChosenSettings::sharedColor},
    {"colors/userLines", &ChosenSettings::userLineColor},
    {"colors/systemLines", &ChosenSettings::systemLineColor},
};

struct FontSetting {
    const char* key;
    FontSpec ChosenSettings::*field;
    FontChoice offered;
};

// The input line shows the size it started with, whatever its chooser holds.
const FontSetting kFonts[] = {
    {"fonts/userLines", &ChosenSettings::userLineFont, kLineFontChoice},
    {"fonts/systemLines", &ChosenSettings::systemLineFont, kLineFontChoice},
    {"fonts/inputChooser", &ChosenSettings::inputChooserFont, kInputFontChoice},
    {"fonts/input", &ChosenSettings::inputFont, FontChoice{}},
};

QString keyOf(const char* key) {
    return QString::fromLatin1(key);
}

const QString kExchangeFile = QStringLiteral("exchange/file");
const QString kExchangeOnPeriod = QStringLiteral("exchange/onPeriod");
const QString kExchangePeriod = QStringLiteral("exchange/period");
const QString kSpeedWord = QStringLiteral("speedWord/on");
const QString kSounds = QStringLiteral("sounds/on");

template <typename Value> void takeIfThere(Value& value, const std::optional<Value>& kept) {
    if (kept)
        value = *kept;
}

} // namespace

void takeExchange(ChosenSettings& chosen, const ExchangeSettings& exchange) {
    chosen.exchangeFile = exchange.path;
    chosen.exchangeOnPeriod = exchange.readByTimer;
    chosen.exchangePeriod = exchange.periodMs;
}

void SettingsModel::change(const std::function<void(ChosenSettings&)>& edit) {
    ChosenSettings next = chosen_;
    edit(next);
    if (next == chosen_)
        return;
    chosen_ = next;
    emit changed(chosen_);
}

void SettingsModel::reset(const ChosenSettings& chosen) {
    chosen_ = chosen;
    emit wasReset();
}

ChosenSettings readChosenSettings(const SettingsFile& file, ChosenSettings start) {
    for (const ColorSetting& setting : kColors)
        takeIfThere(start.*setting.field, file.color(keyOf(setting.key)));
    for (const FontSetting& setting : kFonts)
        takeIfThere(start.*setting.field, file.font(keyOf(setting.key), setting.offered));
    takeIfThere(start.exchangeFile, file.text(kExchangeFile));
    takeIfThere(start.exchangePeriod,
                file.number(kExchangePeriod, kShortestPeriod, kLongestExchangePeriodMs));
    // "Хорошо" and the reset give whole seconds. A timer trigger under a second would answer at
    // every tick of the poll, so it keeps the start's trigger.
    if (start.exchangePeriod >= kShortestTimerPeriod)
        takeIfThere(start.exchangeOnPeriod, file.flag(kExchangeOnPeriod));
    takeIfThere(start.speedWord, file.flag(kSpeedWord));
    takeIfThere(start.sounds, file.flag(kSounds));
    return start;
}

bool keepChosenSettings(SettingsFile& file, const ChosenSettings& chosen) {
    for (const ColorSetting& setting : kColors)
        file.putColor(keyOf(setting.key), chosen.*setting.field);
    for (const FontSetting& setting : kFonts)
        file.putFont(keyOf(setting.key), chosen.*setting.field);
    file.putText(kExchangeFile, chosen.exchangeFile);
    file.putFlag(kExchangeOnPeriod, chosen.exchangeOnPeriod);
    file.putNumber(kExchangePeriod, chosen.exchangePeriod);
    file.putFlag(kSpeedWord, chosen.speedWord);
    file.putFlag(kSounds, chosen.sounds);
    return file.save();
}

} // namespace besedka
