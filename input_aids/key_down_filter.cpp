#include "input_aids/key_down_filter.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>

namespace besedka {

KeyDownFilter::KeyDownFilter(std::function<void(int key)> onKeyDown, QObject* parent)
    : QObject(parent), onKeyDown_(std::move(onKeyDown)) {
    QCoreApplication::instance()->installEventFilter(this);
}

bool KeyDownFilter::eventFilter(QObject* watched, QEvent* event) {
    // Each key press first asks the focused object whether a shortcut may take it, even a press
    // that a shortcut then consumes; the same event handed on to the parents, and the press that
    // follows, are not new presses.
    if (event->type() == QEvent::ShortcutOverride && watched == QGuiApplication::focusObject())
        onKeyDown_(static_cast<QKeyEvent*>(event)->key());
    return false;
}

} // namespace besedka
