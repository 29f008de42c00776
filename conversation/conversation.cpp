// SPDX-License-Identifier: GPL-3.0-or-later
#include "conversation/conversation.h"

#include "engine/base_files.h"
#include "engine/knowledge_stats.h"
#include "engine/session_log.h"
#include "platform/core/clock.h"
#include "platform/qt/busy_cursor.h"
#include "platform/qt/engine_text.h"
#include "platform/qt/error_report.h"
#include "platform/qt/message_box.h"

#include <QMenuBar>
#include <algorithm>

namespace besedka {

namespace {

// Small enough to look closed, large enough to remain a window on any desktop.
constexpr QSize kSmallestWindow(112, 27);
constexpr int kClosingTicks = 80;
constexpr int kClosingSoundFromTick = 10;

QString loadingText() {
    return QStringLiteral("Идёт загрузка подождите...");
}

// The box holds up nothing: the dialogue goes on while it is open.
void reportHistoryProblem(const std::string& message) {
    MessageBox::showError(toQString(message), {});
}
} // namespace

QString knowledgeLoadedText() {
    return QStringLiteral("Загрузка окончена");
}

Conversation::Conversation(Controls controls, Sounds& sounds, const LookChoosers& choosers,
                           RandomSource& random, const Clock& clock, const WorkingFolder& folder)
    : controls_(controls), sounds_(sounds), choosers_(choosers), random_(random), folder_(folder),
      history_(clock, reportHistoryProblem, historyFolder(folder)),
      engine_({workingList_, sessionLog_, exchangeBuffer_, random, *this, &history_}, folder),
      knowledgeLoadTimer_(1, true), closingAnimationTimer_(1, false), dialogueStartTimer_(1, true) {
    knowledgeLoadTimer_.setHandler([this] { loadKnowledgeBase(); });
    closingAnimationTimer_.setHandler([this] { stepClosingAnimation(); });
    dialogueStartTimer_.setHandler([this] { playDialogueStartAnimation(); });
    runGuarded([this] { workingList_.load(base_files::kWordsAtExit, folder_); });
}

void Conversation::connectParts(const ExchangeSource& exchange, RemarkTriggers& remarks,
                                QWidget& keyboard) {
    exchange_ = &exchange;
    remarks_ = &remarks;
    keyboard_ = &keyboard;
}

void Conversation::loadKnowledgeBase() {
    controls_.statusBar->setPanelText(0, loadingText());
    controls_.inputLine->setReadOnly(true);
    controls_.sayButton->setEnabled(false);
    try {
        workingList_.load(base_files::kWords, folder_);
    } catch (...) {
        // The error is reported once; the input must not stay locked behind it.
        controls_.statusBar->setPanelText(0, {});
        finishLoading();
        throw;
    }
    controls_.statusBar->setPanelText(1, toQString(phraseCountsText(countPhrases(workingList_))));
    finishLoading();
    controls_.statusBar->setPanelText(0, knowledgeLoadedText());
}

void Conversation::finishLoading() {
    controls_.inputLine->setReadOnly(false);
    controls_.sayButton->setEnabled(true);
    knowledgeLoadTimer_.setEnabled(false);
}

void Conversation::say() {
    const TranscriptView& transcript = *controls_.transcript;
    const std::string previousLine = toEngineText(transcript.lineAt(transcript.lineCount() - 2));
    const bool exchange = exchange_->exchangeModeOn();
    const std::string phrase =
        exchange ? exchangeBuffer_.get(0) : toEngineText(controls_.inputLine->text());
    if (engine_.runTurn(phrase, previousLine, exchange ? Mode::CpuCpu : Mode::CpuUser,
                        exchange ? exchange_->exchangePath() : std::string())) {
        controls_.inputLine->clear();
        idleSeconds_ = 0;
    }
}

void Conversation::undo() {
    controls_.transcript->deleteLastLine();
    sessionLog_.remove(sessionLog_.count() - 1);
    dialogueStartTimer_.setEnabled(true);
}

void Conversation::startNewDialogue() {
    controls_.transcript->clearLines();
    sessionLog_.clear();
    controls_.inputLine->clear();
    dialogueStartTimer_.setEnabled(true);
    remarks_->startGreeting();
}

void Conversation::exitWithRecord() {
    const LocalMoment now = localMoment();
    appendSessionRecord(workingList_, sessionLog_, now.date, now.time, folder_);
    controls_.window->close();
}

void Conversation::stepClosingAnimation() {
    keyboard_->hide();
    ++closingTicks_;
    if (closingTicks_ >= kClosingTicks) {
        // Stopped first: an exit that fails must not be retried at every further tick.
        closingAnimationTimer_.setEnabled(false);
        exitWithRecord();
    }
    QMainWindow& window = *controls_.window;
    window.move(window.x(), window.y() - 2);
    window.move(window.x() - 3, window.y());
    window.setFixedSize(std::max(window.width() - 10, kSmallestWindow.width()),
                        std::max(window.height() - 8, kSmallestWindow.height()));
    if (closingTicks_ >= kClosingSoundFromTick)
        sounds_.closingSound.play();
}

void Conversation::playDialogueStartAnimation() {
    besedka::setBusyCursor(true);
    random_.reseed();
    sounds_.dialogueStartSound.play();
    controls_.inputLine->setReadOnly(true);
    setMenusEnabled(false);
    QMainWindow& window = *controls_.window;
    const int jumps = drawBetween(random_, 125, 250);
    for (int jump = 0; jump < jumps; ++jump) {
        const int left = drawBetween(random_, 95, 105);
        const int top = drawBetween(random_, 95, 105);
        window.move(window.x(), top);
        window.move(left, top);
    }
    centreOnDesktop(&window);
    controls_.inputLine->setReadOnly(false);
    setMenusEnabled(true);
    dialogueStartTimer_.setEnabled(false);
    remarks_->startGreeting();
    controls_.transcript->clearLines();
    besedka::setBusyCursor(false);
}

void Conversation::setMenusEnabled(bool enabled) {
    for (QAction* menu : controls_.window->menuBar()->actions())
        menu->setEnabled(enabled);
}

void Conversation::playKeyClick() {
    sounds_.keyClickSound.play();
}

void Conversation::sayRemark(const std::string& remark) {
    showLine(Speaker::Remark, remark);
    engine_.logRemark(remark);
    sounds_.systemSound.play();
}

void Conversation::setBusyCursor(bool busy) {
    besedka::setBusyCursor(busy);
}

void Conversation::playPhraseSound() {
    sounds_.phraseSound.play();
}

void Conversation::playSystemSound() {
    sounds_.systemSound.play();
}

void Conversation::showUserLine(const std::string& phrase) {
    showLine(Speaker::User, phrase);
}

void Conversation::showSystemLine(const std::string& line) {
    showLine(Speaker::System, line);
}

void Conversation::showLine(Speaker speaker, const std::string& text) {
    TranscriptView& transcript = *controls_.transcript;
    switch (speaker) {
    case Speaker::User:
        transcript.setLineColor(choosers_.userLineColor.color());
        transcript.setLineFont(choosers_.userLineFont.font());
        break;
    case Speaker::System:
        transcript.setLineColor(choosers_.systemLineColor.color());
        transcript.setLineFont(choosers_.systemLineFont.font());
        break;
    case Speaker::Remark:
        // A remark has no font of its own: it keeps the one of the line before it.
        transcript.setLineColor(choosers_.sharedColor.color());
        break;
    }
    transcript.appendLine(toQString(text));
}

void Conversation::setClosingTimer(bool enabled) {
    closingAnimationTimer_.setEnabled(enabled);
}

void Conversation::setFollowUpTimer(bool enabled) {
    remarks_->setFollowUpPending(enabled);
}

} // namespace besedka
