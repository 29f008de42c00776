// SPDX-License-Identifier: GPL-3.0-or-later
#include "input_aids/layout_fix.h"

#include "engine/layout_conversion.h"
#include "platform/core/cp1251.h"

namespace besedka {

namespace {

// Characters outside the table, those without a Windows-1251 form among them, stay as they are.
QString toCyrillicLayout(QString text) {
    for (QChar& c : text) {
        if (c.unicode() >= 0x80)
            continue;
        const char converted = cyrillicLayoutCounterpart(static_cast<char>(c.unicode()));
        c = QChar(static_cast<char16_t>(cp1251::toUnicode(static_cast<unsigned char>(converted))));
    }
    return text;
}

} // namespace

LayoutFix::LayoutFix(QLineEdit* inputLine, SoundPlayer& conversionSound)
    : inputLine_(inputLine), conversionSound_(conversionSound) {}

void LayoutFix::convertKeyboardLayout() {
    conversionSound_.play();
    const QString converted = toCyrillicLayout(inputLine_->text());
    if (converted != inputLine_->text())
        inputLine_->setText(converted);
}

} // namespace besedka
