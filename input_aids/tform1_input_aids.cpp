// The main window's handlers for the input aids: the reserved-character guard, Speed Word,
// the layout conversion and the on-screen keyboard.
#include "engine/knowledge_line.h"
#include "input_aids/layout_conversion.h"
#include "input_aids/tform4.h"
#include "platform/core/cp1251.h"
#include "platform/qt/busy_cursor.h"
#include "platform/qt/engine_text.h"
#include "platform/qt/error_report.h"
#include "shell/tform1.h"

namespace besedka {

namespace {

const char* const kDictionary = "Base\\dictionary.dat";

QString noSuggestionText() {
    return QStringLiteral("[NONE]");
}
// What the panel read when start-up had loaded the knowledge base; Speed Word puts it back.
QString loadedText() {
    return QStringLiteral("Загрузка окончена");
}

// The phrase base gives these a meaning of their own, so the user must not type them.
bool isReserved(QChar c) {
    return c.unicode() < 0x80 &&
           kMarkupCharacters.find(static_cast<char>(c.unicode())) != std::string_view::npos;
}

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

// Disabling a window greys its text out, nearly invisible on silver; but while the keyboard is
// shown the user types into the disabled main window's line and reads Speed Word's offer there.
SuggestionStep stepFor(int key) {
    if (key == Qt::Key_Up)
        return SuggestionStep::Up;
    if (key == Qt::Key_Down)
        return SuggestionStep::Down;
    return SuggestionStep::Stay;
}

} // namespace

void TForm1::T5Timer() {
    const QString text = Input->text();
    if (text.isEmpty())
        return;
    ++ScanPosition;
    // The text may have become shorter since the last tick.
    if (ScanPosition > text.size())
        ScanPosition = 1;
    if (isReserved(text.at(ScanPosition - 1))) {
        RE1->setEnabled(false);
        Input->clear();
        return;
    }
    if (ScanPosition == text.size())
        ScanPosition = 0;
}

void TForm1::EnRusClick() {
    MP3.play();
    const QString converted = toCyrillicLayout(Input->text());
    if (converted != Input->text())
        Input->setText(converted);
}

void TForm1::N22Click() {
    T1.setEnabled(false);
    setEnabled(false);
    Form4->show();
    Form4->activateWindow();
    Form4->setEnabled(true);
    Form4->T1.setEnabled(true);
}

void TForm1::N23Click() {
    Input->setText(Input->text() + toQString(cp1251::lower(Suggestion.Completion)));
    T11.setEnabled(true);
}

void TForm1::N24Click() {
    SpeedWord.load(kDictionary);
    N24->setChecked(!N24->isChecked());
    SB1->setPanelText(0, N24->isChecked() ? noSuggestionText() : loadedText());
    T11.setEnabled(N24->isChecked());
}

void TForm1::T11Timer() {
    const std::string* entry = Suggestion.check(SpeedWord.lines(), toEngineText(Input->text()));
    SB1->setPanelText(0, entry != nullptr ? toQString(*entry) : noSuggestionText());
    T11.setEnabled(false);
}

void TForm1::ApplicationKeyDown(int key) {
    if (SpeedWord.count() == 0 || !N24->isChecked())
        return;
    besedka::setBusyCursor(true);
    SB1->setPanelText(0, toQString(Suggestion.step(SpeedWord.lines(), stepFor(key))));
    T11.setEnabled(true);
    besedka::setBusyCursor(false);
}

bool TForm1::showsSuggestion() const {
    const QString panel = SB1->panelText(0);
    return !panel.isEmpty() && panel != noSuggestionText() && panel != loadedText();
}

} // namespace besedka
