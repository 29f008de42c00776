// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace besedka {

// The application-wide hourglass. One switch, not a stack: however often it was turned on,
// one call turns it off.
void setBusyCursor(bool busy);

} // namespace besedka
