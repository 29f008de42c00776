// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/qt/sound_player.h"

namespace besedka {

// The program's six sounds, opened together at start-up in this order: a missing one throws
// FileError, and start-up cannot go on.
struct Sounds {
    SoundPlayer keyClickSound{"Sound\\KeyBoard.wav"};
    // A turn starts: the user's line is shown.
    SoundPlayer phraseSound{"Sound\\Button3.wav"};
    SoundPlayer layoutConversionSound{"Sound\\Button2.wav"};
    SoundPlayer dialogueStartSound{"Sound\\Button1.wav"};
    // The program says something.
    SoundPlayer systemSound{"Sound\\CpuSound.wav"};
    SoundPlayer closingSound{"Sound\\Close.wav"};

    // Every sound of the program off or on at once: the switch in "Сервис".
    void setOn(bool on) {
        for (SoundPlayer* player : {&keyClickSound, &phraseSound, &layoutConversionSound,
                                    &dialogueStartSound, &systemSound, &closingSound})
            player->setSilenced(!on);
    }
};

} // namespace besedka
