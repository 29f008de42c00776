// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/history.h"
#include "engine/layout_conversion.h"
#include "engine/words_file.h"
#include "platform/core/line_list.h"
#include "platform/core/random_source.h"

#include <cstdint>
#include <optional>
#include <string>

namespace besedka {

struct TurnContext;

// Speaker prefixes of the session log: "USER:" and "CPU:", each with five spaces.
inline constexpr const char* kUserPrefix = "USER:     ";
inline constexpr const char* kCpuPrefix = "CPU:     ";

// Where the phrase of a turn comes from and whether the reply goes back to the exchange file.
enum class Mode { CpuUser, CpuCpu };

// The stage of the reply selection that answered a turn.
enum class Stage { Repeat, Abuse, LongPhrase, BranchWalk, WholeKey, WordByWord, CatchAll };

// What the engine keeps between turns. All strings are Windows-1251.
struct TurnState {
    std::string userPhrase;       // the phrase of the current turn, normalised
    std::string reply;            // the reply of the current turn; also the latest greeting
    std::string previousReply;    // the reply shown at the end of the last completed turn
    std::int32_t branchDepth = 0; // depth of the branch lines the next turn tries first; 0: none
    std::int32_t branchLine = 0;  // index in "Base\Words.Dat" of the line answered last
    bool topicMarked = false;     // this turn's phrase holds a topic entry: answer, never learn
    Stage answeredBy = Stage::CatchAll; // the stage that chose this turn's reply
    std::int32_t answerLine = 0;        // the phrase-base line it came from; 0 for the other stages
    std::string answerKey;              // that line's key, depth marks included
};

// What the window does at the steps of a turn, a greeting and a follow-up remark.
// The engine calls these in the order the window must show them; when a step fails with a
// FileError, everything called before it stays done and nothing after it is called.
class TurnView {
public:
    virtual ~TurnView() = default;

    // The application-wide busy (hourglass) cursor, on and off.
    virtual void setBusyCursor(bool busy) = 0;
    // The phrase sound ("Sound\Button3.wav"), as the user's line is shown.
    virtual void playPhraseSound() = 0;
    // The system sound ("Sound\CpuSound.wav"), before every line the system says.
    virtual void playSystemSound() = 0;
    // Appends the phrase to the transcript in the user-line style.
    virtual void showUserLine(const std::string& phrase) = 0;
    // Appends a reply, greeting or follow-up remark to the transcript in the system-line style.
    virtual void showSystemLine(const std::string& line) = 0;
    // The closing animation's timer: enabled by an answer from a line with the farewell mark,
    // disabled by an answer from a main-phrase line without it.
    virtual void setClosingTimer(bool enabled) = 0;
    // The follow-up remark's timer: enabled in one turn of three, disabled in the others.
    virtual void setFollowUpTimer(bool enabled) = 0;
};

// The objects the engine works on; whoever drives the engine owns them all.
struct DialogueObjects {
    // Shared with every other part that loads a knowledge file.
    LineList& workingList;
    // What was said since the dialogue began.
    LineList& sessionLog;
    // The exchange file's content, written back at the end of a Cpu\Cpu turn.
    LineList& exchangeBuffer;
    RandomSource& random;
    TurnView& view;
    // Where every line shown is kept for reading later; none where nobody will read it.
    HistoryWriter* history = nullptr;
};

// The dialogue engine: one turn from a phrase to a reply, and the remarks the system makes
// around it. Files are found in "Base\" of the working folder.
class Engine {
public:
    explicit Engine(DialogueObjects objects, WorkingFolder folder);

    TurnState& state() { return state_; }
    const TurnState& state() const { return state_; }

    // With learning off a turn changes no file: nothing is learned and abuse is not collected.
    // To try the knowledge base without teaching it.
    void setLearning(bool on) { learning_ = on; }

    // One turn. `text` is the input line's text (Cpu\User) or line 0 of the exchange buffer
    // (Cpu\Cpu), taken as phraseAtEntry gives it; `previousTranscriptLine` is the transcript's
    // line at index count-2, read before anything is added (empty with fewer than two lines);
    // `exchangePath` is the path in the editor window, used in Cpu\Cpu mode only.
    // Returns false, having done nothing, when the phrase is empty or blank. Returns true after a
    // completed turn: the window then empties the input line and resets its idle counter.
    // Throws FileError at the step that fails; previousReply then keeps its old value.
    bool runTurn(const std::string& text, const std::string& previousTranscriptLine, Mode mode,
                 const std::string& exchangePath = {});

    // The greeting at the start of a dialogue: in one call of three, says a random line of
    // "Base\Begin.dat" and sets reply to it. Returns whether the draw allowed one; the
    // greeting timer is stopped by the caller after a call that did not throw.
    bool greet();

    // The follow-up remark, once its wait is over: says a random line 1 .. count-1
    // of whatever the working list holds, the empty line when it holds fewer than two.
    void sayFollowUpRemark();

    // A remark the window has shown itself, in a style of its own: the repeat check knows it as
    // the latest reply, and it is logged and kept as every line the system says.
    void logRemark(const std::string& remark);

private:
    TurnContext context();
    void startTurn(const std::string& phrase, Mode mode);
    void selectReply(const std::string& previousTranscriptLine);
    void finishTurn(Mode mode, const std::string& exchangePath);
    void saySystemLine(const std::string& line);
    void logLine(Speaker speaker, const std::string& line);

    // The phrase as the person meant it, should it have been typed in the wrong layout.
    std::string inIntendedLayout(const std::string& phrase);

    DialogueObjects objects_;
    WorkingFolder folder_;
    TurnState state_;
    WordsFile words_;
    bool learning_ = true;
    std::optional<RussianWords> russianWords_; // read when a Latin phrase first needs it
};

} // namespace besedka
