// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/qt/timer.h"
#include "platform/qt/transcript_view.h"

#include <QAction>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>

namespace besedka {

// The word completion's share of the state update, which input_aids/ keeps.
class CompletionControls {
public:
    virtual ~CompletionControls() = default;
    virtual void updateCompletionControls(bool lineHasText) = 0;
};

// Keeps the main window's commands in step with the input line and the transcript, at every tick
// of its timer, and holds the window still while a secondary window is open over it.
class ControlStates {
public:
    struct Controls {
        QMainWindow* window;
        TranscriptView* transcript;
        QLineEdit* inputLine;
        QPushButton* sayButton;
        QPushButton* layoutButton;
        QPushButton* enterButton;
        QPushButton* undoButton;
        QAction* undoAction;
    };

    explicit ControlStates(Controls controls);

    // Given once, before the first tick.
    void connectCompletion(CompletionControls& completion);

    // Stopped while a secondary window is open and in the exchange mode.
    const Timer& controlStateTimer() const { return controlStateTimer_; }
    void setUpdating(bool on) { controlStateTimer_.setEnabled(on); }
    void updateControls();

    // The update stops and the main window takes no input until it is released.
    void holdMainWindow();
    void releaseMainWindow();

private:
    Controls controls_;
    CompletionControls* completion_ = nullptr;
    Timer controlStateTimer_;
};

} // namespace besedka
