// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <random>

namespace besedka {

// Every random choice of the program: a uniform integer in 0 .. n-1 (0 when n <= 0).
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual int below(int n) = 0;
    // The program re-seeds from the clock at fixed moments; a fixed source ignores it.
    virtual void reseed() = 0;
};

// A value in lowest .. highest, drawn as a value in 1 .. highest and drawn again while it falls
// below lowest.
int drawBetween(RandomSource& random, int lowest, int highest);

// Seeded from the clock, re-seeded from it on request: what the desktop uses.
class ClockRandom final : public RandomSource {
public:
    ClockRandom();
    int below(int n) override;
    void reseed() override;

private:
    std::mt19937 engine_;
};

// Seeded once and never re-seeded, so a run can be repeated: tests and --seed.
class SeededRandom final : public RandomSource {
public:
    explicit SeededRandom(std::uint32_t seed) : engine_(seed) {}
    int below(int n) override;
    void reseed() override {}

private:
    std::mt19937 engine_;
};

} // namespace besedka
