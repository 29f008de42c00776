// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/appearance.h"

namespace besedka {

namespace {

FontSpec boldStyle() {
    FontSpec style;
    style.bold = true;
    return style;
}

} // namespace

Appearance::Appearance(Controls controls, LookChoosers& choosers, ExchangeEditor& editor,
                       AboutWindow& aboutWindow)
    : controls_(controls), choosers_(choosers), editor_(editor), aboutWindow_(aboutWindow) {}

// Every settings command takes the mark off the reset, whether the user confirms or not.
template <typename Chooser> bool Appearance::choose(Chooser& chooser) {
    controls_.resetSettingsAction->setChecked(false);
    return chooser.execute(controls_.window);
}

// The name only when confirmed; the size and style the chooser holds in any case.
void Appearance::chooseLineFont(FontChooser& chooser) {
    const bool confirmed = choose(chooser);
    FontSpec font = chooser.font();
    if (!confirmed)
        font.name = controls_.transcript->lineFont().name;
    controls_.transcript->setLineFont(font);
}

void Appearance::chooseWindowColor() {
    if (choose(choosers_.sharedColor))
        paintBackground(controls_.background, QPalette::Window, choosers_.sharedColor.color());
}

void Appearance::chooseTranscriptColor() {
    if (choose(choosers_.sharedColor))
        paintBackground(controls_.transcript, QPalette::Base, choosers_.sharedColor.color());
}

void Appearance::chooseInputColor() {
    if (choose(choosers_.sharedColor))
        paintBackground(controls_.inputLine, QPalette::Base, choosers_.sharedColor.color());
}

void Appearance::chooseButtonTextColors() {
    for (QPushButton* button : controls_.buttons) {
        if (choose(choosers_.sharedColor))
            paintEnabledText(button, QPalette::ButtonText, choosers_.sharedColor.color());
    }
}

void Appearance::chooseUserLineColor() {
    if (choose(choosers_.userLineColor))
        controls_.transcript->setLineColor(choosers_.userLineColor.color());
}

void Appearance::chooseSystemLineColor() {
    if (choose(choosers_.systemLineColor))
        controls_.transcript->setLineColor(choosers_.systemLineColor.color());
}

void Appearance::chooseInputTextColor() {
    if (choose(choosers_.sharedColor))
        paintEnabledText(controls_.inputLine, QPalette::Text, choosers_.sharedColor.color());
}

void Appearance::chooseUserLineFont() {
    chooseLineFont(choosers_.userLineFont);
}

void Appearance::chooseSystemLineFont() {
    chooseLineFont(choosers_.systemLineFont);
}

void Appearance::chooseInputFont() {
    FontChooser& chooser = choosers_.inputFont;
    const bool confirmed = choose(chooser);
    QFont font = controls_.inputLine->font();
    if (confirmed)
        font.setFamily(chooser.font().name);
    // The input line keeps its size whatever the chooser holds.
    applyStyle(font, chooser.font());
    controls_.inputLine->setFont(font);
}

void Appearance::resetSettings() {
    controls_.resetSettingsAction->setChecked(true);
    paintBackground(controls_.background, QPalette::Window, kSilver);
    paintBackground(controls_.transcript, QPalette::Base, kSilver);
    paintBackground(controls_.inputLine, QPalette::Base, kSilver);

    paintEnabledText(controls_.inputLine, QPalette::Text, Qt::black);
    QFont inputFont = controls_.inputLine->font();
    // Bold, though the input line starts regular.
    applyStyle(inputFont, boldStyle());
    controls_.inputLine->setFont(inputFont);
    for (QPushButton* button : controls_.buttons)
        paintEnabledText(button, QPalette::ButtonText, Qt::black);

    for (ColorChooser* chooser :
         {&choosers_.sharedColor, &choosers_.userLineColor, &choosers_.systemLineColor})
        chooser->setColor(Qt::black);
    choosers_.userLineFont.setFont(defaultFont());
    choosers_.systemLineFont.setFont(defaultFont());
    FontSpec inputStyle = choosers_.inputFont.font();
    inputStyle.name = defaultFont().name;
    inputStyle.pointSize = defaultFont().pointSize;
    choosers_.inputFont.setFont(inputStyle);

    // The editor's fields take the mark off again when this changes them.
    editor_.restoreDefaults();
    aboutWindow_.setOuterHeight(AboutWindow::kFoldedHeight);
}

} // namespace besedka
