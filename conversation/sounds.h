// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/qt/sound_player.h"

namespace besedka {

// The program's six sounds, opened together at start-up in this order: a missing one throws
// FileError, and start-up cannot go on.
struct Sounds {
    // The files are those of the working folder.
    explicit Sounds(const WorkingFolder& folder)
        : keyClickSound("Sound\\KeyBoard.wav", folder), phraseSound("Sound\\Button3.wav", folder),
          layoutConversionSound("Sound\\Button2.wav", folder),
          dialogueStartSound("Sound\\Button1.wav", folder),
          systemSound("Sound\\CpuSound.wav", folder), closingSound("Sound\\Close.wav", folder) {}

    SoundPlayer keyClickSound;
    // A turn starts: the user's line is shown.
    SoundPlayer phraseSound;
    SoundPlayer layoutConversionSound;
    SoundPlayer dialogueStartSound;
    // The program says something.
    SoundPlayer systemSound;
    SoundPlayer closingSound;

    // Every sound of the program off or on at once: the switch in "Сервис".
    void setOn(bool on) {
        for (SoundPlayer* player : {&keyClickSound, &phraseSound, &layoutConversionSound,
                                    &dialogueStartSound, &systemSound, &closingSound})
            player->setSilenced(!on);
    }
};

} // namespace besedka
