// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/busy_cursor.h"

#include <QApplication>
#include <QCursor>

namespace besedka {

void setBusyCursor(bool busy) {
    if (!busy) {
        while (QApplication::overrideCursor() != nullptr)
            QApplication::restoreOverrideCursor();
    } else if (QApplication::overrideCursor() == nullptr) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    }
}

} // namespace besedka
