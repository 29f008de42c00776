// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/turn.h"
#include "engine/words_file.h"

#include <string>

namespace besedka {

// What every stage of the reply selection works with. A stage either sets reply and
// returns true, ending the selection, or returns false and hands over to the next one.
struct TurnContext {
    TurnState& state;
    LineList& workingList;
    WordsFile& words;
    RandomSource& random;
    TurnView& view;
    const WorkingFolder& folder; // where the knowledge files are
    bool learning = true;        // false: the turn changes no file

    // A random line 0 .. count-1 of the file (the empty line when it has none).
    std::string randomLineOf(const std::string& path);
    // Loads the file, appends the line and saves it, holding the folder's lock throughout.
    void appendTo(const std::string& path, const std::string& line);
};

} // namespace besedka
