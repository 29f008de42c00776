// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/core/random_source.h"

#include <deque>
#include <vector>

namespace besedka::test {

// Hands out the draws a test scripts for choices among two or more (0 when none is left)
// and records the n of every draw.
class ScriptedRandom final : public RandomSource {
public:
    ScriptedRandom() = default;
    explicit ScriptedRandom(std::deque<int> scripted) : draws(std::move(scripted)) {}

    int below(int n) override;
    void reseed() override { ++reseeds; }

    std::deque<int> draws;
    std::vector<int> asked; // the n of every draw
    int reseeds = 0;
};

} // namespace besedka::test
