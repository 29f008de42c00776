// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/engine/engine_fixture.h"

#include "platform/core/cp1251.h"

#include <algorithm>
#include <fstream>
#include <sstream>
#include <sys/wait.h>

namespace besedka::test {

std::string cp(std::string_view utf8) {
    return cp1251::fromUtf8(utf8);
}
std::string utf(std::string_view cp1251Text) {
    return cp1251::toUtf8(cp1251Text);
}

BaseFolder::BaseFolder() {
    std::filesystem::create_directory(root() / "Base");
}

std::vector<std::string> examplePhraseBase() {
    return {"Фразы", "ПРИВЕТ.^Привет!;Здравствуй.;", "_КАК ДЕЛА?^Хорошо.;", "ТЫ КТО?^",
            "ПОКА.^До свидания!;@"};
}

std::map<std::string, std::string> contentsOf(const std::filesystem::path& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        if (!entry.is_regular_file())
            continue;
        std::ifstream in(entry.path(), std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        files[entry.path().lexically_relative(folder).string()] = bytes.str();
    }
    return files;
}

Background::Background(const BaseFolder& folder, const std::string& command,
                       const std::string& input, const std::string& name)
    : folder_(folder), name_(name) {
    const auto root = folder.root();
    std::ofstream(root / (name + ".in"), std::ios::binary) << input;
    const std::string line = "cd '" + root.string() + "' && '" BESEDKA_CLI "' " + command + " < " +
                             name + ".in > " + name + ".out 2> " + name + ".err";
    pipe_ = ::popen(line.c_str(), "r");
}

int Background::finish() {
    if (pipe_ != nullptr) {
        const int raw = ::pclose(pipe_);
        status_ = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        pipe_ = nullptr;
    }
    return status_;
}

std::string Background::output() const {
    return folder_.folder().read(name_ + ".out");
}

void BaseFolder::writeExampleBase() const {
    write("Words.Dat", examplePhraseBase());
    write("Povtor.Dat", {"Ты повторяешься."});
    write("X.Dat", {"Не ругайся."});
    write("Collection.Dat", {});
    write("BigString.Dat", {"Слишком длинно."});
    write("W1.Dat", {"Не знаю."});
    write("W2.Dat", {"Понятно."});
    write("AI.dat", {"Никогда не скажу.", "Кстати."});
    write("Begin.dat", {"Здравствуй, друг!"});
    write("Log.Quorel", {});
}

bool RecordingView::saw(const std::string& event) const {
    return std::find(events.begin(), events.end(), event) != events.end();
}

bool EngineTest::say(std::string_view phrase, std::initializer_list<int> draws,
                     std::string_view previousLine) {
    random.draws.assign(draws.begin(), draws.end());
    return engine.runTurn(cp(phrase), cp(previousLine), Mode::CpuUser);
}

std::vector<std::string> EngineTest::sessionLines() const {
    return utf8Lines(session);
}
std::vector<std::string> EngineTest::workingLines() const {
    return utf8Lines(working);
}

} // namespace besedka::test
