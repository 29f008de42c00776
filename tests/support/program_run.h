// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tests/support/temp_folder.h"

#include <string>

namespace besedka::test {

// What a program run left: its exit status (-1 when it did not exit) and its two outputs.
struct ProgramRun {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs the shell command line in the folder, its current directory, with the given standard input.
ProgramRun runInFolder(const TempFolder& folder, const std::string& commandLine,
                       const std::string& input = "");

} // namespace besedka::test
