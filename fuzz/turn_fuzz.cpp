// SPDX-License-Identifier: GPL-3.0-or-later
// Arbitrary bytes as the phrases of a conversation, one a line, through the turn with learning,
// against a small base in a temporary folder: no crash, no hang, and afterwards every knowledge
// file loads and the phrase base holds no line that lint would report.
#include "engine/knowledge_line.h"
#include "engine/phrase.h"
#include "engine/plain_view.h"
#include "engine/turn.h"
#include "platform/core/cp1251.h"
#include "platform/core/file_error.h"
#include "platform/core/line_list.h"
#include "platform/core/paths.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace {

using besedka::LineList;

constexpr int kMostTurns = 16;

const char* const kWords = "Base\\Words.Dat";

void writeFile(const besedka::WorkingFolder& folder, const char* name,
               std::initializer_list<const char*> utf8Lines) {
    std::vector<std::string> lines;
    for (const char* line : utf8Lines)
        lines.push_back(besedka::cp1251::fromUtf8(line));
    LineList(std::move(lines)).save(std::string("Base\\") + name, folder);
}

// A phrase base with a branch, an open key and a farewell, and reply files that ask and do not.
void writeSmallBase(const besedka::WorkingFolder& folder) {
    writeFile(folder, "Words.Dat",
              {"Фразы", "ПРИВЕТ^Привет!;Как ты?;", "_ХОРОШО^Рада.;", "ТЫ КТО?^",
               "ПОКА^До встречи!;@", "ЧТО^Что?;"});
    writeFile(folder, "Povtor.Dat", {"Ты повторяешься."});
    writeFile(folder, "X.Dat", {"Не ругайся."});
    writeFile(folder, "Collection.Dat", {});
    writeFile(folder, "BigString.Dat", {"Слишком длинно."});
    writeFile(folder, "W1.Dat", {"Не знаю.", "А ты?"});
    writeFile(folder, "W2.Dat", {"Понятно.", "Почему?"});
    writeFile(folder, "AI.dat", {"-", "Кстати."});
    writeFile(folder, "Begin.dat", {"Здравствуй!"});
}

// Each phrase as typed in the input line; markup characters too, as an exchange file brings them.
std::vector<std::string> phrasesOf(std::string_view bytes) {
    std::vector<std::string> phrases;
    while (!bytes.empty() && phrases.size() < kMostTurns) {
        const std::size_t end = bytes.find('\n');
        const std::string phrase = besedka::typedPhrase(bytes.substr(0, end));
        bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
        phrases.push_back(phrase);
    }
    return phrases;
}

void checkBase(const besedka::WorkingFolder& folder) {
    LineList base;
    base.load(kWords, folder);
    for (int i = 1; i < base.count(); ++i) {
        if (!besedka::problemsOf(base.get(i)).empty())
            std::abort();
    }
    for (const char* name : {"Base\\W1.Dat", "Base\\W2.Dat", "Base\\Collection.Dat"})
        LineList().load(name, folder);
}

// A fresh folder with Base\ in it for the run, removed at its end. In memory where the system
// has a memory file system: every save of the engine flushes to disk.
class FuzzFolder {
public:
    FuzzFolder() {
        const std::filesystem::path memory = "/dev/shm";
        const auto parent =
            std::filesystem::is_directory(memory) ? memory : std::filesystem::temp_directory_path();
        std::string pattern = (parent / "turn-fuzz-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr)
            std::abort();
        path = pattern;
        std::filesystem::create_directory(path / "Base");
    }
    ~FuzzFolder() { std::filesystem::remove_all(path); }

    std::filesystem::path path;
};

// One folder for the whole run; every input starts from the same small base.
const besedka::WorkingFolder& fuzzFolder() {
    static const FuzzFolder folder;
    static const besedka::WorkingFolder working(folder.path);
    return working;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const besedka::WorkingFolder& folder = fuzzFolder();
    writeSmallBase(folder);
    LineList working, session, exchange;
    besedka::SeededRandom random(static_cast<std::uint32_t>(std::hash<std::string_view>()(bytes)));
    besedka::PlainView view;
    besedka::Engine engine({working, session, exchange, random, view}, folder);
    try {
        for (const std::string& phrase : phrasesOf(bytes))
            engine.runTurn(phrase, view.previousTranscriptLine(), besedka::Mode::CpuUser);
        checkBase(folder);
    } catch (const besedka::FileError&) {
        // Every file the turn touches exists and can be written.
        std::abort();
    }
    return 0;
}
