// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>
#include <functional>

namespace besedka {

// Sees every key press of the application once, whichever window has the focus, before any
// window or shortcut acts on it, and always lets it through.
class KeyDownFilter : public QObject {
    Q_OBJECT

public:
    // Installs itself on the application object for its lifetime.
    KeyDownFilter(std::function<void(int key)> onKeyDown, QObject* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void(int key)> onKeyDown_;
    // Where the latest key event went: its next delivery to the parent is the same press.
    const QEvent* lastEvent_ = nullptr;
    QPointer<QObject> lastReceiver_;
};

} // namespace besedka
