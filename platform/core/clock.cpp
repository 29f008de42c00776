// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/clock.h"

#include "platform/core/cp1251.h"

#include <ctime>

namespace besedka {

LocalMoment localMoment() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    const auto format = [&local](const char* pattern) {
        char text[128];
        const std::size_t length = std::strftime(text, sizeof text, pattern, &local);
        return cp1251::fromUtf8(std::string_view(text, length));
    };
    return {format("%x"), format("%X")};
}

} // namespace besedka
