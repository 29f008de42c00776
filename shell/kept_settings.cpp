// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/kept_settings.h"

#include "platform/qt/message_box.h"

#include <QScopedValueRollback>

namespace besedka {

KeptSettings::KeptSettings(SettingsModel& settings, Parts parts, SettingsFile file)
    : settings_(settings), parts_(parts), file_(std::move(file)) {}

void KeptSettings::applyAtStart() {
    // What the parts announce while they take the kept values is what the file holds already.
    const QScopedValueRollback<bool> applying(applying_, true);
    const ChosenSettings start = settings_.chosen();
    kept_ = readChosenSettings(file_, start);
    settings_.change([this](ChosenSettings& chosen) {
        chosen = kept_;
        // Speed Word announces itself once it is on: a dictionary that is gone leaves it off.
        chosen.speedWord = parts_.speedWordAction->isChecked();
    });
    parts_.appearance.show(kept_, start);
    parts_.editor.putInForce({kept_.exchangeFile, kept_.exchangeOnPeriod, kept_.exchangePeriod});
    if (kept_.speedWord != parts_.speedWordAction->isChecked())
        parts_.speedWord.switchSpeedWord();
    parts_.soundsAction->setChecked(kept_.sounds);
    parts_.resetSettingsAction->setChecked(kept_ == start);
}

void KeptSettings::keepChanges() {
    const ChosenSettings& chosen = settings_.chosen();
    if (applying_ || chosen == kept_)
        return;
    kept_ = chosen;
    if (keepChosenSettings(file_, chosen) || toldNotKept_)
        return;
    // Once: the choice still holds for this session.
    toldNotKept_ = true;
    MessageBox::showError(QStringLiteral("Настройки не удалось сохранить: %1").arg(file_.path()),
                          {});
}

void KeptSettings::forget() {
    kept_ = settings_.chosen();
    // Else the choices the user meant to drop come back at the next start.
    if (!file_.forget())
        MessageBox::showError(QStringLiteral("Настройки не удалось сбросить: %1").arg(file_.path()),
                              {});
}

} // namespace besedka
