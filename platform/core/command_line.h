// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <initializer_list>
#include <string_view>

// The options that every program of Besedka understands, wherever they stand on its command line.
namespace besedka::command_line {

// Whether an argument after the program's name is spelled as one of `spellings`.
bool hasOption(int argc, const char* const* argv, std::initializer_list<std::string_view> spellings);

// What --version prints on standard output: the program's name and the version it was built as.
void printVersion(std::string_view program);

} // namespace besedka::command_line
