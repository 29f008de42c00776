// SPDX-License-Identifier: GPL-3.0-or-later
// Speed Word on the shipped dictionary: one suggestion check, which runs after every change of
// the input line, and the load of the dictionary at each switch.
#include "input_aids/speed_word_offer.h"
#include "platform/core/cp1251.h"
#include "platform/core/line_list.h"
#include "platform/core/paths.h"

#include <benchmark/benchmark.h>
#include <string>

namespace {

const std::string kDictionaryPath = BESEDKA_DATA "/Base/dictionary.dat";

const besedka::LineList& dictionary() {
    static const besedka::LineList list = [] {
        besedka::LineList loaded;
        loaded.load(kDictionaryPath, besedka::WorkingFolder::ofProcess());
        return loaded;
    }();
    return list;
}

// A check after a change of the line: the search starts at the first entry.
void checkTypedWord(benchmark::State& state, const std::string& line) {
    besedka::SpeedWordOffer offer;
    const std::string* found = nullptr;
    for (auto _ : state) {
        offer.entryIndex = -1;
        found = offer.check(dictionary().lines(), line);
        benchmark::DoNotOptimize(found);
    }
    state.counters["entries"] = dictionary().count();
    state.counters["matchIndex"] = offer.entryIndex;
}

// The last entry of the file, typed in capitals: found only at the end of the scan.
void CheckLateMatch(benchmark::State& state) {
    checkTypedWord(state, besedka::cp1251::upper(dictionary().lines().back()));
}

// A word no entry begins with: every entry is compared.
void CheckNoMatch(benchmark::State& state) {
    checkTypedWord(state, besedka::cp1251::fromUtf8("как дела, щъщ"));
}

void LoadDictionary(benchmark::State& state) {
    besedka::LineList list;
    for (auto _ : state) {
        list.load(kDictionaryPath, besedka::WorkingFolder::ofProcess());
        benchmark::DoNotOptimize(list.count());
    }
    state.counters["entries"] = list.count();
}

} // namespace

BENCHMARK(CheckLateMatch)->Unit(benchmark::kMicrosecond);
BENCHMARK(CheckNoMatch)->Unit(benchmark::kMicrosecond);
BENCHMARK(LoadDictionary)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
