// SPDX-License-Identifier: GPL-3.0-or-later
#include "modes/exchange_mode.h"

#include "platform/qt/engine_text.h"

namespace besedka {

namespace {

const QColor kTeal(0, 128, 128);

QString conversationModeText() {
    return QStringLiteral("Режим Cpu\\User");
}

} // namespace

ExchangeMode::ExchangeMode(Controls controls, Conversation& conversation,
                           ControlStates& controlStates, const QFont& font)
    : controls_(controls), conversation_(conversation), controlStates_(controlStates),
      editor_(controlStates, controls.resetSettingsAction, font), exchangePollTimer_(1, false) {
    exchangePollTimer_.setHandler([this] { pollExchangeFile(); });
    controls_.statusBar->setPanelText(2, conversationModeText());
}

bool ExchangeMode::exchangeModeOn() const {
    return controls_.exchangeModeAction->isChecked();
}

std::string ExchangeMode::exchangePath() const {
    return toEngineText(editor_.settings().path);
}

void ExchangeMode::switchToConversationMode() {
    controls_.inputLine->clear();
    controlStates_.setUpdating(true);
    controls_.transcript->setLineColor(kTeal);
    controls_.statusBar->setPanelText(2, conversationModeText());
    controls_.transcript->appendLine(QStringLiteral("Сервис:   // Режим диалога Cpu\\User."));
    controls_.transcript->appendLine({});
    controls_.conversationModeAction->setChecked(true);
    controls_.exchangeModeAction->setChecked(false);
    exchangePollTimer_.setEnabled(false);
}

void ExchangeMode::switchToExchangeMode() {
    controlStates_.setUpdating(false);
    controls_.transcript->setLineColor(kTeal);
    controls_.statusBar->setPanelText(2, QStringLiteral("Режим Cpu\\Cpu"));
    controls_.transcript->appendLine(QStringLiteral("Сервис:   // Режим диалога Cpu\\Cpu."));
    controls_.conversationModeAction->setChecked(false);
    controls_.exchangeModeAction->setChecked(true);
    exchangePollTimer_.setEnabled(true);
}

void ExchangeMode::pollExchangeFile() {
    conversation_.exchangeBuffer().loadText(exchangePath(), conversation_.folder());
    if (editor_.settings().readByTimer) {
        exchangePollTimer_.setInterval(editor_.settings().periodMs);
        controls_.enterButton->setEnabled(false);
        // A turn of its own, whether or not the user could click "Сказать" now.
        conversation_.say();
    } else {
        controls_.enterButton->setEnabled(true);
    }
}

void ExchangeMode::openExchangeEditor() {
    controlStates_.holdMainWindow();
    editor_.open();
}

} // namespace besedka
