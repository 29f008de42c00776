// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/engine_text.h"

#include "platform/core/cp1251.h"

namespace besedka {

QString toQString(std::string_view engineText) {
    return QString::fromStdString(cp1251::toUtf8(engineText));
}

std::string toEngineText(const QString& text) {
    return cp1251::fromUtf8(text.toStdString());
}

} // namespace besedka
