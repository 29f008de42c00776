// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "conversation/control_states.h"
#include "input_aids/key_down_filter.h"
#include "input_aids/speed_word_offer.h"
#include "platform/core/line_list.h"
#include "platform/core/paths.h"
#include "platform/qt/status_bar.h"
#include "platform/qt/timer.h"

#include <QAction>
#include <QLineEdit>
#include <QObject>

namespace besedka {

// Speed Word: while it is switched on, status panel 0 offers a dictionary word that begins with
// the word being typed; F5 completes the word with it, Up and Down step through the offers.
class SpeedWord final : public QObject, public CompletionControls {
    Q_OBJECT

public:
    struct Controls {
        QLineEdit* inputLine;
        StatusBar* statusBar;
        QAction* speedWordAction;    // the switch, checked while on
        QAction* completeWordAction; // F5
    };

    // Watches every key press of the application from now on.
    // The dictionary is that of the working folder.
    SpeedWord(Controls controls, const WorkingFolder& folder);

    const Timer& suggestionCheckTimer() const { return suggestionCheckTimer_; }
    // Loaded afresh at each switch.
    const LineList& dictionary() const { return dictionary_; }
    const SpeedWordOffer& offer() const { return offer_; }

    void switchSpeedWord();
    void completeWord();
    void checkSuggestion();
    // A changed word is searched from the first entry again.
    void restartSuggestion();
    void stepThroughOffers(int key);

    // Whether status panel 0 shows a dictionary entry, the only time F5 has something to add.
    bool showsSuggestion() const;
    // Enables F5 while there is an entry to add; says whether there is.
    bool updateCompleteWordAction();
    void updateCompletionControls(bool lineHasText) override;

signals:
    void switched(bool on);

private:
    Controls controls_;
    WorkingFolder folder_;
    LineList dictionary_;
    SpeedWordOffer offer_;
    Timer suggestionCheckTimer_;
    KeyDownFilter keyDownFilter_;
};

} // namespace besedka
