// SPDX-License-Identifier: GPL-3.0-or-later
// The coarse-word guard runs once on each phrase that may be learned: an ordinary phrase, one in
// Latin letters and one as long as a line of the base may be, each read in all its spellings.
#include "engine/coarse_words.h"
#include "platform/core/cp1251.h"

#include <benchmark/benchmark.h>
#include <string>

namespace {

void judge(benchmark::State& state, const std::string& phrase) {
    for (auto _ : state)
        benchmark::DoNotOptimize(besedka::isCoarse(phrase));
}

void OrdinaryPhrase(benchmark::State& state) {
    judge(state, besedka::cp1251::fromUtf8(
                     "Вчера мы с друзьями ходили в кино, а потом долго гуляли по набережной."));
}

void PhraseInLatinLetters(benchmark::State& state) {
    judge(state, "Privet, kak dela? Segodnya my idem v kino, a zavtra domoj.");
}

void LongestLine(benchmark::State& state) {
    const std::string sentence = besedka::cp1251::fromUtf8("Обычная фраза, в ней 1С и x86_64. ");
    std::string line;
    while (line.size() + sentence.size() < 4000)
        line += sentence;
    judge(state, line);
}

} // namespace

BENCHMARK(OrdinaryPhrase);
BENCHMARK(PhraseInLatinLetters);
BENCHMARK(LongestLine)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
