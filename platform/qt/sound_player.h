// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSoundEffect>
#include <string>

namespace besedka {

// One WAV file, opened once. Without an audio device the program simply runs silently.
class SoundPlayer {
public:
    // Throws FileError "Cannot open file <spelledPath>" when the file is missing or not a WAV file.
    explicit SoundPlayer(const std::string& spelledPath);

    // Starts the sound unless it is still playing; a playing sound goes on undisturbed.
    void play();
    // How often play was asked for: what tests can observe without an audio device.
    int playRequests() const { return playRequests_; }

private:
    QSoundEffect effect_;
    int playRequests_ = 0;
};

} // namespace besedka
