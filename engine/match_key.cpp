// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/match_key.h"

#include "platform/core/cp1251.h"

namespace besedka {

std::size_t keyEnd(std::string_view phrase, std::string_view key) {
    if (key.empty())
        return std::string_view::npos;
    // The searches run the matcher over every line of the phrase base: look the case up locally.
    const auto& upper = cp1251::upperTable();
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
