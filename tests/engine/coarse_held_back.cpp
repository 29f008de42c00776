// SPDX-License-Identifier: GPL-3.0-or-later
// Reads UTF-8 phrases, one a line, and prints those the coarse-word guard holds back, then how
// many of how many. scripts/coarse-corpora.sh feeds it ordinary Russian text.
#include "engine/coarse_words.h"
#include "platform/core/cp1251.h"

#include <iostream>
#include <string>

int main() {
    std::size_t phrases = 0;
    std::size_t held = 0;
    for (std::string line; std::getline(std::cin, line);) {
        ++phrases;
        if (besedka::isCoarse(besedka::cp1251::fromUtf8(line))) {
            ++held;
            std::cout << line << '\n';
        }
    }
    std::cerr << "held back " << held << " of " << phrases << " ("
              << (phrases == 0 ? 0.0
                               : 100.0 * static_cast<double>(held) / static_cast<double>(phrases))
              << "%)\n";
    return 0;
}
