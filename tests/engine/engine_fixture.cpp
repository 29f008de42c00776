// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/engine/engine_fixture.h"

#include "platform/core/cp1251.h"

#include <algorithm>

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
