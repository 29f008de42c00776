// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/appearance.h"

namespace besedka {

namespace {

FontSpec boldStyle() {
    FontSpec style;
    style.bold = true;
    return style;
}

// The name and style; the input line keeps its size.
void showInputFont(QLineEdit* inputLine, const FontSpec& chosen) {
    QFont font = inputLine->font();
    font.setFamily(chosen.name);
    applyStyle(font, chosen);
    inputLine->setFont(font);
}

// The buttons of the input row, in the order of Controls::buttons.
constexpr QColor ChosenSettings::*kCaptions[] = {
    &ChosenSettings::sayCaption, &ChosenSettings::undoCaption, &ChosenSettings::layoutCaption};

} // namespace

void rememberChoosers(ChosenSettings& chosen, const LookChoosers& choosers) {
    chosen.sharedColor = choosers.sharedColor.color();
    chosen.userLineColor = choosers.userLineColor.color();
    chosen.systemLineColor = choosers.systemLineColor.color();
    chosen.userLineFont = choosers.userLineFont.font();
    chosen.systemLineFont = choosers.systemLineFont.font();
    chosen.inputChooserFont = choosers.inputFont.font();
}

Appearance::Appearance(Controls controls, LookChoosers& choosers, ExchangeEditor& editor,
                       AboutWindow& aboutWindow, SettingsModel& settings)
    : controls_(controls), choosers_(choosers), editor_(editor), aboutWindow_(aboutWindow),
      settings_(settings) {}

void Appearance::show(const ChosenSettings& chosen, const ChosenSettings& start) {
    const auto changed = [&chosen, &start](auto ChosenSettings::*field) {
        return chosen.*field != start.*field;
    };
    if (changed(&ChosenSettings::windowBackground))
        paintBackground(controls_.background, QPalette::Window, chosen.windowBackground);
    if (changed(&ChosenSettings::transcriptBackground))
        paintBackground(controls_.transcript, QPalette::Base, chosen.transcriptBackground);
    if (changed(&ChosenSettings::inputBackground))
        paintBackground(controls_.inputLine, QPalette::Base, chosen.inputBackground);
    if (changed(&ChosenSettings::inputText))
        paintEnabledText(controls_.inputLine, QPalette::Text, chosen.inputText);
    for (std::size_t i = 0; i < controls_.buttons.size(); ++i) {
        if (changed(kCaptions[i]))
            paintEnabledText(controls_.buttons[i], QPalette::ButtonText, chosen.*kCaptions[i]);
    }
    choosers_.sharedColor.setColor(chosen.sharedColor);
    choosers_.userLineColor.setColor(chosen.userLineColor);
    choosers_.systemLineColor.setColor(chosen.systemLineColor);
    choosers_.userLineFont.setFont(chosen.userLineFont);
    choosers_.systemLineFont.setFont(chosen.systemLineFont);
    choosers_.inputFont.setFont(chosen.inputChooserFont);
    if (changed(&ChosenSettings::inputFont))
        showInputFont(controls_.inputLine, chosen.inputFont);
}

void Appearance::announce(const std::function<void(ChosenSettings&)>& painted) {
    settings_.change([this, &painted](ChosenSettings& chosen) {
        rememberChoosers(chosen, choosers_);
        if (painted)
            painted(chosen);
    });
}

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
    announce();
}

void Appearance::chooseBackground(QWidget* widget, QPalette::ColorRole role,
                                  QColor ChosenSettings::*field) {
    if (!choose(choosers_.sharedColor))
        return;
    const QColor color = choosers_.sharedColor.color();
    paintBackground(widget, role, color);
    announce([field, &color](ChosenSettings& chosen) { chosen.*field = color; });
}

void Appearance::chooseWindowColor() {
    chooseBackground(controls_.background, QPalette::Window, &ChosenSettings::windowBackground);
}

void Appearance::chooseTranscriptColor() {
    chooseBackground(controls_.transcript, QPalette::Base, &ChosenSettings::transcriptBackground);
}

void Appearance::chooseInputColor() {
    chooseBackground(controls_.inputLine, QPalette::Base, &ChosenSettings::inputBackground);
}

void Appearance::chooseButtonTextColors() {
    for (std::size_t i = 0; i < controls_.buttons.size(); ++i) {
        if (!choose(choosers_.sharedColor))
            continue;
        const QColor color = choosers_.sharedColor.color();
        paintEnabledText(controls_.buttons[i], QPalette::ButtonText, color);
        announce([i, &color](ChosenSettings& chosen) { chosen.*kCaptions[i] = color; });
    }
}

void Appearance::chooseUserLineColor() {
    if (choose(choosers_.userLineColor))
        controls_.transcript->setLineColor(choosers_.userLineColor.color());
    announce();
}

void Appearance::chooseSystemLineColor() {
    if (choose(choosers_.systemLineColor))
        controls_.transcript->setLineColor(choosers_.systemLineColor.color());
    announce();
}

void Appearance::chooseInputTextColor() {
    if (!choose(choosers_.sharedColor))
        return;
    const QColor color = choosers_.sharedColor.color();
    paintEnabledText(controls_.inputLine, QPalette::Text, color);
    announce([&color](ChosenSettings& chosen) { chosen.inputText = color; });
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
    announce([&font](ChosenSettings& chosen) { chosen.inputFont = fontSpecOf(font); });
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

    ChosenSettings reset = settings_.chosen();
    reset.windowBackground = kSilver;
    reset.transcriptBackground = kSilver;
    reset.inputBackground = kSilver;
    reset.inputText = Qt::black;
    for (QColor ChosenSettings::*caption : kCaptions)
        reset.*caption = Qt::black;
    rememberChoosers(reset, choosers_);
    reset.inputFont = fontSpecOf(inputFont);
    takeExchange(reset, editor_.settings());
    settings_.reset(reset);
}

} // namespace besedka
