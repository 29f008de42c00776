// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace besedka {

// The one crossing between the engine's Windows-1251 bytes and Qt's text.
QString toQString(std::string_view engineText);
std::string toEngineText(const QString& text);

} // namespace besedka
