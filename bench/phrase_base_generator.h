// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <random>
#include <string>
#include <vector>

// A large phrase base of the usual shape for benchmarks: a header, then main phrases with runs
// of branches, Russian keys in upper case and two to four answers each. Windows-1251 lines,
// about 40 bytes each, the same every time.
inline std::vector<std::string> generatePhraseBase(int lineCount) {
    static const char* const kWords[] = {"\xCF\xD0\xC8\xC2\xC5\xD2",
                                         "\xCA\xC0\xCA",
                                         "\xC4\xC5\xCB\xC0",
                                         "\xD2\xDB",
                                         "\xCA\xD2\xCE",
                                         "\xC3\xC4\xC5",
                                         "\xCF\xCE\xC3\xCE\xC4\xC0",
                                         "\xC7\xC0\xC2\xD2\xD0\xC0"};
    static const char* const kAnswers[] = {"\xD5\xEE\xF0\xEE\xF8\xEE.", "\xC0 \xF2\xFB?",
                                           "\xCD\xE5 \xE7\xED\xE0\xFE.", "\xC4\xE0!"};
    std::mt19937 random(42);
    std::vector<std::string> lines = {"\xC7\xE0\xE3\xEE\xEB\xEE\xE2\xEE\xEA"};
    while (static_cast<int>(lines.size()) < lineCount) {
        const int depth = lines.size() % 7 == 1 ? 0 : 1 + static_cast<int>(random() % 3);
        std::string line(static_cast<std::size_t>(depth), '_');
        line += kWords[random() % 8];
        line += ' ';
        line += kWords[random() % 8];
        line += ' ' + std::to_string(lines.size()) + "?^";
        const int answers = 2 + static_cast<int>(random() % 3);
        for (int a = 0; a < answers; ++a)
            line += std::string(kAnswers[random() % 4]) + ";";
        lines.push_back(std::move(line));
    }
    return lines;
}
