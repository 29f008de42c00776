// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/core/line_list.h"
#include "platform/core/paths.h"

#include <string>

namespace besedka {

// The exit command's record, without closing the window: appends to "Base\Log.Quorel"
// a header with `date` and `time` (Windows-1251, in the caller's locale formats), the number of
// phrases in "Base\Words.dat", every line of the session buffer and the closing rule.
// The working list is used to build the new file content and holds it afterwards.
// Throws FileError when "Base\Words.dat" or "Base\Log.Quorel" cannot be read (the log is
// never created here) or the log cannot be saved; nothing is written then.
void appendSessionRecord(LineList& workingList, const LineList& sessionLog, const std::string& date,
                         const std::string& time, const WorkingFolder& folder);

} // namespace besedka
