// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "conversation/control_states.h"
#include "conversation/conversation.h"
#include "modes/exchange_editor.h"
#include "platform/qt/status_bar.h"
#include "platform/qt/timer.h"
#include "platform/qt/transcript_view.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <string>

namespace besedka {

// The two conversation modes: Cpu\User, where the user types the phrases, and Cpu\Cpu, where a
// poll reads them from the exchange file named in the editor window and each reply replaces the
// file's content.
class ExchangeMode final : public ExchangeSource {
public:
    struct Controls {
        TranscriptView* transcript;
        QLineEdit* inputLine;
        QPushButton* enterButton;
        StatusBar* statusBar;
        QAction* conversationModeAction;
        QAction* exchangeModeAction;
        QAction* resetSettingsAction;
    };

    // Starts in the Cpu\User mode; creates the editor window, hidden.
    ExchangeMode(Controls controls, Conversation& conversation, ControlStates& controlStates,
                 const QFont& font);

    ExchangeEditor& editor() { return editor_; }
    const Timer& exchangePollTimer() const { return exchangePollTimer_; }

    void switchToConversationMode();
    void switchToExchangeMode();
    void pollExchangeFile();
    void openExchangeEditor();

    bool exchangeModeOn() const override;
    std::string exchangePath() const override;

private:
    Controls controls_;
    Conversation& conversation_;
    ControlStates& controlStates_;
    ExchangeEditor editor_;
    Timer exchangePollTimer_;
};

} // namespace besedka
