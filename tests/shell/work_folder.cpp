#include "work_folder.h"

#include "platform/core/cp1251.h"
#include "platform/core/line_list.h"

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>

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

const char* const kSounds[] = {"KeyBoard.wav", "Button3.wav",  "Button2.wav",
                               "Button1.wav",  "CpuSound.wav", "Close.wav"};

} // namespace

WorkFolder::WorkFolder() : previous_(std::filesystem::current_path()) {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "besedka-shell-XXXXXX").string();
    root_ = ::mkdtemp(pattern.data());
    std::filesystem::current_path(root_);
    std::filesystem::create_directories(root_ / "Base");
    std::filesystem::create_directories(root_ / "Sound");
    for (const char* sound : kSounds)
        std::ofstream(root_ / "Sound" / sound, std::ios::binary) << silentWave();

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

WorkFolder::~WorkFolder() {
    std::filesystem::current_path(previous_);
    std::error_code ignored;
    std::filesystem::remove_all(root_, ignored);
}

void WorkFolder::writeLines(const std::string& relative,
                            const std::vector<std::string>& utf8Lines) const {
    std::ofstream out(root_ / relative, std::ios::binary);
    for (const std::string& line : utf8Lines)
        out << cp1251::fromUtf8(line) << "\r\n";
}

std::vector<std::string> WorkFolder::readLines(const std::string& relative) const {
    LineList list;
    list.load((root_ / relative).string());
    std::vector<std::string> lines;
    for (const std::string& line : list.lines())
        lines.push_back(cp1251::toUtf8(line));
    return lines;
}

std::string WorkFolder::readBytes(const std::string& relative) const {
    std::ifstream in(root_ / relative, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool WorkFolder::exists(const std::string& relative) const {
    return std::filesystem::exists(root_ / relative);
}

void WorkFolder::remove(const std::string& relative) const {
    std::filesystem::remove(root_ / relative);
}

} // namespace besedka::test
