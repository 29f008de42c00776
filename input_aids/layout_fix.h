// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/qt/sound_player.h"

#include <QLineEdit>

namespace besedka {

// Turns what was typed in the Latin layout into what the same keys give in the Russian one.
class LayoutFix {
public:
    LayoutFix(QLineEdit* inputLine, SoundPlayer& conversionSound);

    // The whole line in one pass, so the line changes at most once.
    void convertKeyboardLayout();

private:
    QLineEdit* inputLine_;
    SoundPlayer& conversionSound_;
};

} // namespace besedka
