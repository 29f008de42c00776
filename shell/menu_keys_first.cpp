// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/menu_keys_first.h"

#include <QKeyEvent>

namespace besedka {

MenuKeysFirst::MenuKeysFirst(QList<QKeyCombination> keys, QObject* parent)
    : QObject(parent), keys_(std::move(keys)) {}

bool MenuKeysFirst::eventFilter(QObject* watched, QEvent* event) {
    const bool keyEvent = event->type() == QEvent::ShortcutOverride ||
                          event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease;
    if (!keyEvent || !keys_.contains(static_cast<QKeyEvent*>(event)->keyCombination()))
        return QObject::eventFilter(watched, event);
    // An override left unaccepted lets the shortcut through; the key press itself is swallowed.
    event->setAccepted(event->type() != QEvent::ShortcutOverride);
    return true;
}

} // namespace besedka
