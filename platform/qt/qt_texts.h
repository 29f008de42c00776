// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

namespace besedka {

// Qt's own texts (the buttons and labels of the colour and font choosers and of message boxes)
// in Russian, like the rest of the program, whatever the desktop's language. Where Qt's
// translations are not installed, they stay in English.
void installRussianQtTexts(QObject* application);

} // namespace besedka
