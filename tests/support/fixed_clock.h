// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/core/clock.h"

namespace besedka::test {

// A clock that shows what the test sets.
class FixedClock final : public Clock {
public:
    explicit FixedClock(CalendarTime start) : time(start) {}
    CalendarTime now() const override { return time; }

    CalendarTime time;
};

} // namespace besedka::test
