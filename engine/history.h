// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/core/clock.h"
#include "platform/core/paths.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The conversation history: every line the dialogue shows, kept for the person to read later.
// One plain UTF-8 file a day in "History" of the working folder, named "YYYY-MM-DD.txt", one line
// "HH:MM:SS Speaker: text" for each line said. The program only ever appends to it: a new
// dialogue, undo, a window closed without "Выход", a crash or a kill leave it as it was written.
namespace besedka {

// Who said a line.
enum class Speaker { Person, Besedka, OtherCopy };

// "Вы", "Беседка" and, in the exchange mode, "Собеседник" for the other copy; UTF-8.
std::string speakerName(Speaker speaker);

// The history folder of the working folder, its name matched as every file name of the program is.
std::filesystem::path historyFolder(const WorkingFolder& folder);

// One line of a day's file, in UTF-8. A line not in the history's form (the files are the user's
// to edit) has neither time nor speaker: all of it is text.
struct HistoryLine {
    std::string time; // "HH:MM:SS"
    std::string speaker;
    std::string text;

    bool operator==(const HistoryLine&) const = default;
};

// The line as the file holds it, without the line end.
std::string historyLineText(const HistoryLine& line);
HistoryLine parseHistoryLine(std::string_view text);

// Appends each line to the file of its day the moment it is said.
class HistoryWriter {
public:
    // Told once, in Windows-1251: the first line says what cannot be written, the second why.
    using ProblemReport = std::function<void(const std::string& message)>;

    HistoryWriter(const Clock& clock, ProblemReport reportProblem, std::filesystem::path folder);

    // The line is in the file, whole, before this returns, so whatever ends the program next
    // leaves it there; two copies in one folder never mix their lines. A line that cannot be
    // written is lost and the dialogue goes on. A line with nothing to read (the empty follow-up
    // remark) is not kept; control characters become spaces, so that a line stays one line.
    void append(Speaker speaker, std::string_view textCp1251);

private:
    const Clock& clock_;
    ProblemReport reportProblem_;
    std::filesystem::path folder_;
    bool toldProblem_ = false;
};

// Whether the text names a day as the history's files do: "2026-12-07".
bool isHistoryDay(std::string_view text);

// The days the folder holds a file of, newest first.
std::vector<std::string> historyDays(const std::filesystem::path& folder);

// The lines of the day's file; nothing when the day has no file that can be read.
std::optional<std::vector<HistoryLine>> readHistoryDay(const std::filesystem::path& folder,
                                                       const std::string& day);

struct FoundLine {
    std::string day;
    HistoryLine line;

    bool operator==(const FoundLine&) const = default;
};

// The lines of the days whose text holds the word (UTF-8) with letter case aside, Russian and
// Latin alike: day by day as given, and in the order said within a day.
std::vector<FoundLine> findInHistory(const std::filesystem::path& folder,
                                     const std::vector<std::string>& days, std::string_view word);

} // namespace besedka
