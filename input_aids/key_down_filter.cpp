// SPDX-License-Identifier: GPL-3.0-or-later
#include "input_aids/key_down_filter.h"

#include <QCoreApplication>
#include <QKeyEvent>

namespace besedka {

KeyDownFilter::KeyDownFilter(std::function<void(int key)> onKeyDown, QObject* parent)
    : QObject(parent), onKeyDown_(std::move(onKeyDown)) {
    QCoreApplication::instance()->installEventFilter(this);
}

bool KeyDownFilter::eventFilter(QObject* watched, QEvent* event) {
    // Each key press first asks the focused object whether a shortcut may take it, even a press
    // that a shortcut then consumes. A question the object leaves open is handed on to its
    // parents, and the press itself follows: neither is a new press.
    if (event->type() != QEvent::ShortcutOverride)
        return false;
    const bool handedOn =
        event == lastEvent_ && lastReceiver_ != nullptr && watched == lastReceiver_->parent();
    lastEvent_ = event;
    lastReceiver_ = watched;
    if (!handedOn)
        onKeyDown_(static_cast<QKeyEvent*>(event)->key());
    return false;
}

} // namespace besedka
