#include "modes/tform2.h"
#include "shell/look.h"
#include "shell/tform1.h"
#include "shell/tform3.h"

namespace besedka {

namespace {

// Every settings command takes the mark off the reset, whether the user confirms or not.
template <typename Chooser> bool choose(TForm1& form, Chooser& chooser) {
    form.N13->setChecked(false);
    return chooser.execute(&form);
}

FontSpec boldStyle() {
    FontSpec style;
    style.bold = true;
    return style;
}

void applyStyle(QFont& font, const FontSpec& style) {
    font.setBold(style.bold);
    font.setItalic(style.italic);
    font.setUnderline(style.underline);
    font.setStrikeOut(style.strikeOut);
}

// The name only when confirmed; the size and style the chooser holds in any case.
void chooseLineFont(TForm1& form, FontChooser& chooser) {
    const bool confirmed = choose(form, chooser);
    FontSpec font = chooser.font();
    if (!confirmed)
        font.name = form.RE1->lineFont().name;
    form.RE1->setLineFont(font);
}

} // namespace

void TForm1::N6Click() {
    if (choose(*this, ColorDialog1))
        paintBackground(centralWidget(), QPalette::Window, ColorDialog1.color());
}

void TForm1::N21Click() {
    if (choose(*this, ColorDialog1))
        paintBackground(RE1, QPalette::Base, ColorDialog1.color());
}

void TForm1::N16Click() {
    if (choose(*this, ColorDialog1))
        paintBackground(Input, QPalette::Base, ColorDialog1.color());
}

void TForm1::N9Click() {
    for (QPushButton* button : {Speak, Cancel, EnRus}) {
        if (choose(*this, ColorDialog1))
            paintEnabledText(button, QPalette::ButtonText, ColorDialog1.color());
    }
}

void TForm1::User1Click() {
    if (choose(*this, ColorDialog2))
        RE1->setLineColor(ColorDialog2.color());
}

void TForm1::Cpu1Click() {
    if (choose(*this, ColorDialog3))
        RE1->setLineColor(ColorDialog3.color());
}

void TForm1::Mystring2Click() {
    if (choose(*this, ColorDialog1))
        paintEnabledText(Input, QPalette::Text, ColorDialog1.color());
}

void TForm1::User2Click() {
    chooseLineFont(*this, FontDialog1);
}

void TForm1::Cpu2Click() {
    chooseLineFont(*this, FontDialog2);
}

void TForm1::Mystring1Click() {
    const bool confirmed = choose(*this, FontDialog3);
    QFont font = Input->font();
    if (confirmed)
        font.setFamily(FontDialog3.font().name);
    // The input line keeps its size whatever the chooser holds.
    applyStyle(font, FontDialog3.font());
    Input->setFont(font);
}

void TForm1::N13Click() {
    N13->setChecked(true);
    paintBackground(centralWidget(), QPalette::Window, kSilver);
    paintBackground(RE1, QPalette::Base, kSilver);
    paintBackground(Input, QPalette::Base, kSilver);

    paintEnabledText(Input, QPalette::Text, Qt::black);
    QFont inputFont = Input->font();
    // Bold, though the input line starts regular.
    applyStyle(inputFont, boldStyle());
    Input->setFont(inputFont);
    for (QPushButton* button : {Speak, Cancel, EnRus})
        paintEnabledText(button, QPalette::ButtonText, Qt::black);

    for (ColorChooser* chooser : {&ColorDialog1, &ColorDialog2, &ColorDialog3})
        chooser->setColor(Qt::black);
    FontDialog1.setFont(defaultFont());
    FontDialog2.setFont(defaultFont());
    FontSpec inputStyle = FontDialog3.font();
    inputStyle.name = defaultFont().name;
    inputStyle.pointSize = defaultFont().pointSize;
    FontDialog3.setFont(inputStyle);

    // The editor's fields take the mark off again when this changes them.
    Form2->restoreDefaults();
    Form3->setOuterHeight(TForm3::kFoldedHeight);
}

} // namespace besedka
