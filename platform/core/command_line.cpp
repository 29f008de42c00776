// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/command_line.h"

#include <algorithm>
#include <cstdio>
#include <string>

namespace besedka::command_line {

bool hasOption(int argc, const char* const* argv, std::initializer_list<std::string_view> spellings) {
    return std::any_of(argv + 1, argv + argc, [spellings](std::string_view argument) {
        return std::find(spellings.begin(), spellings.end(), argument) != spellings.end();
    });
}

void printVersion(std::string_view program) {
    const std::string line = std::string(program) + " " + BESEDKA_VERSION + "\n";
    std::fputs(line.c_str(), stdout);
}

} // namespace besedka::command_line
