// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/clock.h"

#include "platform/core/cp1251.h"

#include <ctime>

namespace besedka {

namespace {

std::tm localNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local;
}

} // namespace

LocalMoment localMoment() {
    const std::tm local = localNow();
    const auto format = [&local](const char* pattern) {
        char text[128];
        const std::size_t length = std::strftime(text, sizeof text, pattern, &local);
        return cp1251::fromUtf8(std::string_view(text, length));
    };
    return {format("%x"), format("%X")};
}

CalendarTime SystemClock::now() const {
    const std::tm local = localNow();
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
            local.tm_hour,        local.tm_min,     local.tm_sec};
}

} // namespace besedka
