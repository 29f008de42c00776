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

// A moment of the local calendar, to the second.
struct CalendarTime {
    int year = 0;
    int month = 0; // 1 .. 12
    int day = 0;   // 1 .. 31
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// Where the program reads the time of day; tests give a clock that stands still.
class Clock {
public:
    virtual ~Clock() = default;
    virtual CalendarTime now() const = 0;
};

// The computer's clock in the local time zone.
class SystemClock final : public Clock {
public:
    CalendarTime now() const override;
};

} // namespace besedka
