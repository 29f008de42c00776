// SPDX-License-Identifier: GPL-3.0-or-later
// Whole turns on phrase bases of 1,000, 10,000 and 100,000 lines, beside one load and one save of
// the largest: a turn should cost no more than one load plus the saves it must make.
#include "bench/phrase_base_generator.h"
#include "engine/plain_view.h"
#include "platform/core/cp1251.h"
#include "platform/core/line_list.h"
#include "platform/core/paths.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <unistd.h>

namespace {

using besedka::LineList;

constexpr int kLines = 100000;
const char* const kWords = "Base\\Words.Dat";

std::string cp(const char* utf8) {
    return besedka::cp1251::fromUtf8(utf8);
}

// A working folder of its own with the small reply files.
class BenchFolder {
public:
    BenchFolder()
        : working_(std::filesystem::temp_directory_path() /
                   ("besedka-engine-bench-" + std::to_string(::getpid()))) {
        std::filesystem::create_directories(working_.root() / "Base");
        for (const char* name : {"Povtor.Dat", "X.Dat", "Collection.Dat", "BigString.Dat", "W1.Dat",
                                 "W2.Dat", "AI.dat", "Begin.dat"})
            LineList({cp("Ответ."), cp("Ещё ответ.")}).save(std::string("Base\\") + name, working_);
    }
    ~BenchFolder() { std::filesystem::remove_all(working_.root()); }

    const besedka::WorkingFolder& working() const { return working_; }

private:
    besedka::WorkingFolder working_;
};

// The base answers one main phrase at line 1 and, under it, a run of branch lines of depths
// 1 to 3 that ends with the one the walk is after.
std::vector<std::string> branchRunBase() {
    std::vector<std::string> lines = {cp("Фразы"), cp("НАЧАЛО.^Начнём.;")};
    while (static_cast<int>(lines.size()) < kLines - 2) {
        const auto depth = static_cast<std::size_t>(1 + lines.size() % 3);
        lines.push_back(std::string(depth, '_') + cp("КЛЮЧ ") + std::to_string(lines.size()) +
                        cp("?^Ответ.;Другой ответ.;"));
    }
    lines.push_back(cp("_ЦЕЛЬ.^Нашёл.;"));
    lines.push_back(cp("КОНЕЦ.^Всё.;"));
    return lines;
}

// A small phrase base, a large one, and one the size of the load and save benchmarks.
void onEachBaseSize(benchmark::internal::Benchmark* benchmark) {
    for (const int lines : {1000, 10000, kLines})
        benchmark->Arg(lines);
}

// The size of the phrase base a turn benchmark runs on.
int baseLines(const benchmark::State& state) {
    return static_cast<int>(state.range(0));
}

// The usual shape, with a key of several words near the end.
std::vector<std::string> wordSearchBase(int lineCount) {
    auto lines = generatePhraseBase(lineCount);
    lines[static_cast<std::size_t>(lineCount - 10)] = cp("ГДЕ ТЫ БЫЛ?^Дома.;");
    return lines;
}

// Copies of knowledge files, put back between the turns that learn into them: otherwise each
// turn would find a longer base than the one before.
class Snapshot {
public:
    Snapshot(const besedka::WorkingFolder& folder,
             std::initializer_list<const char*> spelledPaths) {
        for (const char* spelled : spelledPaths) {
            const std::filesystem::path file = folder.resolve(spelled);
            std::filesystem::path copy = file;
            copy += ".before";
            std::filesystem::copy_file(file, copy);
            files_.emplace_back(file, copy);
        }
    }

    void restore() const {
        for (const auto& [file, copy] : files_)
            std::filesystem::copy_file(copy, file,
                                       std::filesystem::copy_options::overwrite_existing);
    }

private:
    std::vector<std::pair<std::filesystem::path, std::filesystem::path>> files_;
};

struct Window {
    explicit Window(const besedka::WorkingFolder& folder)
        : engine({working, session, exchange, random, view}, folder) {}

    LineList working, session, exchange;
    besedka::SeededRandom random{1};
    besedka::PlainView view;
    besedka::Engine engine;
};

void LoadPhraseBase(benchmark::State& state) {
    BenchFolder folder;
    LineList(generatePhraseBase(kLines)).save(kWords, folder.working());
    LineList list;
    for (auto _ : state) {
        list.load(kWords, folder.working());
        benchmark::DoNotOptimize(list.count());
    }
}

void SavePhraseBase(benchmark::State& state) {
    BenchFolder folder;
    const LineList list(generatePhraseBase(kLines));
    for (auto _ : state)
        list.save(kWords, folder.working());
}

// What each save of a small collection ("Base\W1.Dat") costs, the flush to disk above all.
void SaveReplyFile(benchmark::State& state) {
    BenchFolder folder;
    const LineList list({cp("Ответ."), cp("Ещё ответ.")});
    for (auto _ : state)
        list.save("Base\\W1.Dat", folder.working());
}

void TurnAnsweredDeepInABranchRun(benchmark::State& state) {
    BenchFolder folder;
    LineList(branchRunBase()).save(kWords, folder.working());
    Window window(folder.working());
    for (auto _ : state) {
        window.engine.state().branchDepth = 1;
        window.engine.state().branchLine = 1;
        window.engine.runTurn(cp("Цель."), "", besedka::Mode::CpuUser);
        window.session.clear();
    }
    state.counters["examined"] = window.engine.state().branchLine - 1;
}

// Turns on the phrase, each as the first of a dialogue: no branch to follow, no reply to learn
// an answer for. Returns the state the last turn left.
besedka::TurnState firstTurns(benchmark::State& state, const std::vector<std::string>& base,
                              const char* phrase) {
    BenchFolder folder;
    LineList(base).save(kWords, folder.working());
    Window window(folder.working());
    for (auto _ : state) {
        window.engine.state().branchDepth = 0;
        window.engine.state().previousReply.clear();
        window.engine.runTurn(cp(phrase), "", besedka::Mode::CpuUser);
        window.session.clear();
    }
    return window.engine.state();
}

// An answered turn: the whole-key search finds nothing, the word-by-word one a line near the end.
void TurnAnsweredWordByWordNearTheEnd(benchmark::State& state) {
    const besedka::TurnState last =
        firstTurns(state, wordSearchBase(baseLines(state)), "Где же ты был?");
    state.counters["line"] = last.branchLine;
}

// Both searches go through the whole base in vain; with no previous reply there is nothing to
// learn, and the reply comes from a collection.
void UnmatchedTurn(benchmark::State& state) {
    firstTurns(state, generatePhraseBase(baseLines(state)), "Никто такого не спрашивал.");
}

// Learns a new key and an answer to the line of the previous reply: two loads of the phrase base
// (the search's and learning's), one save of a collection and one of the base. Between the
// measured turns the files are put back, and a turn that learns nothing reads the base again, so
// that each measured turn finds it as a turn after an ordinary one does.
void UnmatchedTurnThatLearns(benchmark::State& state) {
    BenchFolder folder;
    auto lines = generatePhraseBase(baseLines(state));
    lines[1] = cp("ВОПРОС?^");
    LineList(lines).save(kWords, folder.working());
    const Snapshot unlearned(folder.working(), {kWords, "Base\\W1.Dat"});
    Window window(folder.working());
    for (auto _ : state) {
        state.PauseTiming();
        unlearned.restore();
        window.engine.state().previousReply.clear();
        window.engine.runTurn(cp("Никто такого не спрашивал."), "", besedka::Mode::CpuUser);
        state.ResumeTiming();
        window.engine.state().previousReply = cp("Вопрос?");
        window.engine.runTurn(cp("Фраза, которой нет в базе."), "", besedka::Mode::CpuUser);
        window.session.clear();
    }
}

} // namespace

BENCHMARK(LoadPhraseBase)->Unit(benchmark::kMillisecond);
BENCHMARK(SavePhraseBase)->Unit(benchmark::kMillisecond);
BENCHMARK(SaveReplyFile)->Unit(benchmark::kMillisecond);
BENCHMARK(TurnAnsweredDeepInABranchRun)->Unit(benchmark::kMillisecond);
BENCHMARK(TurnAnsweredWordByWordNearTheEnd)->Unit(benchmark::kMillisecond)->Apply(onEachBaseSize);
BENCHMARK(UnmatchedTurn)->Unit(benchmark::kMillisecond)->Apply(onEachBaseSize);
BENCHMARK(UnmatchedTurnThatLearns)->Unit(benchmark::kMillisecond)->Apply(onEachBaseSize);
BENCHMARK_MAIN();
