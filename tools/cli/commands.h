// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

// Each command of besedka-cli takes the arguments after its name and returns the exit status.
namespace besedka::cli {

enum ExitStatus { kFine = 0, kFindings = 1, kTrouble = 2 };

int runCat(const std::vector<std::string>& args);
int runWrite(const std::vector<std::string>& args);
int runLint(const std::vector<std::string>& args);
int runStats(const std::vector<std::string>& args);
int runChat(const std::vector<std::string>& args);
int runHistory(const std::vector<std::string>& args);

// Reports a usage or file problem on standard error, in UTF-8.
int trouble(const std::string& messageCp1251);

} // namespace besedka::cli
