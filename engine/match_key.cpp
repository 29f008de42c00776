// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/match_key.h"

#include "platform/core/cp1251.h"

#include <array>

namespace besedka {

namespace {

// The searches run the matcher over every line of the phrase base: look the case up locally.
const std::array<char, 256>& upperCase() {
    static const std::array<char, 256> table = [] {
        std::array<char, 256> t{};
        for (int byte = 0; byte < 256; ++byte)
            t[static_cast<std::size_t>(byte)] = cp1251::upper(static_cast<char>(byte));
        return t;
    }();
    return table;
}

} // namespace

std::size_t keyEnd(std::string_view phrase, std::string_view key) {
    if (key.empty())
        return std::string_view::npos;
    const auto& upper = upperCase();
    std::size_t matched = 0;
    for (std::size_t i = 0; i < phrase.size(); ++i) {
        if (upper[static_cast<unsigned char>(phrase[i])] != key[matched]) {
            matched = 0;
            continue;
        }
        if (++matched == key.size())
            return i + 1;
    }
    return std::string_view::npos;
}

} // namespace besedka
