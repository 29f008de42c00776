// SPDX-License-Identifier: GPL-3.0-or-later
#include "conversation/control_states.h"

#include <QMenuBar>

namespace besedka {

ControlStates::ControlStates(Controls controls) : controls_(controls), controlStateTimer_(1, true) {
    controlStateTimer_.setHandler([this] { updateControls(); });
}

void ControlStates::connectCompletion(CompletionControls& completion) {
    completion_ = &completion;
}

void ControlStates::updateControls() {
    const bool hasText = !controls_.inputLine->text().isEmpty();
    controls_.sayButton->setEnabled(hasText);
    controls_.layoutButton->setEnabled(hasText);
    controls_.enterButton->setEnabled(hasText);
    const bool hasLines = controls_.transcript->hasLines();
    controls_.undoButton->setEnabled(hasLines);
    controls_.undoAction->setEnabled(hasLines);
    completion_->updateCompletionControls(hasText);
    // Alt alone puts the menu bar in keyboard mode; taking the focus from it would end that.
    // The transcript keeps it for copying; typing there goes on in the input line.
    const QWidget* focus = controls_.window->focusWidget();
    if (focus != controls_.window->menuBar() && focus != controls_.transcript)
        controls_.inputLine->setFocus();
}

void ControlStates::holdMainWindow() {
    controlStateTimer_.setEnabled(false);
    controls_.window->setEnabled(false);
}

void ControlStates::releaseMainWindow() {
    controlStateTimer_.setEnabled(true);
    controls_.window->setEnabled(true);
}

} // namespace besedka
