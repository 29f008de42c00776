// SPDX-License-Identifier: GPL-3.0-or-later
#include "work_folder.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace besedka::test {

namespace {

void put16(std::string& bytes, std::uint16_t value) {
    bytes += static_cast<char>(value & 0xFF);
    bytes += static_cast<char>(value >> 8);
}

void put32(std::string& bytes, std::uint32_t value) {
    put16(bytes, static_cast<std::uint16_t>(value & 0xFFFF));
    put16(bytes, static_cast<std::uint16_t>(value >> 16));
}

// A tenth of a second of silence: 8 kHz, mono, 16-bit PCM.
std::string silentWave() {
    constexpr std::uint32_t kRate = 8000;
    constexpr std::uint32_t kDataBytes = kRate / 10 * 2;
    std::string bytes = "RIFF";
    put32(bytes, 36 + kDataBytes);
    bytes += "WAVEfmt ";
    put32(bytes, 16);
    put16(bytes, 1);
    put16(bytes, 1);
    put32(bytes, kRate);
    put32(bytes, kRate * 2);
    put16(bytes, 2);
    put16(bytes, 16);
    bytes += "data";
    put32(bytes, kDataBytes);
    bytes.append(kDataBytes, '\0');
    return bytes;
}

// A picture of 2 × 2 grey pixels, 24 bits each, rows padded to four bytes.
std::string greyPicture() {
    constexpr std::uint32_t kPixelBytes = 2 * (2 * 3 + 2);
    std::string bytes = "BM";
    put32(bytes, 54 + kPixelBytes);
    put32(bytes, 0);
    put32(bytes, 54);
    put32(bytes, 40);
    put32(bytes, 2);
    put32(bytes, 2);
    put16(bytes, 1);
    put16(bytes, 24);
    put32(bytes, 0);
    put32(bytes, kPixelBytes);
    put32(bytes, 2835);
    put32(bytes, 2835);
    put32(bytes, 0);
    put32(bytes, 0);
    bytes.append(kPixelBytes, '\x80');
    return bytes;
}

const char* const kSounds[] = {"KeyBoard.wav", "Button3.wav",  "Button2.wav",
                               "Button1.wav",  "CpuSound.wav", "Close.wav"};

} // namespace

WorkFolder::WorkFolder() {
    // The settings a window keeps go here, never into the user's own.
    setenv("XDG_CONFIG_HOME", (path() / "config").c_str(), 1);
    for (const char* sound : kSounds)
        write(std::string("Sound/") + sound, silentWave());

    write("Images/Inform.bmp", greyPicture());
    writeLines("Base/Words.Dat", {"БАЗА ФРАЗ", "ПРИВЕТ.^Привет, человек!;", "_КАК ДЕЛА?^Хорошо.;",
                                  "ПОКА.^До свидания!;@"});
    writeLines("Base/Povtor.Dat", {"Ты повторяешься."});
    writeLines("Base/X.Dat", {"Не груби."});
    writeLines("Base/Collection.Dat", {});
    writeLines("Base/BigString.Dat", {"Слишком длинно."});
    writeLines("Base/W1.Dat", {"Не знаю."});
    writeLines("Base/W2.Dat", {"Понятно."});
    writeLines("Base/AI.dat", {"-", "Кстати."});
    writeLines("Base/Pause.Dat", {"Ты здесь?"});
    writeLines("Base/Begin.dat", {"Здравствуй!"});
    writeLines("Base/Log.Quorel", {});
}

} // namespace besedka::test
