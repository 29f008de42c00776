// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/sound_player.h"

#include "platform/core/file_error.h"
#include "platform/core/paths.h"

#include <QAudioDevice>
#include <QFile>
#include <QMediaDevices>
#include <QUrl>
#include <array>
#include <fstream>
#include <string_view>

namespace besedka {

namespace {

// A RIFF file of the WAVE form; the rest is the sound system's business.
bool isWaveFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::array<char, 12> header{};
    if (!in.read(header.data(), header.size()))
        return false;
    const std::string_view bytes(header.data(), header.size());
    return bytes.substr(0, 4) == "RIFF" && bytes.substr(8, 4) == "WAVE";
}

} // namespace

SoundPlayer::SoundPlayer(const std::string& spelledPath, const WorkingFolder& folder) {
    const std::filesystem::path path = folder.resolve(spelledPath);
    if (!isWaveFile(path))
        throw FileError::cannotOpen(spelledPath);
    effect_.setSource(QUrl::fromLocalFile(QFile::decodeName(path.c_str())));
}

void SoundPlayer::play() {
    if (silenced_)
        return;
    ++playRequests_;
    // Without an audio device the program is silent, and says nothing about it at every sound.
    if (!effect_.isPlaying() && !QMediaDevices::defaultAudioOutput().isNull())
        effect_.play();
}

void SoundPlayer::setSilenced(bool silenced) {
    silenced_ = silenced;
    effect_.setMuted(silenced);
}

} // namespace besedka
