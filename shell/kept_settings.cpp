// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/kept_settings.h"

#include "platform/qt/message_box.h"

namespace besedka {

namespace {

QColor activeColor(const QWidget* widget, QPalette::ColorRole role) {
    return widget->palette().color(QPalette::Active, role);
}

} // namespace

KeptSettings::KeptSettings(Controls controls, LookChoosers& choosers, ExchangeEditor& editor,
                           SpeedWord& speedWord, SettingsFile file)
    : controls_(controls), choosers_(choosers), editor_(editor), speedWord_(speedWord),
      file_(std::move(file)) {}

ChosenSettings KeptSettings::current() const {
    ChosenSettings chosen;
    chosen.windowBackground = activeColor(controls_.background, QPalette::Window);
    chosen.transcriptBackground = activeColor(controls_.transcript, QPalette::Base);
    chosen.inputBackground = activeColor(controls_.inputLine, QPalette::Base);
    chosen.inputText = activeColor(controls_.inputLine, QPalette::Text);
    chosen.sayCaption = activeColor(controls_.buttons[0], QPalette::ButtonText);
    chosen.undoCaption = activeColor(controls_.buttons[1], QPalette::ButtonText);
    chosen.layoutCaption = activeColor(controls_.buttons[2], QPalette::ButtonText);
    chosen.sharedColor = choosers_.sharedColor.color();
    chosen.userLineColor = choosers_.userLineColor.color();
    chosen.systemLineColor = choosers_.systemLineColor.color();
    chosen.userLineFont = choosers_.userLineFont.font();
    chosen.systemLineFont = choosers_.systemLineFont.font();
    chosen.inputChooserFont = choosers_.inputFont.font();
    chosen.inputFont = fontSpecOf(controls_.inputLine->font());
    const ExchangeSettings& exchange = editor_.settings();
    chosen.exchangeFile = exchange.path;
    chosen.exchangeOnPeriod = exchange.readByTimer;
    chosen.exchangePeriod = exchange.periodMs;
    chosen.speedWord = controls_.speedWordAction->isChecked();
    chosen.sounds = controls_.soundsAction->isChecked();
    return chosen;
}

void KeptSettings::applyAtStart() {
    start_ = current();
    kept_ = readChosenSettings(file_, start_);
    apply(kept_);
    controls_.resetSettingsAction->setChecked(kept_ == start_);
}

// Only what differs from the start, so that a start with nothing kept is the start as ever.
void KeptSettings::apply(const ChosenSettings& chosen) {
    const auto changed = [this, &chosen](auto ChosenSettings::*field) {
        return chosen.*field != start_.*field;
    };
    if (changed(&ChosenSettings::windowBackground))
        paintBackground(controls_.background, QPalette::Window, chosen.windowBackground);
    if (changed(&ChosenSettings::transcriptBackground))
        paintBackground(controls_.transcript, QPalette::Base, chosen.transcriptBackground);
    if (changed(&ChosenSettings::inputBackground))
        paintBackground(controls_.inputLine, QPalette::Base, chosen.inputBackground);
    if (changed(&ChosenSettings::inputText))
        paintEnabledText(controls_.inputLine, QPalette::Text, chosen.inputText);
    const QColor ChosenSettings::*captions[] = {&ChosenSettings::sayCaption,
                                                &ChosenSettings::undoCaption,
                                                &ChosenSettings::layoutCaption};
    for (std::size_t i = 0; i < controls_.buttons.size(); ++i) {
        if (chosen.*captions[i] != start_.*captions[i])
            paintEnabledText(controls_.buttons[i], QPalette::ButtonText, chosen.*captions[i]);
    }
    choosers_.sharedColor.setColor(chosen.sharedColor);
    choosers_.userLineColor.setColor(chosen.userLineColor);
    choosers_.systemLineColor.setColor(chosen.systemLineColor);
    choosers_.userLineFont.setFont(chosen.userLineFont);
    choosers_.systemLineFont.setFont(chosen.systemLineFont);
    choosers_.inputFont.setFont(chosen.inputChooserFont);
    if (changed(&ChosenSettings::inputFont)) {
        // The name and style; the line keeps its size.
        QFont font = controls_.inputLine->font();
        font.setFamily(chosen.inputFont.name);
        applyStyle(font, chosen.inputFont);
        controls_.inputLine->setFont(font);
    }
    editor_.putInForce({chosen.exchangeFile, chosen.exchangeOnPeriod, chosen.exchangePeriod});
    if (chosen.speedWord != controls_.speedWordAction->isChecked())
        speedWord_.switchSpeedWord();
    controls_.soundsAction->setChecked(chosen.sounds);
}

void KeptSettings::keepChanges() {
    const ChosenSettings chosen = current();
    if (chosen == kept_)
        return;
    kept_ = chosen;
    if (keepChosenSettings(file_, chosen) || toldNotKept_)
        return;
    // Once: the choice still holds for this session.
    toldNotKept_ = true;
    MessageBox::showError(
        QStringLiteral("Настройки не удалось сохранить: %1").arg(file_.path()), {});
}

void KeptSettings::forget() {
    kept_ = current();
    // Else the choices the user meant to drop come back at the next start.
    if (!file_.forget())
        MessageBox::showError(
            QStringLiteral("Настройки не удалось сбросить: %1").arg(file_.path()), {});
}

} // namespace besedka
