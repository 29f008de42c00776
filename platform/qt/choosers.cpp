// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/choosers.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QFontDialog>
#include <QFontInfo>
#include <algorithm>

namespace besedka {

namespace {

// The dialog has no option for leaving the effects out; they are the group of its check boxes.
// The group keeps its room, which the sample beside it needs.
void hideEffects(QFontDialog& dialog) {
    for (QCheckBox* effect : dialog.findChildren<QCheckBox*>()) {
        QWidget* effects = effect->parentWidget();
        QSizePolicy policy = effects->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        effects->setSizePolicy(policy);
        effects->hide();
    }
}

std::optional<QColor> runColorDialog(const QColor& shown, QWidget* parent) {
    QColorDialog dialog(shown, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.selectedColor();
}

std::optional<FontSpec> runFontDialog(const FontSpec& shown, const FontChoice& choice,
                                      QWidget* parent) {
    QFontDialog dialog(dialogFont(shown), parent);
    if (!choice.effects)
        hideEffects(dialog);
    // A size the chooser does not offer springs back, so the dialog never shows one.
    QObject::connect(
        &dialog, &QFontDialog::currentFontChanged, &dialog,
        [&dialog, choice](const QFont& font) {
            const int size = std::clamp(font.pointSize(), choice.smallestSize, choice.largestSize);
            if (size == font.pointSize())
                return;
            QFont offered = font;
            offered.setPointSize(size);
            dialog.setCurrentFont(offered);
        },
        // After the size list has taken the click, so that it shows the size put back.
        Qt::QueuedConnection);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return fontSpecOf(dialog.selectedFont());
}

} // namespace

// The dialog lists installed families only: a Windows name is shown as the font that stands in.
// Given no style name, the dialog selects the family's first style, which may well be bold
// italic, and confirming it unchanged would change the font.
FontSpec fontSpecOf(const QFont& font) {
    return {font.family(), font.pointSize(), font.bold(),
            font.italic(), font.underline(), font.strikeOut()};
}

void applyStyle(QFont& font, const FontSpec& style) {
    font.setBold(style.bold);
    font.setItalic(style.italic);
    font.setUnderline(style.underline);
    font.setStrikeOut(style.strikeOut);
}

QFont dialogFont(const FontSpec& shown) {
    QFont font(shown.name);
    font.setPointSize(shown.pointSize);
    applyStyle(font, shown);
    const QFontInfo standIn(font);
    font.setFamily(standIn.family());
    font.setStyleName(standIn.styleName());
    return font;
}

bool ColorChooser::execute(QWidget* parent) {
    ChooserAnswers* answers = ChooserAnswers::current_;
    const std::optional<QColor> chosen =
        answers != nullptr ? answers->answerColor(color_) : runColorDialog(color_, parent);
    if (!chosen)
        return false;
    color_ = *chosen;
    return true;
}

bool FontChooser::execute(QWidget* parent) {
    ChooserAnswers* answers = ChooserAnswers::current_;
    const std::optional<FontSpec> chosen =
        answers != nullptr ? answers->answerFont(font_) : runFontDialog(font_, choice_, parent);
    if (!chosen)
        return false;
    font_ = limited(*chosen);
    return true;
}

FontSpec FontChooser::limited(FontSpec chosen) const {
    chosen.pointSize = std::clamp(chosen.pointSize, choice_.smallestSize, choice_.largestSize);
    if (!choice_.effects) {
        chosen.underline = font_.underline;
        chosen.strikeOut = font_.strikeOut;
    }
    return chosen;
}

ChooserAnswers* ChooserAnswers::current_ = nullptr;

ChooserAnswers::ChooserAnswers() {
    current_ = this;
}

ChooserAnswers::~ChooserAnswers() {
    current_ = nullptr;
}

namespace {

// The next queued answer; an opening with none left is a cancel.
template <typename Value>
std::optional<Value> takeAnswer(std::deque<std::optional<Value>>& answers) {
    if (answers.empty())
        return std::nullopt;
    const std::optional<Value> answer = answers.front();
    answers.pop_front();
    return answer;
}

} // namespace

std::optional<QColor> ChooserAnswers::answerColor(const QColor& shown) {
    colorsShown_.append(shown);
    return takeAnswer(colorAnswers_);
}

std::optional<FontSpec> ChooserAnswers::answerFont(const FontSpec& shown) {
    fontsShown_.append(shown);
    return takeAnswer(fontAnswers_);
}

} // namespace besedka
