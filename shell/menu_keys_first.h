// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QKeyCombination>
#include <QList>
#include <QObject>

namespace besedka {

// Keeps a line edit's own meaning of a key (Ctrl+Z: its private undo) from shadowing the
// window's menu shortcut. The key reaches the menu; when the menu item is disabled the key
// does nothing at all rather than falling through to the edit.
class MenuKeysFirst : public QObject {
    Q_OBJECT

public:
    MenuKeysFirst(QList<QKeyCombination> keys, QObject* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QList<QKeyCombination> keys_;
};

} // namespace besedka
