// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/random_source.h"

#include <chrono>

namespace besedka {

namespace {

int uniformBelow(std::mt19937& engine, int n) {
    if (n <= 0)
        return 0;
    return std::uniform_int_distribution<int>(0, n - 1)(engine);
}

} // namespace

int drawBetween(RandomSource& random, int lowest, int highest) {
    int value = 0;
    do {
        value = random.below(highest) + 1;
    } while (value < lowest);
    return value;
}

ClockRandom::ClockRandom() {
    reseed();
}

int ClockRandom::below(int n) {
    return uniformBelow(engine_, n);
}

void ClockRandom::reseed() {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    engine_.seed(static_cast<std::uint32_t>(
        std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
}

int SeededRandom::below(int n) {
    return uniformBelow(engine_, n);
}

} // namespace besedka
