// SPDX-License-Identifier: GPL-3.0-or-later
// Load and save of a 100,000-line phrase base, in both file forms, reported in MB/s.
#include "bench/phrase_base_generator.h"
#include "platform/core/line_list.h"
#include "platform/core/paths.h"
#include "platform/core/rtf.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

constexpr int kLines = 100000;

struct Files {
    std::filesystem::path folder;
    std::string rtfPath, plainPath;
    std::size_t rtfBytes = 0, plainBytes = 0;

    Files() {
        folder = std::filesystem::temp_directory_path() /
                 ("besedka-bench-" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder);
        rtfPath = (folder / "Words.rtf").string();
        plainPath = (folder / "Words.txt").string();
        const auto lines = generatePhraseBase(kLines);
        besedka::LineList(lines).save(rtfPath, besedka::WorkingFolder::ofProcess());
        std::ofstream plain(plainPath, std::ios::binary);
        for (const auto& line : lines)
            plain << line << "\r\n";
        plain.close();
        rtfBytes = std::filesystem::file_size(rtfPath);
        plainBytes = std::filesystem::file_size(plainPath);
    }
    ~Files() { std::filesystem::remove_all(folder); }
};

const Files& files() {
    static const Files instance;
    return instance;
}

void loadAndReport(benchmark::State& state, const std::string& path, std::size_t bytes) {
    besedka::LineList list;
    for (auto _ : state) {
        list.load(path, besedka::WorkingFolder::ofProcess());
        benchmark::DoNotOptimize(list.count());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
    state.counters["lines"] = list.count();
}

void LoadRtf(benchmark::State& state) {
    loadAndReport(state, files().rtfPath, files().rtfBytes);
}
void LoadPlainText(benchmark::State& state) {
    loadAndReport(state, files().plainPath, files().plainBytes);
}

void SaveRtf(benchmark::State& state) {
    besedka::LineList list;
    list.load(files().plainPath, besedka::WorkingFolder::ofProcess());
    const std::string target = (files().folder / "Saved.rtf").string();
    for (auto _ : state)
        list.save(target, besedka::WorkingFolder::ofProcess());
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * files().rtfBytes));
}

} // namespace

BENCHMARK(LoadRtf)->Unit(benchmark::kMillisecond);
BENCHMARK(LoadPlainText)->Unit(benchmark::kMillisecond);
BENCHMARK(SaveRtf)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
