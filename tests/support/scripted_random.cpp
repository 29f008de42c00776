// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/scripted_random.h"

#include <gtest/gtest.h>

namespace besedka::test {

int ScriptedRandom::below(int n) {
    if (n <= 0)
        return 0;
    asked.push_back(n);
    // A choice of one is no choice: the script holds only the draws that choose something.
    if (n == 1 || draws.empty())
        return 0;
    const int draw = draws.front();
    draws.pop_front();
    EXPECT_LT(draw, n) << "scripted draw out of range";
    return draw;
}

} // namespace besedka::test
