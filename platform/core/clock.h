// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace besedka {

// The present moment as the user's locale writes it, in Windows-1251: the short date format and
// the long time format (the C library's %x and %X).
struct LocalMoment {
    std::string date;
    std::string time;
};
LocalMoment localMoment();

} // namespace besedka
