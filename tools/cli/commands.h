// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/core/paths.h"
#include "platform/core/random_source.h"

#include <charconv>
#include <cstdint>
#include <memory>
#include <optional>
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
int runWhy(const std::vector<std::string>& args);
int runAdd(const std::vector<std::string>& args);

// Reports a usage or file problem on standard error, in UTF-8.
int trouble(const std::string& messageCp1251);

// A whole number written as nothing else.
template <typename Number> std::optional<Number> parseWholeNumber(const std::string& text) {
    Number value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

// The value of --seed, when it is a whole number that fits.
std::optional<std::uint32_t> parseSeed(const std::string& text);
// Random choices repeatable from the seed, or drawn from the clock without one.
std::unique_ptr<RandomSource> randomSource(std::optional<std::uint32_t> seed);

// The folder whose knowledge base the commands work on, as the desktop program does: the
// current folder when it holds Base/Words.Dat, else the data folder, given the shipped files it
// lacks. Nothing, with the reason shown, when it cannot be made ready.
std::optional<WorkingFolder> knowledgeFolder();

} // namespace besedka::cli
