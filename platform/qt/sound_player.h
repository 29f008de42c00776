// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/core/paths.h"

#include <QSoundEffect>
#include <string>

namespace besedka {

// One WAV file, opened once. Without an audio device the program simply runs silently.
class SoundPlayer {
public:
    // Throws FileError "Cannot open file <spelledPath>" when the file is missing or not a WAV file.
    // The file is found in the working folder.
    explicit SoundPlayer(const std::string& spelledPath, const WorkingFolder& folder);

    // Starts the sound unless it is still playing or the player is silenced; a playing sound goes
    // on undisturbed.
    void play();
    // How often play was asked for while the player was not silenced: what tests can observe
    // without an audio device.
    int playRequests() const { return playRequests_; }

    // A silenced player plays nothing, and a sound it is playing falls silent at once.
    void setSilenced(bool silenced);
    bool silenced() const { return silenced_; }

private:
    QSoundEffect effect_;
    int playRequests_ = 0;
    bool silenced_ = false;
};

} // namespace besedka
