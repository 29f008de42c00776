#include "window_test.h"

#include "platform/qt/busy_cursor.h"
#include "platform/qt/engine_text.h"

#include <QApplication>

void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace besedka::test {

WindowTest::~WindowTest() {
    setBusyCursor(false);
}

TForm1& WindowTest::open() {
    windows = std::make_unique<Windows>(random);
    form = &windows->form1();
    windows->showMainWindow();
    QApplication::setActiveWindow(form);
    return *form;
}

TForm1& WindowTest::openReady() {
    open();
    form->T3Timer();
    form->T7Timer();
    form->T1Timer();
    return *form;
}

void WindowTest::type(const QString& text) {
    form->Input->setText(text);
    form->T1Timer();
}

void WindowTest::say(const QString& phrase) {
    type(phrase);
    form->Speak->click();
}

QStringList WindowTest::transcript() const {
    QStringList lines;
    for (int i = 0; i < form->RE1->lineCount(); ++i)
        lines.append(form->RE1->lineAt(i));
    return lines;
}

QStringList WindowTest::session() const {
    QStringList lines;
    for (const std::string& line : form->Log.lines())
        lines.append(toQString(line));
    return lines;
}

QStringList WindowTest::fileLines(const std::string& relative) const {
    QStringList lines;
    for (const std::string& line : folder.readLines(relative))
        lines.append(QString::fromStdString(line));
    return lines;
}

} // namespace besedka::test
