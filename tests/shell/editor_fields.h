// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "modes/exchange_editor.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <stdexcept>
#include <string>

namespace besedka::test {

// A field of the exchange editor, found by its object name as a user's tools would find it.
template <typename Field> Field* editorField(const ExchangeEditor& editor, const char* name) {
    auto* field = editor.findChild<Field*>(QString::fromLatin1(name));
    if (field == nullptr)
        throw std::logic_error(std::string("the exchange editor has no field ") + name);
    return field;
}

inline QLineEdit* pathEdit(const ExchangeEditor& editor) {
    return editorField<QLineEdit>(editor, "pathEdit");
}
inline QRadioButton* readOnEnterButton(const ExchangeEditor& editor) {
    return editorField<QRadioButton>(editor, "readOnEnterButton");
}
inline QRadioButton* readByTimerButton(const ExchangeEditor& editor) {
    return editorField<QRadioButton>(editor, "readByTimerButton");
}
inline NumberSpinBox* periodBox(const ExchangeEditor& editor) {
    return editorField<NumberSpinBox>(editor, "periodBox");
}
inline QPushButton* okButton(const ExchangeEditor& editor) {
    return editorField<QPushButton>(editor, "okButton");
}
inline QPushButton* cancelButton(const ExchangeEditor& editor) {
    return editorField<QPushButton>(editor, "cancelButton");
}

} // namespace besedka::test
