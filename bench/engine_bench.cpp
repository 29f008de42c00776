// Whole turns on a 100,000-line phrase base, beside one load and one save of that file:
// a turn should cost no more than one load plus the saves it must make.
#include "bench/phrase_base_generator.h"
#include "engine/plain_view.h"
#include "platform/core/cp1251.h"
#include "platform/core/line_list.h"

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

// A folder of its own with the small reply files, made the current directory.
class BenchFolder {
public:
    BenchFolder()
        : previous_(std::filesystem::current_path()),
          root_(std::filesystem::temp_directory_path() /
                ("besedka-engine-bench-" + std::to_string(::getpid()))) {
        std::filesystem::create_directories(root_ / "Base");
        std::filesystem::current_path(root_);
        for (const char* name : {"Povtor.Dat", "X.Dat", "Collection.Dat", "BigString.Dat", "W1.Dat",
                                 "W2.Dat", "AI.dat", "Begin.dat"})
            LineList({cp("Ответ."), cp("Ещё ответ.")}).save(std::string("Base\\") + name);
    }
    ~BenchFolder() {
        std::filesystem::current_path(previous_);
        std::filesystem::remove_all(root_);
    }

private:
    std::filesystem::path previous_, root_;
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

// The usual shape, with a key of several words near the end.
std::vector<std::string> wordSearchBase() {
    auto lines = generatePhraseBase(kLines);
    lines[kLines - 10] = cp("ГДЕ ТЫ БЫЛ?^Дома.;");
    return lines;
}

struct Window {
    LineList working, session, exchange;
    besedka::SeededRandom random{1};
    besedka::PlainView view;
    besedka::Engine engine{{working, session, exchange, random, view}};
};

void LoadPhraseBase(benchmark::State& state) {
    BenchFolder folder;
    LineList(generatePhraseBase(kLines)).save(kWords);
    LineList list;
    for (auto _ : state) {
        list.load(kWords);
        benchmark::DoNotOptimize(list.count());
    }
}

void SavePhraseBase(benchmark::State& state) {
    BenchFolder folder;
    const LineList list(generatePhraseBase(kLines));
    for (auto _ : state)
        list.save(kWords);
}

// What each save of a small collection ("Base\W1.Dat") costs, the flush to disk above all.
void SaveReplyFile(benchmark::State& state) {
    BenchFolder folder;
    const LineList list({cp("Ответ."), cp("Ещё ответ.")});
    for (auto _ : state)
        list.save("Base\\W1.Dat");
}

void TurnAnsweredDeepInABranchRun(benchmark::State& state) {
    BenchFolder folder;
    LineList(branchRunBase()).save(kWords);
    Window window;
    for (auto _ : state) {
        window.engine.state().BranchDepth = 1;
        window.engine.state().BranchLine = 1;
        window.engine.runTurn(cp("Цель."), "", besedka::Mode::CpuUser);
        window.session.clear();
    }
    state.counters["examined"] = window.engine.state().BranchLine - 1;
}

void TurnAnsweredWordByWordNearTheEnd(benchmark::State& state) {
    BenchFolder folder;
    LineList(wordSearchBase()).save(kWords);
    Window window;
    for (auto _ : state) {
        window.engine.state().BranchDepth = 0;
        window.engine.runTurn(cp("Где же ты был?"), "", besedka::Mode::CpuUser);
        window.session.clear();
    }
    state.counters["line"] = window.engine.state().BranchLine;
}

// Learns a new key and an answer to the line of the previous reply: one save of a collection
// and two of the phrase base.
void UnmatchedTurnThatLearns(benchmark::State& state) {
    BenchFolder folder;
    auto lines = generatePhraseBase(kLines);
    lines[1] = cp("ВОПРОС?^");
    LineList(lines).save(kWords);
    Window window;
    int phrase = 0;
    for (auto _ : state) {
        window.engine.state().PreviousReply = cp("Вопрос?");
        window.engine.runTurn(cp("Фраза номер ") + std::to_string(++phrase), "",
                              besedka::Mode::CpuUser);
        window.session.clear();
    }
}

} // namespace

BENCHMARK(LoadPhraseBase)->Unit(benchmark::kMillisecond);
BENCHMARK(SavePhraseBase)->Unit(benchmark::kMillisecond);
BENCHMARK(SaveReplyFile)->Unit(benchmark::kMillisecond);
BENCHMARK(TurnAnsweredDeepInABranchRun)->Unit(benchmark::kMillisecond);
BENCHMARK(TurnAnsweredWordByWordNearTheEnd)->Unit(benchmark::kMillisecond);
BENCHMARK(UnmatchedTurnThatLearns)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
