// SPDX-License-Identifier: GPL-3.0-or-later
#include "input_aids/speed_word.h"

#include "conversation/conversation.h"
#include "engine/base_files.h"
#include "platform/core/cp1251.h"
#include "platform/qt/busy_cursor.h"
#include "platform/qt/engine_text.h"
#include "platform/qt/error_report.h"

namespace besedka {

namespace {

QString noSuggestionText() {
    return QStringLiteral("[NONE]");
}

SuggestionStep stepFor(int key) {
    if (key == Qt::Key_Up)
        return SuggestionStep::Up;
    if (key == Qt::Key_Down)
        return SuggestionStep::Down;
    return SuggestionStep::Stay;
}

} // namespace

SpeedWord::SpeedWord(Controls controls, const WorkingFolder& folder)
    : controls_(controls), folder_(folder), suggestionCheckTimer_(1, true),
      keyDownFilter_([this](int key) { runGuarded([this, key] { stepThroughOffers(key); }); },
                     nullptr) {
    suggestionCheckTimer_.setHandler([this] { checkSuggestion(); });
}

void SpeedWord::switchSpeedWord() {
    dictionary_.load(base_files::kDictionary, folder_);
    QAction* speedWord = controls_.speedWordAction;
    speedWord->setChecked(!speedWord->isChecked());
    controls_.statusBar->setPanelText(0, speedWord->isChecked() ? noSuggestionText()
                                                                : knowledgeLoadedText());
    suggestionCheckTimer_.setEnabled(speedWord->isChecked());
    emit switched(speedWord->isChecked());
}

void SpeedWord::completeWord() {
    QLineEdit* inputLine = controls_.inputLine;
    inputLine->setText(inputLine->text() + toQString(cp1251::lower(offer_.completion)));
    suggestionCheckTimer_.setEnabled(true);
}

void SpeedWord::checkSuggestion() {
    const std::string* entry =
        offer_.check(dictionary_.lines(), toEngineText(controls_.inputLine->text()));
    controls_.statusBar->setPanelText(0, entry != nullptr ? toQString(*entry) : noSuggestionText());
    suggestionCheckTimer_.setEnabled(false);
}

void SpeedWord::restartSuggestion() {
    offer_.entryIndex = -1;
    suggestionCheckTimer_.setEnabled(controls_.speedWordAction->isChecked());
}

void SpeedWord::stepThroughOffers(int key) {
    if (dictionary_.count() == 0 || !controls_.speedWordAction->isChecked())
        return;
    setBusyCursor(true);
    controls_.statusBar->setPanelText(0, toQString(offer_.step(dictionary_.lines(), stepFor(key))));
    suggestionCheckTimer_.setEnabled(true);
    setBusyCursor(false);
}

bool SpeedWord::showsSuggestion() const {
    const QString panel = controls_.statusBar->panelText(0);
    return !panel.isEmpty() && panel != noSuggestionText() && panel != knowledgeLoadedText();
}

bool SpeedWord::updateCompleteWordAction() {
    const bool offered = showsSuggestion();
    controls_.completeWordAction->setEnabled(offered);
    return offered;
}

void SpeedWord::updateCompletionControls(bool lineHasText) {
    // Speed Word keeps "[NONE]" on the panel while the line is empty.
    if (!lineHasText && controls_.speedWordAction->isChecked())
        suggestionCheckTimer_.setEnabled(true);
    updateCompleteWordAction();
}

} // namespace besedka
