// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "conversation/sounds.h"
#include "engine/history.h"
#include "engine/turn.h"
#include "platform/core/clock.h"
#include "platform/core/line_list.h"
#include "platform/core/random_source.h"
#include "platform/qt/look.h"
#include "platform/qt/status_bar.h"
#include "platform/qt/timer.h"
#include "platform/qt/transcript_view.h"

#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <string>

namespace besedka {

// What status panel 0 reads once the knowledge base is loaded; Speed Word puts it back.
QString knowledgeLoadedText();

// Where a turn takes its phrase while the exchange mode is on, which modes/ knows.
class ExchangeSource {
public:
    virtual ~ExchangeSource() = default;
    virtual bool exchangeModeOn() const = 0;
    // The exchange file, as the engine spells paths.
    virtual std::string exchangePath() const = 0;
};

// The remarks that a turn and a new dialogue set going, which modes/ makes.
class RemarkTriggers {
public:
    virtual ~RemarkTriggers() = default;
    virtual void startGreeting() = 0;
    // In one turn of three a follow-up remark comes after the reply; the other turns cancel it.
    virtual void setFollowUpPending(bool pending) = 0;
};

// The conversation on screen: the knowledge base's loading at start, the turn, undo, a new
// dialogue, the exit with its session record, and the dialogue-start and closing animations.
// It owns the engine and the line lists the engine works on.
class Conversation : private TurnView {
public:
    struct Controls {
        QMainWindow* window;
        TranscriptView* transcript;
        QLineEdit* inputLine;
        QPushButton* sayButton;
        StatusBar* statusBar;
    };

    // Loads the phrase base into the working list; a failure is reported and start-up goes on.
    // The clock dates the lines kept in the history. The files are those of the working folder.
    Conversation(Controls controls, Sounds& sounds, const LookChoosers& choosers,
                 RandomSource& random, const Clock& clock, const WorkingFolder& folder);

    // What the conversation works with from the folders above it: the exchange mode, which says
    // where a turn's phrase comes from; the remarks it sets going; the keyboard that the closing
    // animation hides. Given once, before the first tick.
    void connectParts(const ExchangeSource& exchange, RemarkTriggers& remarks, QWidget& keyboard);

    Engine& engine() { return engine_; }
    // Where the knowledge files are, for every part that loads one.
    const WorkingFolder& folder() const { return folder_; }
    // The knowledge-base working list, shared with every part that loads a knowledge file.
    LineList& workingList() { return workingList_; }
    // What was said since the dialogue began, with the speaker prefixes.
    LineList& sessionLog() { return sessionLog_; }
    // The exchange file's content as read last, and the reply written back to it.
    LineList& exchangeBuffer() { return exchangeBuffer_; }

    // Seconds of silence counted by the idle remark; a completed turn starts them again.
    int idleSeconds() const { return idleSeconds_; }
    void countIdleSecond() { ++idleSeconds_; }
    void restartIdleCount() { idleSeconds_ = 0; }
    // Ticks of the closing animation so far; never reset, so an interrupted farewell resumes.
    int closingTicks() const { return closingTicks_; }

    const Timer& knowledgeLoadTimer() const { return knowledgeLoadTimer_; }
    const Timer& closingAnimationTimer() const { return closingAnimationTimer_; }
    const Timer& dialogueStartTimer() const { return dialogueStartTimer_; }

    void loadKnowledgeBase();
    // A turn on the input line, or on the exchange file while the exchange mode is on.
    void say();
    void undo();
    void startNewDialogue();
    void exitWithRecord();
    void stepClosingAnimation();
    void playDialogueStartAnimation();
    void playKeyClick();
    // A remark of the program's own between turns: in the shared colour and whatever font the
    // line before it had, logged and sounded as a reply is.
    void sayRemark(const std::string& remark);

private:
    // Who a line of the transcript is from, which sets its colour and font.
    enum class Speaker { User, System, Remark };

    void finishLoading();
    void setMenusEnabled(bool enabled);
    void showLine(Speaker speaker, const std::string& text);

    void setBusyCursor(bool busy) override;
    void playPhraseSound() override;
    void playSystemSound() override;
    void showUserLine(const std::string& phrase) override;
    void showSystemLine(const std::string& line) override;
    void setClosingTimer(bool enabled) override;
    void setFollowUpTimer(bool enabled) override;

    Controls controls_;
    Sounds& sounds_;
    const LookChoosers& choosers_;
    RandomSource& random_;
    const ExchangeSource* exchange_ = nullptr;
    RemarkTriggers* remarks_ = nullptr;
    QWidget* keyboard_ = nullptr;

    WorkingFolder folder_;
    LineList workingList_;
    LineList sessionLog_;
    LineList exchangeBuffer_;
    HistoryWriter history_;
    Engine engine_;
    int idleSeconds_ = 0;
    int closingTicks_ = 0;
    Timer knowledgeLoadTimer_;
    Timer closingAnimationTimer_;
    Timer dialogueStartTimer_;
};

} // namespace besedka
