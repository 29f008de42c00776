// SPDX-License-Identifier: GPL-3.0-or-later
#include "input_aids/reserved_character_guard.h"

#include "engine/knowledge_line.h"

namespace besedka {

namespace {

bool isReserved(QChar c) {
    return c.unicode() < 0x80 &&
           kMarkupCharacters.find(static_cast<char>(c.unicode())) != std::string_view::npos;
}

} // namespace

ReservedCharacterGuard::ReservedCharacterGuard(QLineEdit* inputLine, TranscriptView* transcript)
    : inputLine_(inputLine), transcript_(transcript), scanTimer_(1, true) {
    scanTimer_.setHandler([this] { scanNextCharacter(); });
}

void ReservedCharacterGuard::scanNextCharacter() {
    const QString text = inputLine_->text();
    if (text.isEmpty())
        return;
    ++scanPosition_;
    // The text may have become shorter since the last tick.
    if (scanPosition_ > text.size())
        scanPosition_ = 1;
    if (isReserved(text.at(scanPosition_ - 1))) {
        transcript_->setEnabled(false);
        inputLine_->clear();
        return;
    }
    if (scanPosition_ == text.size())
        scanPosition_ = 0;
}

} // namespace besedka
